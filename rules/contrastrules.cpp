#include "rules/contrastrules.h"

#include "color/notation.h"
#include "color/wcag.h"

#include <cstdlib>

namespace Tintara {

namespace {

ContrastSentence sentence(bool passed, const char* over, const char* under)
{
    return {QString::fromUtf8(passed ? over : under), passed ? clBlack : lampRed};
}

} // namespace

int perceivedBrightness(TColor color)
{
    return (299 * redOf(color) + 587 * greenOf(color) + 114 * blueOf(color)) / 1000;
}

ContrastVerdict contrastCheck(TColor foreground, TColor background)
{
    ContrastVerdict v;
    v.brightnessDifference = std::abs(perceivedBrightness(background) - perceivedBrightness(foreground));
    v.colorDifference = std::abs(redOf(background) - redOf(foreground))
        + std::abs(greenOf(background) - greenOf(foreground)) + std::abs(blueOf(background) - blueOf(foreground));

    const bool brightEnough = v.brightnessDifference >= 125;
    v.brightnessLamp = brightEnough ? lampGreen : lampRed;
    v.brightness = sentence(brightEnough, "- Die Helligkeitsdifferenz liegt über dem Grenzwert (125)",
                            "- Die Helligkeitsdifferenz liegt unter dem Grenzwert (125)");

    const int d = v.colorDifference;
    v.colorLamp = d >= 500 ? lampGreen : d >= 400 ? lampYellow : lampRed;
    v.w3c = sentence(d >= 500, "- Die Farbdifferenz liegt über dem vom W3C genannten Grenzwert (500)",
                     "- Die Farbdifferenz liegt unter dem vom W3C genannten Grenzwert (500)");
    v.hp = sentence(d >= 400, "- Die Farbdifferenz liegt über dem von Hewlett Packard genannten Grenzwert (400)",
                    "- Die Farbdifferenz liegt unter dem von Hewlett Packard genannten Grenzwert (400)");
    return v;
}

QString wcagVerdictText(double ratio)
{
    switch (wcagTextLevel(ratio)) {
    case WcagLevel::Aaa: return QStringLiteral("AAA");
    case WcagLevel::Aa: return QStringLiteral("AA");
    case WcagLevel::AaLargeTextOnly: return QStringLiteral("AA nur für große Schrift");
    case WcagLevel::Fail: break;
    }
    return QStringLiteral("nicht erfüllt");
}

WcagLine wcagLine(TColor foreground, TColor background)
{
    const double ratio = contrastRatio(foreground, background);
    WcagLine line;
    line.text = QStringLiteral("Kontrastverhältnis (WCAG 2.2): %1 – %2")
                    .arg(QString::fromStdString(formatContrastRatio(ratio)), wcagVerdictText(ratio));
    line.lamp = wcagLamp(ratio);
    if (wcagTextLevel(ratio) < WcagLevel::Aa)
        line.suggestion = nearestPassingShade(foreground, background, 4.5);
    return line;
}

TColor wcagLamp(double ratio)
{
    switch (wcagTextLevel(ratio)) {
    case WcagLevel::Aaa:
    case WcagLevel::Aa: return lampGreen;
    case WcagLevel::AaLargeTextOnly: return lampYellow;
    case WcagLevel::Fail: break;
    }
    return lampRed;
}

std::vector<ContrastCell> contrastMatrix(std::span<const TColor> colors)
{
    std::vector<ContrastCell> cells;
    cells.reserve(colors.size() * colors.size());
    for (const TColor text : colors) {
        for (const TColor background : colors)
            cells.push_back({text, background, contrastRatio(text, background)});
    }
    return cells;
}

QString contrastCellHint(const ContrastCell& cell)
{
    const auto html = [](TColor color) { return QString::fromStdString(ColorNotation(color, NotationHtml)); };
    const QString large = wcagLargeTextLevel(cell.ratio) == WcagLevel::Aaa ? QStringLiteral("AAA")
        : wcagLargeTextLevel(cell.ratio) == WcagLevel::Aa                  ? QStringLiteral("AA")
                                                                           : QStringLiteral("nicht erfüllt");
    return QStringLiteral("%1 auf %2\nKontrastverhältnis: %3\nNormale Schrift: %4\nGroße Schrift: %5")
        .arg(html(cell.text), html(cell.background), QString::fromStdString(formatContrastRatio(cell.ratio)),
             wcagVerdictText(cell.ratio), large);
}

} // namespace Tintara
