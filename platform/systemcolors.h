#pragma once

#include "platform/colorconversion.h"

class QWidget;

namespace Tintara {

// The font colour of a label or check box.
void setTextColor(QWidget* widget, TColor color);

// Whether the window's chrome is dark. An accent colour of a caption of the chrome is then made
// light enough to read on it (4.5:1), in its own hue.
void setDarkChrome(bool dark);
bool darkChrome();
void setChromeTextColor(QWidget* widget, TColor color);

// The background of hint windows (tooltips), application-wide.
TColor applicationHintColor();
void setApplicationHintColor(TColor color);

} // namespace Tintara
