#include "pages/swatchgrid.h"

#include "controls/tcolorshape.h"

#include <algorithm>
#include <cstring>

namespace Tintara {

std::vector<TColorShape*> createSwatchGrid(QWidget* page, const char* prefix)
{
    const auto grid = std::find_if(swatchGrids.begin(), swatchGrids.end(),
                                   [prefix](const SwatchGrid& g) { return std::strcmp(g.prefix, prefix) == 0; });
    std::vector<TColorShape*> swatches;
    for (int n = 1; n <= grid->count(); ++n) {
        auto* swatch = new TColorShape(page);
        swatch->setGeometry(grid->cell(n));
        swatch->setObjectName(QLatin1String(prefix) + QString::number(n));
        swatch->setDragMode(TColorShape::DragMode::Automatic);
        swatches.push_back(swatch);
    }
    return swatches;
}

} // namespace Tintara
