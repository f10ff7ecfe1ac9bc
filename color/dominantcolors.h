#pragma once

#include "color/tcolor.h"

#include <vector>

namespace Tintara {

// A colour that covers part of a picture, and how much of it: 0 to 1.
struct DominantColor {
    TColor color = 0;
    double share = 0;
};

// What makes a colour count: the area it covers, or (accents) its chroma as well, so that small
// bright areas of a mostly grey picture are found.
enum class ColorEmphasis { Area, Accents };

// The `count` colours that cover most of `pixels` (sRGB colours, one entry per pixel): k-means in
// OKLab, seeded by k-means++ from a fixed seed so that the same pixels always give the same
// colours, at most 50 rounds or until no centre moves by more than 1e-4. Each cluster's mean as
// sRGB with its share of the area, the largest first; clusters left empty are dropped, and pixels
// of fewer distinct colours than asked give just those. For accents every pixel weighs more the
// more chroma it has (a grey a hundredth of a strong colour), and the colours come in the order
// of that weight.
std::vector<DominantColor> dominantColors(const std::vector<TColor>& pixels, int count,
                                          ColorEmphasis emphasis = ColorEmphasis::Area);

} // namespace Tintara
