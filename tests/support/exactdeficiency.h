#pragma once

#include "color/cvd.h"

#include <algorithm>
#include <cmath>

namespace Tintara::Testing {

// How a colour is seen with a deficiency, computed afresh in double precision (sRGB to linear,
// the matrix, back and rounded): what the table-driven simulation must give exactly.
inline TColor exactlySeen(TColor c, const Matrix3& m)
{
    const auto linear = [](int v) {
        const double x = v / 255.0;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    const auto encoded = [](double l) {
        l = std::clamp(l, 0.0, 1.0);
        return static_cast<int>(std::lround(255 * (l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1 / 2.4) - 0.055)));
    };
    const double r = linear(redOf(c)), g = linear(greenOf(c)), b = linear(blueOf(c));
    return RGB(encoded(m[0] * r + m[1] * g + m[2] * b), encoded(m[3] * r + m[4] * g + m[5] * b),
               encoded(m[6] * r + m[7] * g + m[8] * b));
}

} // namespace Tintara::Testing
