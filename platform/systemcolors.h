#pragma once

#include "platform/colorconversion.h"

class QWidget;

namespace Tintara {

// The font colour of a label or check box.
void setTextColor(QWidget* widget, TColor color);

// The background of hint windows (tooltips), application-wide.
TColor applicationHintColor();
void setApplicationHintColor(TColor color);

} // namespace Tintara
