#include "rules/contrastrules.h"

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

} // namespace Tintara
