#pragma once

#include "color/colorspaces.h"
#include "color/tcolor.h"

#include <optional>
#include <string_view>

namespace Tintara {

// A colour written in any notation the program copies, or as CSS Color 4 writes it:
// #rgb, #rgba, #rrggbb, #rrggbbaa, rrggbb, "r,g,b", "r;g;b", CMYK "c;m;y;k", $00bbggrr, clRed,
// 0xbbggrr, &Hbbggrr, rgb(), rgba(), hsl(), hsla(), oklch() (with "none" and the angle units deg,
// grad, rad and turn) and the CSS named colours, in either case, with blanks around. An alpha part
// is ignored; an oklch() outside sRGB is gamut-mapped as CSS shows it, other colours outside are
// clipped. None where the text is no colour.
std::optional<TColor> colorFromText(std::string_view text);

// The colour a text names before it is mapped into sRGB, as CIE XYZ D65: for lab(), lch(),
// oklab(), oklch() and color() the colour as written, which may lie outside sRGB; for any other
// notation its sRGB colour. None where the text is no colour.
std::optional<Xyz> colorXyzFromText(std::string_view text);

// The opacity 0..1 that a colour text gives beside its colour (#rgba, #rrggbbaa, "/ a" or the fourth
// part of rgba() and hsla()); none where it gives none or is no colour. The program keeps opaque
// colours only, so a value below 1 is what it leaves out.
std::optional<double> opacityOf(std::string_view text);

// "transparent" is a CSS colour keyword, but it names no colour to take.
bool namesTransparency(std::string_view text);

} // namespace Tintara
