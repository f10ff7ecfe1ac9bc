#include "cli/jsonoutput.h"

#include "color/notation.h"
#include "color/oklab.h"
#include "exchange/colorwriting.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace Tintara {

namespace {

QJsonValue hexValue(TColor color)
{
    return QString::fromStdString(ColorNotation(color, NotationHtml));
}

QJsonValue hexValue(const std::optional<TColor>& color)
{
    return color ? hexValue(*color) : QJsonValue(QJsonValue::Null);
}

double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

QByteArray document(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace

QString wcagLevelName(WcagLevel level)
{
    switch (level) {
    case WcagLevel::Aaa: return QStringLiteral("AAA");
    case WcagLevel::Aa: return QStringLiteral("AA");
    case WcagLevel::AaLargeTextOnly:
    case WcagLevel::Fail: break;
    }
    return QStringLiteral("fail");
}

QByteArray convertJson(const QString& input, TColor color, const Xyz& wide, const std::optional<int>& only)
{
    QJsonObject notations;
    for (const NotationRow& row : notationTable) {
        if (!only || *only == row.notation)
            notations.insert(QLatin1String(row.formatName),
                             QString::fromStdString(wideColorNotation(color, wide, row.notation)));
    }
    const std::array<double, 3> p3 = rgbFromXyzD65(RgbSpace::DisplayP3, wide);
    const Oklch lch = toOklch(color);
    return document({{QStringLiteral("input"), input},
                     {QStringLiteral("hex"), hexValue(color)},
                     {QStringLiteral("rgb"), QJsonArray{redOf(color), greenOf(color), blueOf(color)}},
                     {QStringLiteral("oklch"), QJsonObject{{QStringLiteral("l"), rounded(lch.L, 4)},
                                                           {QStringLiteral("c"), rounded(lch.C, 4)},
                                                           {QStringLiteral("h"), rounded(lch.h, 2)}}},
                     {QStringLiteral("notations"), notations},
                     {QStringLiteral("inSrgb"), insideSrgb(wide)},
                     {QStringLiteral("inDisplayP3"), insideDisplayP3(wide)},
                     {QStringLiteral("displayP3"), QJsonArray{rounded(p3[0], 6), rounded(p3[1], 6), rounded(p3[2], 6)}}});
}

QByteArray contrastJson(const ContrastReport& report)
{
    return document({
        {QStringLiteral("text"), hexValue(report.text)},
        {QStringLiteral("background"), hexValue(report.background)},
        {QStringLiteral("wcag"), QJsonObject{{QStringLiteral("ratio"), report.ratio},
                                             {QStringLiteral("text"), wcagLevelName(wcagTextLevel(report.ratio))},
                                             {QStringLiteral("largeText"), wcagLevelName(wcagLargeTextLevel(report.ratio))}}},
        {QStringLiteral("apca"), QJsonObject{{QStringLiteral("lc"), rounded(report.lc, 1)}}},
        {QStringLiteral("minimum"),
         QJsonObject{{QStringLiteral("ratio"), report.minimum},
                     {QStringLiteral("lc"), report.minimumLc ? QJsonValue(*report.minimumLc) : QJsonValue()}}},
        {QStringLiteral("passes"), report.passes},
        {QStringLiteral("nearestPassingText"), hexValue(report.passingText)},
        {QStringLiteral("nearestPassingBackground"), hexValue(report.passingBackground)},
    });
}

QByteArray scaleJson(const ScaleReport& report, const std::vector<ScaleStep>& steps)
{
    QJsonArray stepArray;
    for (const ScaleStep& step : steps) {
        QJsonObject entry{{QStringLiteral("name"), QString::fromStdString(step.name)},
                          {QStringLiteral("hex"), hexValue(step.color)},
                          {QStringLiteral("sameAs"), step.sameAs.empty() ? QJsonValue()
                                                                         : QJsonValue(QString::fromStdString(step.sameAs))},
                          {QStringLiteral("displayP3"), QJsonValue()}};
        if (const auto p3 = step.color ? beyondSrgb(step.wide) : std::nullopt) {
            const std::array<double, 3> c = rgbFromXyzD65(RgbSpace::DisplayP3, *p3);
            entry.insert(QStringLiteral("displayP3"), QJsonArray{rounded(c[0], 4), rounded(c[1], 4), rounded(c[2], 4)});
        }
        if (step.color) {
            const Oklch lch = toOklch(*step.color);
            entry.insert(QStringLiteral("oklch"), QJsonObject{{QStringLiteral("l"), rounded(lch.L, 4)},
                                                              {QStringLiteral("c"), rounded(lch.C, 4)},
                                                              {QStringLiteral("h"), rounded(lch.h, 2)}});
            entry.insert(QStringLiteral("wcag"),
                         QJsonObject{{QStringLiteral("onWhite"), cutContrastRatio(step.ratioOnWhite)},
                                     {QStringLiteral("onBlack"), cutContrastRatio(step.ratioOnBlack)}});
            entry.insert(QStringLiteral("apca"), QJsonObject{{QStringLiteral("onWhite"), rounded(step.lcOnWhite, 1)},
                                                             {QStringLiteral("onBlack"), rounded(step.lcOnBlack, 1)}});
        }
        stepArray.append(entry);
    }
    const QJsonValue none;
    return document({
        {QStringLiteral("name"), report.name},
        {QStringLiteral("base"), hexValue(report.base)},
        {QStringLiteral("kind"), report.background ? QStringLiteral("contrast") : QStringLiteral("tonal")},
        {QStringLiteral("pinnedStep"), report.pinnedStep ? QJsonValue(*report.pinnedStep) : none},
        {QStringLiteral("background"), hexValue(report.background)},
        {QStringLiteral("metric"), !report.measure ? none
                                   : *report.measure == ContrastMeasure::Apca ? QJsonValue(QStringLiteral("apca"))
                                                                              : QJsonValue(QStringLiteral("wcag"))},
        {QStringLiteral("steps"), stepArray},
    });
}

QByteArray extractJson(const QString& picture, const std::vector<DominantColor>& colours)
{
    QJsonArray entries;
    for (const DominantColor& colour : colours)
        entries.append(QJsonObject{{QStringLiteral("hex"), hexValue(colour.color)},
                                   {QStringLiteral("share"), rounded(colour.share, 3)}});
    return document({{QStringLiteral("picture"), picture}, {QStringLiteral("colors"), entries}});
}

} // namespace Tintara
