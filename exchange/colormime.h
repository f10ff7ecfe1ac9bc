#pragma once

#include "color/tcolor.h"

#include <optional>

class QMimeData;

namespace Tintara {

// A colour as other programs take it from a drag: application/x-color and the text "#RRGGBB".
QMimeData* colorMimeData(TColor color);
// The colour a drag from another program carries, as application/x-color or as colour text.
std::optional<TColor> colorFromMimeData(const QMimeData& data);

} // namespace Tintara
