#include "color/colorscale.h"

#include "color/colorspaces.h"
#include "color/gamutmap.h"

#include <algorithm>
#include <cmath>

namespace Tintara {

namespace {

// How a step follows from step 500 of the same scale. Lightness: l[0] + l[1] * L500 + l[2] * grey,
// where grey is 1 for a near-neutral 500 and 0 for a colourful one. Hue: the 500's hue plus a drift
// that depends on that hue, and chroma: the 500's times a share, both given at every 30 degrees of
// hue from 0 and interpolated between; a grey 500 uses `greyShare` instead. The figures are a least-
// squares fit to Tailwind CSS v4's palette (scripts/fit-tonal-scale.py): lightness and hue against
// its steps, chroma against its steps' chroma before mapping into sRGB.
struct StepCurve {
    std::array<double, 3> lightness;
    std::array<double, 12> hueDrift;
    std::array<double, 12> chromaShare;
    double greyShare;
};

constexpr std::array<StepCurve, tonalSteps.size()> stepCurves = {{
    {{0.9024, 0.1094, 0.0222}, {-11.5, 6.3, 32.8, 14.1, -15.3, 3.1, 0.4, -15.1, -8.6, -4.5, 1.2, -4.4}, {0.061, 0.055, 0.113, 0.173, 0.179, 0.091, 0.124, 0.170, 0.076, 0.077, 0.059, 0.056}, 0.063},
    {{0.8324, 0.1725, 0.0375}, {-11.8, 6.9, 33.5, 15.5, -12.1, 2.8, -0.5, -13.2, -7.9, -3.2, 1.0, -5.9}, {0.115, 0.129, 0.290, 0.482, 0.376, 0.213, 0.425, 0.411, 0.163, 0.152, 0.120, 0.128}, 0.128},
    {{0.7052, 0.2926, 0.0568}, {-11.9, 5.0, 32.6, 14.3, -9.8, 3.4, -0.4, -11.4, -10.1, -3.5, 0.7, -5.0}, {0.251, 0.236, 0.615, 0.852, 0.721, 0.396, 0.789, 0.708, 0.353, 0.277, 0.234, 0.267}, 0.233},
    {{0.4826, 0.5217, 0.0984}, {-9.5, 3.4, 27.5, 11.8, -6.9, 3.8, 0.4, -9.3, -10.4, -4.3, 1.0, -2.6}, {0.502, 0.458, 0.896, 1.186, 1.048, 0.707, 1.116, 1.085, 0.674, 0.476, 0.456, 0.502}, 0.399},
    {{0.1590, 0.8694, 0.0716}, {-5.6, 0.7, 17.4, 7.9, -3.2, 2.2, 0.7, -5.2, -7.2, -1.9, 0.6, -0.9}, {0.836, 0.783, 1.052, 1.266, 1.178, 0.994, 1.218, 1.258, 0.982, 0.756, 0.770, 0.823}, 0.741},
    {{0, 1, 0}, {}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 1}, // 500: the base
    {{0.1278, 0.6928, -0.0672}, {5.6, 0.0, -6.6, -7.1, -2.7, 1.7, 3.5, 3.9, 3.1, 1.5, -2.5, 1.9}, {1.048, 1.038, 1.097, 0.947, 0.937, 0.914, 0.924, 0.952, 1.023, 1.187, 1.144, 0.942}, 0.903},
    {{0.2836, 0.3428, -0.1003}, {8.2, -0.8, -14.2, -15.7, -5.5, 3.1, 5.8, 5.8, 4.8, 2.3, -3.1, 3.6}, {0.954, 0.888, 1.010, 0.763, 0.726, 0.731, 0.757, 0.773, 0.908, 1.142, 1.076, 0.781}, 0.907},
    {{0.2949, 0.2224, -0.1450}, {7.2, -2.5, -16.6, -19.8, -7.4, 4.2, 7.6, 6.9, 4.5, 2.8, -2.1, 4.3}, {0.810, 0.733, 0.827, 0.657, 0.579, 0.567, 0.621, 0.621, 0.747, 0.929, 0.910, 0.640}, 0.780},
    {{0.2741, 0.1765, -0.1585}, {4.7, -4.3, -16.8, -23.0, -8.5, 5.5, 9.2, 8.9, 4.7, 3.5, -0.8, 5.0}, {0.679, 0.588, 0.658, 0.561, 0.478, 0.454, 0.503, 0.515, 0.604, 0.661, 0.752, 0.504}, 0.730},
    {{0.2524, 0.0370, -0.1302}, {7.0, -4.2, -18.5, -25.7, -9.1, 7.1, 12.7, 12.0, 6.9, 5.2, -3.6, 5.7}, {0.473, 0.373, 0.443, 0.396, 0.356, 0.303, 0.358, 0.427, 0.443, 0.366, 0.619, 0.402}, 0.568},
}};

// Steps chosen for a base when none is pinned: the usual lightness of each.
constexpr std::array<double, tonalSteps.size()> usualLightness = {0.97, 0.93, 0.88, 0.81, 0.71, 0.62,
                                                                  0.55, 0.49, 0.42, 0.38, 0.28};

// 1 for a chroma a designer reads as grey, 0 for a colour, smoothly between 0.05 and 0.12.
double greyness(double chroma)
{
    const double x = std::clamp((0.12 - chroma) / 0.07, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

double aroundHue(const std::array<double, 12>& knots, double hue)
{
    const double position = std::fmod(std::fmod(hue, 360) + 360, 360) / 30;
    const auto below = static_cast<std::size_t>(position) % knots.size();
    const double t = position - std::floor(position);
    return knots[below] * (1 - t) + knots[(below + 1) % knots.size()] * t;
}

Oklch stepFrom500(const StepCurve& curve, const Oklch& at500)
{
    const double grey = greyness(at500.C);
    const double share = (1 - grey) * aroundHue(curve.chromaShare, at500.h) + grey * curve.greyShare;
    return {curve.lightness[0] + curve.lightness[1] * at500.L + curve.lightness[2] * grey,
            std::max(at500.C * share, 0.0), std::fmod(at500.h + aroundHue(curve.hueDrift, at500.h) + 360, 360)};
}

// The step 500 of which `base` would be the step `curve`: the curves run backwards. Hue and the
// greyness depend on the answer, so it is found by a few rounds of substitution; a base far
// from what its step usually looks like gives a 500 held within reason.
Oklch fiveHundredFor(const StepCurve& curve, const Oklch& base)
{
    Oklch at500 = base;
    for (int round = 0; round < 8; ++round) {
        const double grey = greyness(at500.C);
        const double share = (1 - grey) * aroundHue(curve.chromaShare, at500.h) + grey * curve.greyShare;
        at500.C = std::min(share > 0 ? base.C / share : base.C, 0.4);
        at500.h = std::fmod(base.h - aroundHue(curve.hueDrift, at500.h) + 360, 360);
        at500.L = std::clamp((base.L - curve.lightness[0] - curve.lightness[2] * grey) / curve.lightness[1], 0.3, 0.9);
    }
    return at500;
}

std::size_t usualStepFor(double lightness)
{
    const auto nearest = std::min_element(usualLightness.begin(), usualLightness.end(), [&](double a, double b) {
        return std::abs(a - lightness) < std::abs(b - lightness);
    });
    return static_cast<std::size_t>(nearest - usualLightness.begin());
}

// The lightness of the steps on one side of the base, from the base outwards. A base pinned far
// from where its lightness usually sits drives the curves beyond what they were fitted to: the
// side is drawn together where it would pass `limit`, and a step that does not lie between its
// neighbour and the outermost step is put evenly between them.
void keepSideInOrder(std::vector<double*> side, double base, double limit)
{
    if (side.empty() || base <= 0 || base >= 1)
        return;
    const double direction = limit > base ? 1 : -1;
    const auto beyond = [&](double a, double b) { return (a - b) * direction > 0; };
    double& far = *side.back();
    if (beyond(far, limit)) {
        const double scale = (limit - base) / (far - base);
        for (double* lightness : side)
            *lightness = base + (*lightness - base) * scale;
    }
    if (!beyond(far, base))
        far = base + (limit - base) * 0.75;
    double previous = base;
    for (std::size_t n = 0; n + 1 < side.size(); ++n) {
        if (!beyond(*side[n], previous) || !beyond(far, *side[n]))
            *side[n] = previous + (far - previous) / double(side.size() - n);
        previous = *side[n];
    }
}

void keepInOrder(std::array<Oklch, tonalSteps.size()>& shades, std::size_t at, double base)
{
    constexpr double palest = 0.99, deepest = 0.1;
    std::vector<double*> lighter, darker;
    for (std::size_t n = at; n-- > 0;)
        lighter.push_back(&shades[n].L);
    for (std::size_t n = at + 1; n < shades.size(); ++n)
        darker.push_back(&shades[n].L);
    keepSideInOrder(lighter, base, palest);
    keepSideInOrder(darker, base, deepest);
}

// A step as its gamut holds it: in OKLCH, and as sRGB shows it.
struct Shade {
    Oklch held;
    TColor srgb;
};

Shade inSrgb(const Oklch& shade)
{
    const TColor srgb = gamutMapped(shade);
    return {toOklch(srgb), srgb};
}

Shade inDisplayP3(const Oklch& shade)
{
    const Oklch held = oklchFromOklab(oklabFromXyzD65(xyzD65FromRgb(RgbSpace::DisplayP3, gamutMappedInto(RgbSpace::DisplayP3, shade))));
    return {held, gamutMapped(held)}; // the fallback an sRGB screen shows of the P3 colour
}

// A step in its gamut that is lighter (or darker) than its neighbour towards the base. Where a base
// held its 500 within reason, a step can land on the wrong side, and mapping into the gamut may
// move lightness by up to a just noticeable difference: such a step goes a quarter of the way on
// towards white (or black), with less chroma that clipping could pull back, until it is clear of
// the neighbour.
template <typename Map>
Shade clearOf(Oklch shade, double neighbour, bool lighter, Map map)
{
    constexpr double least = 0.004;
    const double end = lighter ? 1 : 0;
    const auto clear = [&](double lightness) { return lighter ? lightness > neighbour + least : lightness < neighbour - least; };
    if (!clear(shade.L))
        shade.L = neighbour + (end - neighbour) / 4;
    Shade held = map(shade);
    for (int round = 0; round < 16 && !clear(held.held.L); ++round) {
        shade.L += (end - shade.L) / 4;
        shade.C *= 0.8;
        held = map(shade);
    }
    return held;
}

// The scale of a base the gamut holds, the base itself at step `at`.
template <typename Map>
std::array<Shade, tonalSteps.size()> shadesOf(const Shade& base, std::optional<std::size_t> pinnedStep, Map map)
{
    const Oklch& lch = base.held;
    const std::size_t at = pinnedStep && *pinnedStep < tonalSteps.size() ? *pinnedStep : usualStepFor(lch.L);
    const Oklch at500 = fiveHundredFor(stepCurves[at], lch);
    std::array<Oklch, tonalSteps.size()> wanted{};
    for (std::size_t n = 0; n < wanted.size(); ++n)
        wanted[n] = stepFrom500(stepCurves[n], at500);
    keepInOrder(wanted, at, lch.L);
    std::array<Shade, tonalSteps.size()> shades{};
    shades[at] = base;
    for (std::size_t n = at; n-- > 0;)
        shades[n] = clearOf(wanted[n], shades[n + 1].held.L, true, map);
    for (std::size_t n = at + 1; n < shades.size(); ++n)
        shades[n] = clearOf(wanted[n], shades[n - 1].held.L, false, map);
    return shades;
}

} // namespace

std::optional<std::size_t> tonalStepIndex(int step)
{
    const auto found = std::find(tonalSteps.begin(), tonalSteps.end(), step);
    if (found == tonalSteps.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - tonalSteps.begin());
}

std::vector<ScaleStep> tonalScale(TColor base, std::optional<std::size_t> pinnedStep)
{
    const TColor rgb = ColorToRGB(base);
    std::vector<ScaleStep> steps;
    const auto shades = shadesOf({toOklch(rgb), rgb}, pinnedStep, inSrgb);
    for (std::size_t n = 0; n < shades.size(); ++n)
        steps.push_back(measuredStep(std::to_string(tonalSteps[n]), shades[n].srgb));
    return steps;
}

std::vector<ScaleStep> displayP3Scale(const Oklch& base, std::optional<std::size_t> pinnedStep)
{
    std::vector<ScaleStep> steps;
    const auto shades = shadesOf(inDisplayP3(base), pinnedStep, inDisplayP3);
    for (std::size_t n = 0; n < shades.size(); ++n) {
        steps.push_back(measuredStep(std::to_string(tonalSteps[n]), shades[n].srgb));
        steps.back().wide = shades[n].held;
    }
    return steps;
}

} // namespace Tintara
