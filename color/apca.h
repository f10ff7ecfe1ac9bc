#pragma once

#include "color/tcolor.h"

namespace Tintara {

// How a contrast is judged: by the WCAG 2.x ratio or by APCA's lightness contrast.
enum class ContrastMeasure { Wcag, Apca };

// APCA lightness contrast Lc of text on a background (APCA-W3 0.0.98G-4g), about -108 to 106:
// positive for dark text on a light background, negative the other way round, 0 below the
// threshold where nothing can be read. System colours are resolved first.
double apcaContrast(TColor text, TColor background);

} // namespace Tintara
