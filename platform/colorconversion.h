#pragma once

#include "color/tcolor.h"

#include <QColor>

namespace Tintara {

// Resolves system colours from the application palette from now on.
void installPaletteColorResolver();

QColor toQColor(TColor color);
TColor fromQColor(const QColor& color);

} // namespace Tintara
