#include "mainwindow/tform1.h"

#include "color/notation.h"
#include "controls/tcolorshape.h"

#include "ui_tform1.h"


namespace Tintara {


void TForm1::connectScheme()
{
    for (int n = 1; n <= 16; ++n) {
        m_slots[n - 1] = ui->Panel3->findChild<TColorShape*>(QStringLiteral("Palette%1").arg(n));
    }
    m_dlOpen.options = m_dlSave.options = {QStringLiteral("TintaraStudio Farbschema|*.tsf"), QStringLiteral("tsf"), {}};
}

int TForm1::PalettenCheck(const QObject* control) const
{
    const auto found = std::find(m_slots.begin(), m_slots.end(), control);
    return found == m_slots.end() ? 0 : static_cast<int>(found - m_slots.begin()) + 1;
}

// A used slot can be dragged; an empty one cannot.
void TForm1::setSlot(int slot, TColor color, int used)
{
    m_slots[slot - 1]->setColor(color);
    m_used[slot - 1] = used;
    m_slots[slot - 1]->setDragMode(used == 1 ? TColorShape::DragMode::Automatic : TColorShape::DragMode::Manual);
}

void TForm1::PaletteNeu()
{
    if (m_platform.messages.askYesNo(QStringLiteral("Soll das aktuelle Farbschema durch ein neues ersetzt werden?\n\n"
                                                    "(Dieser Vorgang kann nicht rückgängig gemacht werden)"))) {
        for (int n = 1; n <= 16; ++n)
            setSlot(n, clBtnFace, 0);
        Q_EMIT schemeChanged();
    }
    m_dlSave.options.fileName.clear();
}

void TForm1::setInfoTexts(const std::array<QString, 16>& texts)
{
    for (int n = 0; n < 16; ++n) {
        m_slots[n]->setHint(texts[n]);
        m_slots[n]->setShowHint(!texts[n].isEmpty());
    }
    Q_EMIT schemeChanged();
}

} // namespace Tintara
