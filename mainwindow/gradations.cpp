#include "mainwindow/tform1.h"

#include "controls/tcolorshape.h"
#include "rules/modulerules.h"

#include "ui_tform1.h"
#include "ui_z_abstufungen.h"

namespace Tintara {

void TForm1::connectGradations()
{
    connect(uiAbstufungen->cbAbstufung, &QComboBox::currentIndexChanged, this, &TForm1::Helligkeitsabstufungen);
}

void TForm1::Helligkeitsabstufungen()
{
    std::array<TColor, 16> colors{};
    for (int n = 0; n < 16; ++n)
        colors[n] = m_slots[n]->color();
    const auto shades = schemeGradations(colors, m_used, uiAbstufungen->cbAbstufung->currentIndex());
    const std::vector<TColorShape*>& grid = m_grids.value(QStringLiteral("Abstuf"));
    bool anyShown = false;
    for (int n = 0; n < 288; ++n) {
        if (shades[n])
            grid[n]->setColor(*shades[n]);
        grid[n]->setVisible(shades[n].has_value());
        anyShown = anyShown || shades[n].has_value();
    }
    uiAbstufungen->lbHinweisHelligkeitsverlauf->setVisible(!anyShown);
    uiAbstufungen->Label51->setVisible(!anyShown);
}

// The scheme gradations follow every change of the scheme while their page is in view.
void TForm1::schemeChanged()
{
    if (visiblePage() == ui->Z_Abstufungen)
        Helligkeitsabstufungen();
}

} // namespace Tintara
