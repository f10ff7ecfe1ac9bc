#pragma once

#include "color/apca.h"
#include "color/oklab.h"

#include <optional>
#include <string>
#include <vector>

namespace Tintara {

// One step of a colour scale, with its contrast on white and on black; no colour where a contrast
// target cannot be reached.
struct ScaleStep {
    std::string name;
    std::optional<TColor> color;
    double ratioOnWhite = 0, ratioOnBlack = 0;
    double lcOnWhite = 0, lcOnBlack = 0;
};

// A design system's scale of a base colour: steps 50, 100, 200 … 900, 950 at the OKLCH lightness
// targets 0.97 … 0.28, on the base's hue. The step whose target lies nearest the base's lightness
// is the base itself; the others take the base's chroma, lowered towards both ends and at most what
// sRGB holds at their lightness and hue. A base with chroma below 0.02 gives neutral greys.
std::vector<ScaleStep> tonalScale(TColor base);

// Contrast-based shades: for each target, the base's hue and chroma (gamut-mapped) at the
// lightness, away from the background, whose 8-bit colour reaches the target against
// `background` by less than 2 % above it (WCAG) or less than 1 Lc above it (APCA, either
// polarity). A target not reachable that way has no colour. Steps are named by their targets.
std::vector<ScaleStep> contrastShades(TColor base, TColor background, const std::vector<double>& targets,
                                      ContrastMeasure measure);
inline const std::vector<double> defaultContrastTargets = {1.15, 1.3, 1.6, 2, 3, 4.5, 6, 7, 10, 13};
// APCA's levels from non-text to preferred body text.
inline const std::vector<double> defaultApcaTargets = {15, 30, 45, 60, 75, 90};

// The largest chroma sRGB holds at a lightness and hue, by bisection.
double maximumChroma(double lightness, double hue);

} // namespace Tintara
