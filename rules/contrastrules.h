#pragma once

#include "color/tcolor.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace Tintara {

inline constexpr TColor lampGreen = 0x008000;
inline constexpr TColor lampYellow = 0x00FFFF;
inline constexpr TColor lampRed = 0x0000FF;

struct ContrastSentence {
    QString text;
    TColor color; // black when the test is passed, red when not
};

// The colour-visibility test of the W3C (brightness 125, colour 500) and Hewlett Packard's 400.
struct ContrastVerdict {
    int brightnessDifference = 0;
    int colorDifference = 0;
    TColor brightnessLamp = lampGreen;
    TColor colorLamp = lampGreen;
    ContrastSentence brightness, w3c, hp;
};

int perceivedBrightness(TColor color);
ContrastVerdict contrastCheck(TColor foreground, TColor background);

// The WCAG 2.2 line of the contrast page: "Kontrastverhältnis (WCAG 2.2): 4,54:1 – AA", its lamp,
// and where the pair fails AA the nearest shade of the text colour that passes it.
struct WcagLine {
    QString text;
    TColor lamp = lampGreen;
    std::optional<TColor> suggestion;
};
WcagLine wcagLine(TColor foreground, TColor background);
// "AAA", "AA", "AA nur für große Schrift" or "nicht erfüllt": the verdict for normal text.
QString wcagVerdictText(double ratio);

// One cell of the contrast matrix: a colour as text on another as background.
struct ContrastCell {
    TColor text = 0, background = 0;
    double ratio = 1;
};
// Every colour as text (rows) on every colour as background (columns), row by row.
std::vector<ContrastCell> contrastMatrix(std::span<const TColor> colors);
// The lamp of a cell at a glance: green for AA, yellow for AA in large text only, red otherwise.
TColor wcagLamp(double ratio);
// Both colours as #RRGGBB, the ratio, and the verdicts for normal and large text.
QString contrastCellHint(const ContrastCell& cell);

} // namespace Tintara
