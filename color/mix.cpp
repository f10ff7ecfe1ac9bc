#include "color/mix.h"

namespace Tintara {

TColor MixColors(TColor a, TColor b, int weight)
{
    const int w = weight & 0xFF;
    const auto mix = [w](int x, int y) { return (w * x + (255 - w) * y) / 256; };
    return RGB(mix(redOf(a), redOf(b)), mix(greenOf(a), greenOf(b)), mix(blueOf(a), blueOf(b)));
}

} // namespace Tintara
