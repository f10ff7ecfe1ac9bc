#include "rules/finderring.h"

namespace Tintara {

namespace {

// Channel arrangements of the Mixer rule, as indexes into (R, G, B) of the active colour.
constexpr int mixerChannels[12][3] = {
    {0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0},
    {0, 1, 1}, {0, 2, 2}, {1, 0, 0}, {1, 2, 2}, {2, 0, 0}, {2, 1, 1},
};

} // namespace

FinderRing finderRing(TColor active, TColor centre, Hsv base, int mode, int randomHue)
{
    const int channels[3] = {redOf(active), greenOf(active), blueOf(active)};
    int h = base.h;
    int d = 0;
    int s = base.s;
    int v = base.v;
    switch (mode) {
    case FinderStandard: d = 30; break;
    case FinderFarbton: h = -29; d = 30; break;
    case FinderAehnlich: h = base.h - 70; d = 10; break;
    case FinderHelligkeit: v = 15; break;
    case FinderSaettigung: s = 255; break;
    case FinderKreativ: h = randomHue; d = 15; break;
    case FinderMonochrom: d = 30; break;
    default: break;
    }

    FinderRing ring;
    ring.centreHsv = RGBnachHSV(centre);
    const int hc = ring.centreHsv.h;
    if (mode == FinderMonochrom)
        centre = GreyColor(active);

    for (int k = 1; k <= 12; ++k) {
        h += d;
        if (mode == FinderSaettigung) {
            s -= 20;
            h = hc;
        } else if (mode == FinderHelligkeit) {
            v += 20;
            h = hc;
        }
        if (h > 360)
            h -= 360;
        if (h < 0)
            h += 360;
        // A proposal too close to the centre's own hue is nudged away; the run goes on unshifted.
        const int hue = (hc - 10 < h && h < hc + 10) ? h + 5 : h;

        TColor x;
        if (mode == FinderMixer) {
            const int* c = mixerChannels[k - 1];
            x = RGB(channels[c[0]], channels[c[1]], channels[c[2]]);
        } else {
            x = HSVnachRGB(hue, s & 0xFF, v & 0xFF);
        }
        if (mode == FinderMonochrom)
            x = GreyColor(x);
        ring.proposals[k - 1] = x;
        ring.proposals[k + 11] = ShadeColor(x, -30);
        ring.proposals[k + 23] = ShadeColor(x, 30);
    }
    ring.centre = centre;
    ring.darker = ShadeColor(centre, -30);
    ring.lighter = ShadeColor(centre, 30);
    ring.inverse = InvertColor(centre);
    ring.font = BestFontColor(centre);
    return ring;
}

} // namespace Tintara
