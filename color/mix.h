#pragma once

#include "color/tcolor.h"

namespace Tintara {

// (w * a + (255 - w) * b) / 256 per channel, rounded down; only the low byte of `weight` counts.
TColor MixColors(TColor a, TColor b, int weight);

// How a gradient and the mixer blend two colours: channel by channel, or perceptually in OKLab.
enum class MixSpace { Rgb, Oklab };

// The same weights (w / 255 of `a`) taken in OKLab, where a mix keeps its colourfulness: blue and
// yellow meet in a green-tinted light colour, not in grey.
TColor mixInOklab(TColor a, TColor b, int weight);
TColor mixIn(MixSpace space, TColor a, TColor b, int weight);

} // namespace Tintara
