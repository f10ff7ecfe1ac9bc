#pragma once

#include "color/apca.h"
#include "color/oklab.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace Tintara {

// One step of a colour scale, with its contrast on white and on black; no colour where a contrast
// target cannot be reached. `measure` is what the step's figures are read in first: the metric of
// its contrast target. `sameAs` names the earlier target that gave the same colour.
struct ScaleStep {
    std::string name;
    std::optional<TColor> color;
    double ratioOnWhite = 0, ratioOnBlack = 0;
    double lcOnWhite = 0, lcOnBlack = 0;
    ContrastMeasure measure = ContrastMeasure::Wcag;
    std::string sameAs = {};
    std::optional<Oklch> wide = {}; // a Display P3 scale's step as P3 holds it; `color` is its sRGB fallback
};

// The steps of a tonal scale, from the palest to the deepest.
inline constexpr std::array<int, 11> tonalSteps = {50, 100, 200, 300, 400, 500, 600, 700, 800, 900, 950};
// The index of a step in `tonalSteps`, none for a number that is no step.
std::optional<std::size_t> tonalStepIndex(int step);

// A design system's scale of a base colour: steps 50 … 950, the base one of them exactly. Pinned,
// the base is the step given; otherwise the step whose usual lightness lies nearest the base's.
// The other steps follow curves fitted to published design-system palettes: their lightness
// depends on the base's lightness and on how grey it is (greys reach near-black at 950), their
// chroma peaks around the middle and falls towards both ends, and their hue drifts towards the
// ends as the palettes' do (yellows to amber as they darken, blues to violet). Each step is
// gamut-mapped into sRGB.
std::vector<ScaleStep> tonalScale(TColor base, std::optional<std::size_t> pinnedStep = std::nullopt);

// The same scale with chroma up to what Display P3 holds, from a base that may lie beyond sRGB
// (beyond P3 it is mapped into it first): each step as P3 holds it and its sRGB fallback, the
// contrasts measured on the fallback.
std::vector<ScaleStep> displayP3Scale(const Oklch& base, std::optional<std::size_t> pinnedStep = std::nullopt);

// A step with its contrast on white and on black measured.
ScaleStep measuredStep(std::string name, std::optional<TColor> color);

// Contrast-based shades: for each target, the base's hue and chroma (gamut-mapped) at the
// lightness, away from the background, whose 8-bit colour reaches the target against
// `background` by less than 2 % above it (WCAG) or less than 1 Lc above it (APCA, either
// polarity). A target not reachable that way has no colour, nor has an APCA target below Lc 15,
// which APCA counts as no visible contrast. Steps are named by their targets.
std::vector<ScaleStep> contrastShades(TColor base, TColor background, const std::vector<double>& targets,
                                      ContrastMeasure measure);
inline const std::vector<double> defaultContrastTargets = {1.15, 1.3, 1.6, 2, 3, 4.5, 6, 7, 10, 13};
// APCA's levels from non-text to preferred body text.
inline const std::vector<double> defaultApcaTargets = {15, 30, 45, 60, 75, 90};
inline constexpr double leastApcaTarget = 15;

// The largest chroma sRGB holds at a lightness and hue, by bisection.
double maximumChroma(double lightness, double hue);

} // namespace Tintara
