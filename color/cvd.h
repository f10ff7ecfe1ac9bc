#pragma once

#include "color/tcolor.h"

#include <array>
#include <cstdint>
#include <span>

namespace Tintara {

enum class Deficiency { Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

// Row-major 3 x 3 matrix on linear RGB.
using Matrix3 = std::array<double, 9>;

// Machado, Oliveira and Fernandes (2009) for severity 0..1: the published matrix at each tenth,
// linear between neighbouring tenths. Achromatopsia maps every colour to its luminance grey.
Matrix3 deficiencyMatrix(Deficiency deficiency, double severity);

// The colour as seen with the deficiency, computed in linear light.
TColor simulateDeficiency(TColor color, const Matrix3& matrix);

// The same for a picture of 0xAARRGGBB pixels (QImage::Format_RGB32 / ARGB32), in place;
// alpha is kept.
void simulateDeficiency(std::span<std::uint32_t> pixels, const Matrix3& matrix);

} // namespace Tintara
