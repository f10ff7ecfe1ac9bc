#include "mainwindow/tform1.h"

#include "controls/tcolorshape.h"
#include "mainwindow/contextmenu.h"
#include "mainwindow/traymode.h"
#include "pages/z_optionen.h"

#include "ui_tform1.h"

namespace Tintara {

void TForm1::connectContextMenu()
{
    const auto copyFormat = [this] { return m_optionen->copyFormat(); };
    m_menu = new ContextMenu(*this, ui->edHTML, m_platform, copyFormat, [this](const TColorShape* swatch) {
        const int slot = PalettenCheck(swatch);
        return slot > 0 && m_used[slot - 1] != 1;
    });
    connect(m_menu, &ContextMenu::backgroundChosen, this, &TForm1::setUserBackground);
    connect(m_menu, &ContextMenu::backgroundReset, this, [this] {
        m_customBackground = 0;
        HintergrundWechsel(standardBackground());
    });
    connect(m_menu, &ContextMenu::helpRequested, this, [this] { Toolbar(ui->ToolButton35); });
    connect(m_menu, &ContextMenu::colorInserted, this, &TForm1::insertColor);
    m_tray = new TrayMode(*this, *this, copyFormat);
}

// "Farbwert einfügen" counts like a drop: an empty slot is filled, the active colour is taken.
void TForm1::insertColor(TColorShape* swatch, TColor color)
{
    if (const int slot = PalettenCheck(swatch))
        setSlot(slot, color, 1);
    if (swatch == ui->Farbanzeige)
        setActiveColor(color);
    else
        moduleFollowUps(swatch);
}

} // namespace Tintara
