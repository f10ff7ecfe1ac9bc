#pragma once

#include "color/colorspaces.h"
#include "color/tcolor.h"

#include <optional>
#include <string_view>
#include <vector>

namespace Tintara {

// The colour functions of CSS Color 4 beside rgb(), hsl() and oklch(), each read from its three
// parts (as `functionArguments` splits them; "none" reads as zero). The colour as CIE XYZ D65,
// which may lie outside every gamut. Percentages as CSS scales them: lab's L 100 % = 100 and
// a, b 100 % = 125; lch's C 100 % = 150; oklab's L 100 % = 1 and a, b 100 % = 0.4.
std::optional<Xyz> cssLab(const std::vector<std::string_view>& parts);
std::optional<Xyz> cssLch(const std::vector<std::string_view>& parts);
std::optional<Xyz> cssOklab(const std::vector<std::string_view>& parts);
// hwb(): hue, whiteness and blackness (percentages or numbers 0 to 100); a whiteness and
// blackness that add up to 100 % or more give the grey of their ratio. Encoded sRGB.
std::optional<std::array<double, 3>> cssHwb(const std::vector<std::string_view>& parts);

// color(space c1 c2 c3 [/ alpha]) with the RGB spaces of `rgbSpaceNamed` and xyz, xyz-d50,
// xyz-d65; components numbers or percentages (100 % = 1). The space and its components.
struct ColorFunction {
    std::optional<RgbSpace> rgb; // none for the XYZ spaces
    bool d50 = false;            // xyz-d50
    std::array<double, 3> components{};
};
std::optional<ColorFunction> cssColorFunction(std::string_view text);
Xyz xyzOf(const ColorFunction& color);

// What a browser on an sRGB screen shows: the colour itself where it lies inside sRGB, else its
// CSS gamut mapping.
TColor shownInSrgb(const Xyz& xyz);
TColor shownInSrgb(const std::array<double, 3>& encodedSrgb);

} // namespace Tintara
