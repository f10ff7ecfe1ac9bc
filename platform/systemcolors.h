#pragma once

#include "color/tcolor.h"

#include <QColor>

class QWidget;

namespace Tintara {

// Resolves system colours from the application palette from now on.
void installPaletteColorResolver();

QColor toQColor(TColor color);
TColor fromQColor(const QColor& color);

// The font colour of a label or check box.
void setTextColor(QWidget* widget, TColor color);

// The background of hint windows (tooltips), application-wide.
TColor applicationHintColor();
void setApplicationHintColor(TColor color);

} // namespace Tintara
