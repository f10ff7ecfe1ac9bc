#include "color/colorscale.h"

#include "color/decimal.h"
#include "color/gamutmap.h"
#include "color/wcag.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Tintara {

namespace {

double contrastOf(TColor color, TColor background, ContrastMeasure measure)
{
    return measure == ContrastMeasure::Wcag ? contrastRatio(color, background)
                                            : std::abs(apcaContrast(color, background));
}

bool withinBand(double contrast, double target, ContrastMeasure measure)
{
    const double ceiling = measure == ContrastMeasure::Wcag ? target * 1.02 : target + 1;
    return contrast >= target && contrast < ceiling;
}

// One step of a channel near the top of the ratio scale moves it by more than the band; the
// 8-bit colours around the one found are tried for one inside it, in growing cubes, the nearest
// in OKLab first.
std::optional<TColor> settleInBand(TColor found, TColor background, double target, ContrastMeasure measure)
{
    if (withinBand(contrastOf(found, background, measure), target, measure))
        return found;
    const Oklab ideal = toOklab(found);
    for (int reach = 1; reach <= 4; ++reach) {
        std::optional<TColor> best;
        double bestDistance = 0;
        for (int dr = -reach; dr <= reach; ++dr) {
            for (int dg = -reach; dg <= reach; ++dg) {
                for (int db = -reach; db <= reach; ++db) {
                    const int r = redOf(found) + dr, g = greenOf(found) + dg, b = blueOf(found) + db;
                    if (r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255)
                        continue;
                    const TColor candidate = RGB(r, g, b);
                    if (!withinBand(contrastOf(candidate, background, measure), target, measure))
                        continue;
                    const Oklab lab = toOklab(candidate);
                    const double distance = std::hypot(lab.L - ideal.L, lab.a - ideal.a, lab.b - ideal.b);
                    if (!best || distance < bestDistance) {
                        best = candidate;
                        bestDistance = distance;
                    }
                }
            }
        }
        if (best)
            return best;
    }
    return found; // a band no colour nearby falls into: the nearest that reaches the target
}

std::string targetName(double target)
{
    std::string text = decimalText(target, 2);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace

ScaleStep measuredStep(std::string name, std::optional<TColor> color)
{
    ScaleStep step{std::move(name), color};
    if (color) {
        step.ratioOnWhite = contrastRatio(*color, clWhite);
        step.ratioOnBlack = contrastRatio(*color, clBlack);
        step.lcOnWhite = apcaContrast(*color, clWhite);
        step.lcOnBlack = apcaContrast(*color, clBlack);
    }
    return step;
}

double maximumChroma(double lightness, double hue)
{
    double low = 0, high = 0.5;
    for (int n = 0; n < 24; ++n) {
        const double middle = (low + high) / 2;
        (inSrgbGamut(linearFromOklab(oklabFromOklch({lightness, middle, hue}))) ? low : high) = middle;
    }
    return low;
}

std::vector<ScaleStep> contrastShades(TColor base, TColor background, const std::vector<double>& targets,
                                      ContrastMeasure measure)
{
    const Oklch lch = toOklch(base);
    const auto shadeAt = [&](double lightness) { return gamutMapped({lightness, lch.C, lch.h}); };
    // Away from the background: darker on a light one, lighter on a dark one, starting where the
    // shade is as bright as the background (at the same OKLab lightness another hue may not be).
    const double far = toOklch(background).L >= 0.5 ? 0.0 : 1.0;
    const double backgroundLuminance = relativeLuminance(background);
    double darker = 0, lighter = 1;
    for (int n = 0; n < 16; ++n) {
        const double middle = (darker + lighter) / 2;
        (relativeLuminance(shadeAt(middle)) < backgroundLuminance ? darker : lighter) = middle;
    }
    const double backgroundLightness = far == 0.0 ? lighter : darker;
    std::vector<ScaleStep> steps;
    for (const double target : targets) {
        std::optional<TColor> color;
        const bool visible = measure == ContrastMeasure::Wcag || target >= leastApcaTarget;
        if (visible && contrastOf(shadeAt(far), background, measure) >= target) {
            // The lightness nearest the background whose colour reaches the target.
            double near = backgroundLightness, reached = far;
            for (int n = 0; n < 16; ++n) { // finer than one 8-bit step
                const double middle = (near + reached) / 2;
                (contrastOf(shadeAt(middle), background, measure) >= target ? reached : near) = middle;
            }
            color = settleInBand(shadeAt(reached), background, target, measure);
        }
        ScaleStep step = measuredStep(targetName(target), color);
        step.measure = measure;
        const auto same = std::find_if(steps.begin(), steps.end(), [&](const ScaleStep& s) { return color && s.color == color; });
        if (same != steps.end())
            step.sameAs = same->name;
        steps.push_back(std::move(step));
    }
    return steps;
}

} // namespace Tintara
