#pragma once

#include "color/apca.h"
#include "color/colorscale.h"

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

// The WCAG 2.2 line of the contrast page with the APCA value after it:
// "Kontrastverhältnis (WCAG 2.2): 4,54:1 – AA · APCA Lc 71,6", its lamp, its hint, and where the
// pair fails AA the nearest shades of the text colour and of the background that pass it.
struct WcagLine {
    QString text;
    QString hint;
    TColor lamp = lampGreen;
    std::optional<TColor> suggestion;           // for the text
    std::optional<TColor> backgroundSuggestion; // for the background
};
WcagLine wcagLine(TColor foreground, TColor background);
// "AAA", "AA", "AA nur für große Schrift" or "nicht erfüllt": the verdict for normal text.
QString wcagVerdictText(double ratio);

// "APCA Lc 63,1", "APCA Lc -68,5": one decimal, a decimal comma, the sign where it is negative.
QString apcaText(double lc);
// "WCAG 4,54:1", the ratio cut to two decimals.
QString wcagRatioText(double ratio);
// What text an Lc allows, by APCA's simple levels 90, 75, 60, 45, 30 and 15.
QString apcaUseText(double lc);
// Green from Lc 75 (body text), yellow from Lc 60 (other content text), red below; either polarity.
TColor apcaLamp(double lc);

// One cell of the contrast matrix: a colour as text on another as background.
struct ContrastCell {
    TColor text = 0, background = 0;
    double ratio = 1;
    double lc = 0; // APCA
};
// Every colour as text (rows) on every colour as background (columns), row by row.
std::vector<ContrastCell> contrastMatrix(std::span<const TColor> colors);
// The lamp of a cell at a glance: green for AA, yellow for AA in large text only, red otherwise.
TColor wcagLamp(double ratio);
TColor contrastLamp(const ContrastCell& cell, ContrastMeasure measure);
// Both colours as #RRGGBB, the ratio or Lc, and what they allow.
QString contrastCellHint(const ContrastCell& cell, ContrastMeasure measure = ContrastMeasure::Wcag);

// A step of a colour scale as the scale page lists it, in columns: its name (a decimal comma in a
// target), #RRGGBB (or the earlier target of the same colour: "wie Ziel 4,5") and its ratios on
// white and on black with what they meet ("Weiß 5,16:1 AA", "Schwarz 4,06:1 AA groß"), for an
// APCA target its signed Lc ("Weiß Lc 60,4", "Schwarz Lc -38,2"); or that it cannot be reached.
struct ScaleStepTexts {
    QString name, hex, onWhite, onBlack;
};
ScaleStepTexts scaleStepTexts(const ScaleStep& step);
// "1,15 1,3 2": contrast targets with a decimal comma or point, separated by blanks or semicolons;
// at most `most`, each a ratio from 1 to 21 (WCAG) or an Lc from 1 to 108 (APCA). None where the
// text is not such a list.
std::optional<std::vector<double>> contrastTargetList(const QString& text, ContrastMeasure measure, int most);
// The list as the field shows it.
QString contrastTargetText(const std::vector<double>& targets);

// A slot by its number and, where it has one, the first line of its info text: "Platz 3 (Primär)".
QString slotName(int slot, const QString& info);
// Two slots: "Platz 3 (Primär) und 8 (Akzent)".
QString slotPairName(int first, const QString& firstInfo, int second, const QString& secondInfo);

} // namespace Tintara
