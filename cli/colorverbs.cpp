#include "cli/colorverbs.h"

#include "color/apca.h"
#include "color/colortext.h"
#include "color/decimal.h"
#include "color/notation.h"
#include "color/wcag.h"
#include "rules/editorinput.h"

namespace Tintara {

namespace {

struct ReadColor {
    std::optional<TColor> color;
    QString refusal;
};

ReadColor readColor(const QString& text)
{
    const std::string utf8 = text.toStdString();
    if (namesTransparency(utf8))
        return {std::nullopt, transparencyRefusal()};
    if (const auto color = colorFromText(utf8))
        return {color, {}};
    return {std::nullopt, QStringLiteral("„%1“ ist keine Farbe, die Tintara Studio lesen kann.").arg(text)};
}

QString folded(const QString& name)
{
    return name.simplified().remove(u' ').toCaseFolded();
}

QString levelText(WcagLevel level)
{
    switch (level) {
    case WcagLevel::Aaa: return QStringLiteral("AAA");
    case WcagLevel::Aa: return QStringLiteral("AA");
    case WcagLevel::AaLargeTextOnly:
    case WcagLevel::Fail: break;
    }
    return QStringLiteral("fail");
}

} // namespace

VerbResult convertColor(const QString& text, const std::optional<QString>& to)
{
    const ReadColor read = readColor(text);
    if (!read.color)
        return {1, {}, read.refusal};
    QString lines;
    for (const NotationRow& row : notationTable) {
        const QString value = QString::fromStdString(ColorNotation(*read.color, row.notation));
        if (!to) {
            lines += QString::fromUtf8(row.menuText) + QStringLiteral(": ") + value + u'\n';
            continue;
        }
        if (folded(*to) == folded(QString::fromUtf8(row.menuText)) || folded(*to) == folded(QString::fromUtf8(row.formatName)))
            return {0, value + u'\n', {}};
    }
    if (to)
        return {2, {}, QStringLiteral("Unbekannte Schreibweise „%1“.").arg(*to)};
    return {0, lines, {}};
}

VerbResult contrastOfColors(const QString& text, const QString& background)
{
    const ReadColor textColor = readColor(text);
    const ReadColor backgroundColor = readColor(background);
    for (const ReadColor& read : {textColor, backgroundColor}) {
        if (!read.color)
            return {1, {}, read.refusal};
    }
    const double ratio = contrastRatio(*textColor.color, *backgroundColor.color);
    const QString wcag = QStringLiteral("WCAG 2.2: %1:1 %2 (large text: %3)\n")
                             .arg(QString::fromStdString(decimalText(cutContrastRatio(ratio), 2)), levelText(wcagTextLevel(ratio)),
                                  levelText(wcagLargeTextLevel(ratio)));
    const double lc = apcaContrast(*textColor.color, *backgroundColor.color);
    return {0, wcag + QStringLiteral("APCA Lc: ") + QString::fromStdString(decimalText(lc, 1)) + u'\n', {}};
}

} // namespace Tintara
