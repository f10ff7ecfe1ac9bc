#pragma once

#include "color/tcolor.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

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

// Two used slots whose colours are hard to tell apart with a deficiency.
struct ConfusablePair {
    int first = 0, second = 0; // slot numbers 1..16, first < second
    double normal = 0;         // CIEDE2000 difference in normal vision
    double seen = 0;           // and as seen with the deficiency
};

// Pairs of used slots whose CIEDE2000 difference as seen with `matrix` falls below `threshold`,
// smallest first. `used[n]` tells whether slot n + 1 holds a colour.
std::vector<ConfusablePair> confusablePairs(std::span<const TColor> colors, std::span<const bool> used,
                                            const Matrix3& matrix, double threshold = 10);

} // namespace Tintara
