#pragma once

#include "color/hsv.h"

#include <array>

namespace Tintara {

// The colour finder's rules, in the order of its mode list.
enum FinderMode : int {
    FinderStandard,
    FinderFarbton,
    FinderAehnlich,
    FinderMixer,
    FinderHelligkeit,
    FinderSaettigung,
    FinderKreativ,
    FinderMonochrom,
};

struct FinderRing {
    // Proposal k (1..12) at k-1, its darker variant at k+11, its lighter one at k+23.
    std::array<TColor, 36> proposals{};
    TColor centre = 0; // Monochrom shows the centre in grey
    TColor darker = 0;
    TColor lighter = 0;
    TColor inverse = 0;
    TColor font = 0;
    Hsv centreHsv;     // the HSV of the centre as given, which becomes the current triple
};

// `active` is the active colour, `centre` the finder's centre (the active colour shaded by the
// brightness slider), `base` the current HSV triple, `randomHue` the start hue of "Kreativ".
FinderRing finderRing(TColor active, TColor centre, Hsv base, int mode, int randomHue);

} // namespace Tintara
