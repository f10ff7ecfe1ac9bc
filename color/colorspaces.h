#pragma once

#include "color/oklab.h"

#include <array>
#include <optional>
#include <string_view>

namespace Tintara {

// The colour spaces of CSS Color 4 beside sRGB and OKLab: the RGB spaces of `color()`, CIE XYZ
// with the D65 and D50 whites, and CIE Lab/LCH on D50 as CSS defines it (Bradford adaptation
// between the whites). Components are plain numbers, 0 to 1 inside an RGB gamut, unbounded
// outside it; the conversions keep colours outside every gamut.
enum class RgbSpace { Srgb, SrgbLinear, DisplayP3, A98Rgb, ProPhotoRgb, Rec2020 };

struct Xyz {
    double x = 0, y = 0, z = 0;
};

// CIE L*a*b* on the D50 white: L 0 to 100.
struct Lab50 {
    double L = 0, a = 0, b = 0;
};

// The `color()` keyword of a space ("display-p3"), and the space of a keyword.
std::string_view rgbSpaceName(RgbSpace space);
std::optional<RgbSpace> rgbSpaceNamed(std::string_view name);

// Gamma-encoded components of `space` to XYZ with the D65 white, and back.
Xyz xyzD65FromRgb(RgbSpace space, const std::array<double, 3>& components);
std::array<double, 3> rgbFromXyzD65(RgbSpace space, const Xyz& xyz);

Xyz xyzD50FromD65(const Xyz& xyz);
Xyz xyzD65FromD50(const Xyz& xyz);

// CIE Lab with the D50 white, as CSS's lab() and lch().
Lab50 labFromXyzD50(const Xyz& xyz);
Xyz xyzD50FromLab(const Lab50& lab);

Oklab oklabFromXyzD65(const Xyz& xyz);
Xyz xyzD65FromOklab(const Oklab& lab);

// Whether gamma-encoded components lie inside their gamut, 0 to 1 give or take 0.000075: less than
// a hundredth of an 8-bit step, so that a colour written with four figures (the D50 white as
// 96.42 % 100 % 82.51 %) still counts as inside.
bool inRgbGamut(const std::array<double, 3>& components);

// CSS Color 4's gamut mapping into `space`: as `gamutMappedLinear` for sRGB, chroma lowered in
// OKLCH until clipping moves the colour less than a just noticeable difference. The encoded
// components, each 0 to 1.
std::array<double, 3> gamutMappedInto(RgbSpace space, const Oklch& color);

} // namespace Tintara
