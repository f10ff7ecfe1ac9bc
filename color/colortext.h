#pragma once

#include "color/tcolor.h"

#include <optional>
#include <string_view>

namespace Tintara {

// A colour written in any notation the program copies, or in a style sheet's functions:
// #rgb, #rrggbb, rrggbb, "r,g,b", "r;g;b", $00bbggrr, clRed, 0xbbggrr, &Hbbggrr, rgb(), rgba(), hsl(),
// hsla() and oklch(), in either case, with blanks around. An alpha part is ignored; colours
// outside sRGB are clipped. None where the text is no colour.
std::optional<TColor> colorFromText(std::string_view text);

} // namespace Tintara
