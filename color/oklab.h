#pragma once

#include "color/tcolor.h"

namespace Tintara {

// Björn Ottosson's OKLab and its polar form OKLCH, with the matrices CSS Color 4 uses.
struct Oklab {
    double L = 0;
    double a = 0;
    double b = 0;
};

struct Oklch {
    double L = 0;
    double C = 0;
    double h = 0; // degrees, 0 to 360; 0 where there is no chroma
    bool operator==(const Oklch&) const = default;
};

struct LinearRgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

Oklab oklabFromLinear(const LinearRgb& rgb);
LinearRgb linearFromOklab(const Oklab& lab);
Oklch oklchFromOklab(const Oklab& lab);
Oklab oklabFromOklch(const Oklch& lch);

// An sRGB colour in OKLab and in OKLCH; system colours are resolved first.
Oklab toOklab(TColor color);
Oklch toOklch(TColor color);

// Linear light back to an sRGB channel 0..255, clipped.
int encodedChannel(double linear);
// A linear-light colour as the nearest sRGB colour, each channel clipped.
TColor clippedColor(const LinearRgb& rgb);

} // namespace Tintara
