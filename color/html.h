#pragma once

#include "color/tcolor.h"

#include <string_view>

namespace Tintara {

// "#RRGGBB" or "RRGGBB" (either case) to a colour. A text of another length, or with a second
// "#", gives `fallback`; a text of the right length with a non-hex digit gives black.
TColor HTMLToColor(std::string_view text, TColor fallback);

} // namespace Tintara
