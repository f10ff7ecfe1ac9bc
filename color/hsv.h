#pragma once

#include "color/tcolor.h"

#include <string>

namespace Tintara {

// Hue 0..360 (360 and 0 are the same hue), saturation and value 0..255.
struct Hsv {
    int h = 0;
    int s = 0;
    int v = 0;
    friend bool operator==(const Hsv&, const Hsv&) = default;
};

// The platform's multiply-divide: a * b / c rounded to nearest, halves away from zero.
int MulDiv(int a, int b, int c);

Hsv RGBnachHSV(TColor color);
TColor HSVnachRGB(int hue, int saturation, int value);
// "C;M;Y;K" on the 0..255 scale.
std::string RGBnachCMYK(int red, int green, int blue);

} // namespace Tintara
