#pragma once

#include "rules/navigationrules.h"

#include <vector>

class QWidget;

namespace Tintara {

class TColorShape;

// Creates the grid named `prefix` on `page`: swatch n at its cell, named prefix + n, dragging
// automatically. The swatches belong to the page.
std::vector<TColorShape*> createSwatchGrid(QWidget* page, const char* prefix);

} // namespace Tintara
