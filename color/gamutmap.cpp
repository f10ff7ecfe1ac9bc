#include "color/gamutmap.h"

#include <algorithm>
#include <cmath>

namespace Tintara {

namespace {

constexpr double justNoticeable = 0.02;
constexpr double epsilon = 0.0001;
constexpr double edgeTolerance = 1e-9;

LinearRgb clipped(const LinearRgb& c)
{
    return {std::clamp(c.r, 0.0, 1.0), std::clamp(c.g, 0.0, 1.0), std::clamp(c.b, 0.0, 1.0)};
}

double deltaEok(const Oklab& a, const Oklab& b)
{
    return std::sqrt((a.L - b.L) * (a.L - b.L) + (a.a - b.a) * (a.a - b.a) + (a.b - b.b) * (a.b - b.b));
}

} // namespace

bool inSrgbGamut(const LinearRgb& c)
{
    const auto inside = [](double v) { return v >= -edgeTolerance && v <= 1 + edgeTolerance; };
    return inside(c.r) && inside(c.g) && inside(c.b);
}

namespace {

// The mapping into any RGB gamut, given the way from OKLab to its linear light and back.
template <typename ToLinear, typename FromLinear>
LinearRgb mappedInto(const Oklch& origin, ToLinear toLinear, FromLinear fromLinear)
{
    // How far clipping moves a colour, in OKLab.
    const auto clipDistance = [&](const Oklab& lab, const LinearRgb& clippedRgb) {
        return deltaEok(fromLinear(clippedRgb), lab);
    };
    if (!std::isfinite(origin.L) || !std::isfinite(origin.C) || !std::isfinite(origin.h))
        return {0, 0, 0}; // no colour at all; the bisection would never end on an infinite chroma
    if (origin.L >= 1)
        return {1, 1, 1};
    if (origin.L <= 0)
        return {0, 0, 0};
    Oklch current = origin;
    const LinearRgb exact = toLinear(oklabFromOklch(current));
    if (inSrgbGamut(exact))
        return clipped(exact);
    LinearRgb result = clipped(exact);
    if (clipDistance(oklabFromOklch(current), result) < justNoticeable)
        return result;

    double low = 0;
    double high = origin.C;
    bool lowInGamut = true;
    while (high - low > epsilon) {
        current.C = (low + high) / 2;
        const Oklab lab = oklabFromOklch(current);
        const LinearRgb rgb = toLinear(lab);
        if (lowInGamut && inSrgbGamut(rgb)) {
            low = current.C;
            continue;
        }
        result = clipped(rgb);
        const double distance = clipDistance(lab, result);
        if (distance < justNoticeable) {
            if (justNoticeable - distance < epsilon)
                return result;
            lowInGamut = false;
            low = current.C;
        } else {
            high = current.C;
        }
    }
    return result;
}

} // namespace

LinearRgb gamutMappedLinear(const Oklch& origin)
{
    return mappedInto(origin, [](const Oklab& lab) { return linearFromOklab(lab); },
                      [](const LinearRgb& rgb) { return oklabFromLinear(rgb); });
}

LinearRgb gamutMappedLinear(const Oklch& origin, const std::function<LinearRgb(const Oklab&)>& toLinear,
                            const std::function<Oklab(const LinearRgb&)>& fromLinear)
{
    return mappedInto(origin, toLinear, fromLinear);
}

TColor gamutMapped(const Oklch& color)
{
    return clippedColor(gamutMappedLinear(color));
}

} // namespace Tintara
