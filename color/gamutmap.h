#pragma once

#include "color/oklab.h"

#include <functional>

namespace Tintara {

// Whether a linear-light colour lies inside sRGB; a hair beyond an edge still counts as inside,
// so that rounding noise of the conversions does not push a colour out.
bool inSrgbGamut(const LinearRgb& rgb);

// The colour CSS Color 4 shows for an OKLCH colour outside sRGB: chroma is lowered at constant
// lightness and hue by bisection until clipping changes the colour by less than one just
// noticeable difference (0.02 in OKLab), then the colour is clipped. Lightness 1 and above is
// white, 0 and below black; a value that is no finite number gives black.
LinearRgb gamutMappedLinear(const Oklch& color);
// The same into another RGB gamut, whose linear light `toLinear` gives for an OKLab colour and
// `fromLinear` takes back.
LinearRgb gamutMappedLinear(const Oklch& color, const std::function<LinearRgb(const Oklab&)>& toLinear,
                            const std::function<Oklab(const LinearRgb&)>& fromLinear);
TColor gamutMapped(const Oklch& color);

} // namespace Tintara
