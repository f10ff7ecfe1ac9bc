#pragma once

#include "color/dominantcolors.h"

#include <cmath>
#include <vector>

// What any picture's colours must be: at most those asked for, largest first, their shares adding
// up to the whole.
inline void checkColourShares(const std::vector<Tintara::DominantColor>& colours, int count)
{
    double total = 0;
    for (std::size_t n = 0; n < colours.size(); ++n) {
        total += colours[n].share;
        if (n > 0 && colours[n].share > colours[n - 1].share)
            __builtin_trap();
    }
    if (static_cast<int>(colours.size()) > count || (!colours.empty() && std::abs(total - 1) > 1e-9))
        __builtin_trap();
}
