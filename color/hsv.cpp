#include "color/hsv.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Tintara {

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude = (std::llabs(product) + half) / std::llabs(c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

Hsv RGBnachHSV(TColor color)
{
    const int r = redOf(color), g = greenOf(color), b = blueOf(color);
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    Hsv hsv;
    hsv.v = max;
    hsv.s = max == 0 ? 0 : MulDiv(max - min, 255, max);
    if (hsv.s == 0)
        return hsv;

    // Single-precision stores of extended-precision expressions: the hue of a colour must
    // come out exactly as it always has, down to the rounding of 0.5 degrees.
    const long double delta = max - min;
    const float rc = static_cast<float>((max - r) / delta);
    const float gc = static_cast<float>((max - g) / delta);
    const float bc = static_cast<float>((max - b) / delta);
    float h;
    if (r == max)
        h = static_cast<float>(static_cast<long double>(bc) - gc);
    else if (g == max)
        h = static_cast<float>(2.0L + rc - bc);
    else
        h = static_cast<float>(4.0L + gc - rc);
    h = static_cast<float>(h * 60.0L);
    if (h < 0)
        h = static_cast<float>(h + 360.0L);
    hsv.h = static_cast<int>(std::lrint(h));
    return hsv;
}

TColor HSVnachRGB(int hue, int saturation, int value)
{
    const int s = saturation & 0xFF;
    const int v = value & 0xFF;
    if (s == 0)
        return RGB(v, v, v);
    const int h = ((hue % 360) + 360) % 360;
    const int d = (6 * h) % 360;
    const int sector = (6 * h) / 360;
    const auto round = [](long double x) { return static_cast<int>(std::lrint(x)); };
    const int p = round(static_cast<long double>((255 - s) * v) / 255);
    const int q = round((255 - static_cast<long double>(s * d) / 360) * v / 255);
    const int t = round((255 - static_cast<long double>(s * (360 - d)) / 360) * v / 255);
    switch (sector) {
    case 0: return RGB(v, t, p);
    case 1: return RGB(q, v, p);
    case 2: return RGB(p, v, t);
    case 3: return RGB(p, q, v);
    case 4: return RGB(t, p, v);
    default: return RGB(v, p, q);
    }
}

std::string RGBnachCMYK(int red, int green, int blue)
{
    int c = 255 - red, m = 255 - green, y = 255 - blue;
    const int k = std::min({c, m, y});
    if (k > 0) {
        c -= k;
        m -= k;
        y -= k;
    }
    return std::to_string(c) + ';' + std::to_string(m) + ';' + std::to_string(y) + ';'
        + std::to_string(k);
}

} // namespace Tintara
