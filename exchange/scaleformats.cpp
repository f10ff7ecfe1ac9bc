#include "exchange/scaleformats.h"

#include "color/decimal.h"
#include "color/notation.h"
#include "color/wcag.h"
#include "exchange/colorwriting.h"

#include <QCoreApplication>


namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct ScaleFormats {
    Q_DECLARE_TR_FUNCTIONS(ScaleFormats)
};

// A step's name in a property or token name: "4.5" has no dot there.
QString stepKey(const ScaleStep& step)
{
    return QString::fromStdString(step.name).replace(u'.', u'_');
}

// The steps that have a colour, each as one line of `line(key, colour)`.
template <typename Line>
QString stepLines(const std::vector<ScaleStep>& steps, Line line)
{
    QString text;
    for (const ScaleStep& step : steps) {
        if (step.color)
            text += line(stepKey(step), *step.color);
    }
    return text;
}

// The steps with a colour, each in the scale's group.
std::vector<NamedColor> namedSteps(const QString& name, const std::vector<ScaleStep>& steps)
{
    std::vector<NamedColor> named;
    for (const ScaleStep& step : steps) {
        if (step.color)
            named.push_back({stepKey(step), *step.color, {}, scaleIdentifier(name), step.wide});
    }
    return named;
}

QString ratioText(double ratio)
{
    return QString::fromStdString(decimalText(cutContrastRatio(ratio), 2));
}

} // namespace

QString scaleIdentifier(const QString& name)
{
    QString id;
    for (const QChar c : name.trimmed()) {
        if (c.isLetterOrNumber() || c == u'-' || c == u'_')
            id += c;
        else if (c.isSpace() && !id.endsWith(u'-'))
            id += u'-';
    }
    return id.isEmpty() ? QStringLiteral("primary") : id;
}

QString scaleStepName(const QString& scaleName, const ScaleStep& step)
{
    return scaleIdentifier(scaleName) + u'-' + stepKey(step);
}

QByteArray scaleCssVariables(const QString& name, const std::vector<ScaleStep>& steps)
{
    const QString id = scaleIdentifier(name);
    QString text = QStringLiteral(":root {\n") + stepLines(steps, [&](const QString& key, TColor color) {
                       return QStringLiteral("  --%1-%2: %3;\n").arg(id, key, hex(color));
                   }) + QStringLiteral("}\n");
    // Steps beyond sRGB again, for browsers that read color(): the sRGB value stays for the rest.
    QString wide;
    for (const ScaleStep& step : steps) {
        if (const auto p3 = step.color ? beyondSrgb(step.wide) : std::nullopt)
            wide += QStringLiteral("    --%1-%2: %3;\n").arg(id, stepKey(step), QString::fromStdString(displayP3Text(*p3)));
    }
    if (!wide.isEmpty())
        text += QStringLiteral("@supports (color: color(display-p3 0 0 0)) {\n  :root {\n") + wide + QStringLiteral("  }\n}\n");
    return text.toUtf8();
}

QByteArray scaleDesignTokens(const QString& name, const std::vector<ScaleStep>& steps, TokenValue value)
{
    return designTokenFile(namedSteps(name, steps), value);
}

QByteArray scaleTailwindTheme(const QString& name, const std::vector<ScaleStep>& steps)
{
    return tailwindThemeFile(namedSteps(name, steps));
}

QByteArray scaleGimpPalette(const QString& name, const std::vector<ScaleStep>& steps)
{
    const QString id = scaleIdentifier(name);
    return (QStringLiteral("GIMP Palette\nName: %1\nColumns: %2\n#\n").arg(id).arg(steps.size())
            + stepLines(steps, [&](const QString& key, TColor color) {
                  return QStringLiteral("%1 %2 %3\t%4-%5\n")
                      .arg(redOf(color), 3)
                      .arg(greenOf(color), 3)
                      .arg(blueOf(color), 3)
                      .arg(id, key);
              }))
        .toUtf8();
}

QByteArray scaleText(const std::vector<ScaleStep>& steps)
{
    QString text;
    for (const ScaleStep& step : steps) {
        const QString name = QString::fromStdString(step.name);
        if (!step.color) {
            text += name + QStringLiteral(" - - -\n");
            continue;
        }
        const bool apca = step.measure == ContrastMeasure::Apca;
        const auto lcText = [](double lc) { return QString::fromStdString(decimalText(lc, 1)); };
        const auto p3 = beyondSrgb(step.wide);
        text += QStringLiteral("%1 %2 %3 %4%5\n")
                    .arg(name, hex(*step.color).toUpper(),
                         apca ? lcText(step.lcOnWhite) : ratioText(step.ratioOnWhite),
                         apca ? lcText(step.lcOnBlack) : ratioText(step.ratioOnBlack),
                         p3 ? u' ' + QString::fromStdString(displayP3Text(*p3)) : QString());
    }
    return text.toUtf8();
}

QByteArray dominantColorsText(const std::vector<DominantColor>& colours)
{
    QString text;
    for (const DominantColor& colour : colours)
        text += hex(colour.color).toUpper() + u' ' + QString::fromStdString(decimalText(colour.share * 100, 1)) + u'\n';
    return text.toUtf8();
}

QByteArray scaleFile(ScaleFormat format, const QString& name, const std::vector<ScaleStep>& steps, TokenValue value)
{
    switch (format) {
    case ScaleFormat::CssVariables: return scaleCssVariables(name, steps);
    case ScaleFormat::DesignTokens: return scaleDesignTokens(name, steps, value);
    case ScaleFormat::Tailwind: return scaleTailwindTheme(name, steps);
    case ScaleFormat::Gimp: return scaleGimpPalette(name, steps);
    case ScaleFormat::Text: break;
    }
    return scaleText(steps);
}

std::optional<ScaleFormat> scaleFormatNamed(const QString& commandLineName)
{
    for (const ScaleFormatRow& row : scaleFormats) {
        if (commandLineName == QLatin1String(row.commandLineName))
            return row.format;
    }
    return std::nullopt;
}

QString scaleFormatName(const ScaleFormatRow& row)
{
    return ScaleFormats::tr(row.listText);
}

} // namespace Tintara
