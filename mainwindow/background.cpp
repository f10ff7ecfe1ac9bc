#include "mainwindow/tform1.h"

#include "rules/navigationrules.h"
#include "pages/modulepage.h"
#include "platform/systemcolors.h"

#include "ui_tform1.h"

namespace Tintara {

void TForm1::setUserBackground(TColor color)
{
    m_customBackground = 1;
    m_storedBackground = color;
    if (isBackgroundPage(visiblePage()->objectName()))
        HintergrundWechsel(color);
}

void TForm1::HintergrundWechsel(TColor color)
{
    if (m_moduleBackground == color)
        return;
    m_moduleBackground = color;
    QPalette panelPalette = ui->Panel5->palette();
    panelPalette.setColor(QPalette::Window, toQColor(color));
    ui->Panel5->setPalette(panelPalette);

    TColor textColor = clWindowText;
    if (color != standardBackground()) {
        m_storedBackground = color;
        textColor = BestFontColor(color);
    }
    // Captions that sit directly on the background stay readable on it.
    for (const ModulePage* page : ui->PageControl1->findChildren<ModulePage*>(Qt::FindDirectChildrenOnly)) {
        for (QWidget* caption : page->backgroundCaptions())
            setTextColor(caption, textColor);
    }
}

QWidget* TForm1::visiblePage() const
{
    return ui->PageControl1->currentWidget();
}

} // namespace Tintara
