#pragma once

#include "color/tcolor.h"

#include <optional>
#include <string>

namespace Tintara {

// sRGB channel 0..255 to linear light 0..1, by the sRGB transfer function (threshold 0.04045).
double linearChannel(int value);

// Relative luminance of a colour as WCAG 2.x defines it; system colours are resolved first.
double relativeLuminance(TColor color);

// (L1 + 0.05) / (L2 + 0.05) with the lighter colour above: 1 to 21, the same either way round.
double contrastRatio(TColor first, TColor second);

// What a contrast ratio meets for text: AAA (7, large text 4.5), AA (4.5, large text 3).
enum class WcagLevel { Fail, AaLargeTextOnly, Aa, Aaa };
WcagLevel wcagTextLevel(double ratio);
WcagLevel wcagLargeTextLevel(double ratio);
// User-interface components and graphical objects need 3.
bool meetsNonTextContrast(double ratio);

// The shade of `text` nearest to it whose contrast with `background` reaches `minimum`: on each
// side (darker, lighter, in ShadeColor's percent steps, black and white included) the first that
// passes, and of those two the smaller change in OKLab; of two as near the stronger; none where no
// shade does.
std::optional<TColor> nearestPassingShade(TColor text, TColor background, double minimum);

// The ratio cut (not rounded) to two decimals, so that 4.499 does not pass as 4.50.
double cutContrastRatio(double ratio);
// The cut ratio with a decimal comma: "4,49:1".
std::string formatContrastRatio(double ratio);

} // namespace Tintara
