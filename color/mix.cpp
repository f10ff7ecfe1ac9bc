#include "color/mix.h"

#include "color/oklab.h"

namespace Tintara {

TColor MixColors(TColor a, TColor b, int weight)
{
    const int w = weight & 0xFF;
    const auto mix = [w](int x, int y) { return (w * x + (255 - w) * y) / 256; };
    return RGB(mix(redOf(a), redOf(b)), mix(greenOf(a), greenOf(b)), mix(blueOf(a), blueOf(b)));
}

TColor mixInOklab(TColor a, TColor b, int weight)
{
    const double t = (weight & 0xFF) / 255.0;
    const Oklab from = toOklab(b), to = toOklab(a);
    return clippedColor(linearFromOklab(
        {from.L + t * (to.L - from.L), from.a + t * (to.a - from.a), from.b + t * (to.b - from.b)}));
}

TColor mixIn(MixSpace space, TColor a, TColor b, int weight)
{
    return space == MixSpace::Oklab ? mixInOklab(a, b, weight) : MixColors(a, b, weight);
}

} // namespace Tintara
