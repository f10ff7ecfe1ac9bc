#include "color/oklab.h"

#include "color/wcag.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Tintara {

Oklab oklabFromLinear(const LinearRgb& c)
{
    const double l = std::cbrt(0.4122214708 * c.r + 0.5363325363 * c.g + 0.0514459929 * c.b);
    const double m = std::cbrt(0.2119034982 * c.r + 0.6806995451 * c.g + 0.1073969566 * c.b);
    const double s = std::cbrt(0.0883024619 * c.r + 0.2817188376 * c.g + 0.6299787005 * c.b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

LinearRgb linearFromOklab(const Oklab& lab)
{
    const double l = std::pow(lab.L + 0.3963377774 * lab.a + 0.2158037573 * lab.b, 3);
    const double m = std::pow(lab.L - 0.1055613458 * lab.a - 0.0638541728 * lab.b, 3);
    const double s = std::pow(lab.L - 0.0894841775 * lab.a - 1.2914855480 * lab.b, 3);
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

Oklch oklchFromOklab(const Oklab& lab)
{
    const double chroma = std::hypot(lab.a, lab.b);
    // A grey has no hue; its rounding noise would show as one.
    if (chroma < 1e-6)
        return {lab.L, 0, 0};
    return {lab.L, chroma, std::fmod(std::atan2(lab.b, lab.a) * 180 / std::numbers::pi + 360, 360)};
}

Oklab oklabFromOklch(const Oklch& lch)
{
    const double radians = lch.h * std::numbers::pi / 180;
    return {lch.L, lch.C * std::cos(radians), lch.C * std::sin(radians)};
}

Oklab toOklab(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return oklabFromLinear({linearChannel(redOf(rgb)), linearChannel(greenOf(rgb)), linearChannel(blueOf(rgb))});
}

Oklch toOklch(TColor color)
{
    return oklchFromOklab(toOklab(color));
}

int encodedChannel(double linear)
{
    linear = std::isnan(linear) ? 0.0 : std::clamp(linear, 0.0, 1.0); // a NaN from huge inputs is no light
    const double encoded = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(std::clamp(encoded * 255, 0.0, 255.0)));
}

TColor clippedColor(const LinearRgb& rgb)
{
    return RGB(encodedChannel(rgb.r), encodedChannel(rgb.g), encodedChannel(rgb.b));
}

} // namespace Tintara
