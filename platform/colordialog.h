#pragma once

#include "color/tcolor.h"

#include <optional>

namespace Tintara {

class ColorDialog
{
public:
    virtual ~ColorDialog() = default;
    // Opens with `initial` preselected; nothing when the user cancels.
    virtual std::optional<TColor> execute(TColor initial) = 0;
};

} // namespace Tintara
