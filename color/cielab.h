#pragma once

#include "color/tcolor.h"

namespace Tintara {

// A colour in CIE L*a*b* (D65 white).
struct Lab {
    double L = 0;
    double a = 0;
    double b = 0;
};

// sRGB (D65) through CIE XYZ to L*a*b*; system colours are resolved first.
Lab toLab(TColor color);
Lab linearRgbToLab(double red, double green, double blue);

// The CIEDE2000 colour difference with kL = kC = kH = 1.
double ciede2000(const Lab& first, const Lab& second);

} // namespace Tintara
