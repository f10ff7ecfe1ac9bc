#pragma once

#include "color/tcolor.h"

#include <optional>
#include <string_view>

namespace Tintara {

// The colour a CSS named colour ("rebeccapurple", "cornflowerblue") stands for; `name` in lower
// case. "transparent" names no colour and gives none.
std::optional<TColor> cssNamedColor(std::string_view name);

} // namespace Tintara
