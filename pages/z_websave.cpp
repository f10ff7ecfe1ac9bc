#include "pages/z_websave.h"

#include "controls/tcolorshape.h"
#include "pages/swatchgrid.h"
#include "rules/modulerules.h"

#include "ui_z_websave.h"

namespace Tintara {

Z_Websave::Z_Websave(QWidget* parent)
    : ModulePage(parent)
    , ui(std::make_unique<Ui::Z_Websave>())
{
    setUpForm(*ui);
    m_grid = createSwatchGrid(this, "WS");
    WebsavePalette();
}

Z_Websave::~Z_Websave() = default;

void Z_Websave::WebsavePalette()
{
    for (int n = 1; n <= 216; ++n)
        m_grid[n - 1]->setColor(webSafeColor(n));
}

} // namespace Tintara
