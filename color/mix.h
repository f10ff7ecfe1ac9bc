#pragma once

#include "color/tcolor.h"

namespace Tintara {

// (w * a + (255 - w) * b) / 256 per channel, rounded down; only the low byte of `weight` counts.
TColor MixColors(TColor a, TColor b, int weight);

} // namespace Tintara
