#include "rules/contrastrules.h"

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
    switch (wcagTextLevel(ratio)) {
    case WcagLevel::Aaa:
    case WcagLevel::Aa: line.lamp = lampGreen; break;
    case WcagLevel::AaLargeTextOnly: line.lamp = lampYellow; break;
    case WcagLevel::Fail: line.lamp = lampRed; break;
    }
    if (wcagTextLevel(ratio) < WcagLevel::Aa)
        line.suggestion = nearestPassingShade(foreground, background, 4.5);
    return line;
}

} // namespace Tintara
