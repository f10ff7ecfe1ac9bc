#include "mainwindow/tform1.h"

#include "mainwindow/schemeswatches.h"
#include "color/notation.h"
#include "pages/z_optionen.h"
#include "pages/z_palette.h"
#include "controls/tcolorshape.h"
#include "mainwindow/contextmenu.h"
#include "mainwindow/schemehistory.h"
#include "mainwindow/wideswatches.h"

#include "mainwindow/commandtable.h"

#include "ui_tform1.h"

namespace Tintara {

void TForm1::DragDrop(TColorShape* target, TColorShape* source)
{
    const int sourceSlot = m_scheme->PalettenCheck(source);
    dropColor(target, m_wide->colorOf(source), sourceSlot > 0 && m_scheme->usedFlag(sourceSlot) == 0 ? 0 : 1,
              sourceSlot);
}

// `used` is the flag a scheme slot takes: a colour from an empty slot leaves it empty.
void TForm1::dropColor(TColorShape* target, const WideColor& color, int used, int fromSlot)
{
    if (const int slot = m_scheme->PalettenCheck(target)) {
        m_history->record([slot] { return tr("Farbe in Feld %1").arg(slot); },
                          [&] { m_scheme->setSlot(slot, color, used); });
        moduleFollowUps(target);
        return;
    }
    if (target == ui->Farbanzeige) {
        m_model->setActiveColor(color); // the display shows the model's colour
        return;
    }
    target->setColor(color.srgb);
    Q_EMIT m_events.colorDropped(target, color.srgb, fromSlot);
    if (target == ui->shZwischenspeicher) {
        m_menu->markBufferFilled();
        m_platform.clipboard.setText(
            QString::fromStdString(ColorNotation(color.srgb, page<Z_Optionen>().copyFormat())));
    }
    moduleFollowUps(target);
}

// What the module that owns a swatch recomputes once the swatch took a new colour.
void TForm1::moduleFollowUps(TColorShape* target)
{
    if (target != ui->Farbanzeige)
        Q_EMIT m_events.schemeChanged();
}

void TForm1::DragDropTrash(TColorShape* source)
{
    if (source->role() == TColorShape::Role::MixingField) {
        source->setBrushStyle(TColorShape::BrushStyle::Clear);
        return;
    }
    if (const int slot = m_scheme->PalettenCheck(source); slot > 0 && m_scheme->usedFlag(slot) == 1)
        m_history->record([slot] { return tr("Feld %1 geleert").arg(slot); },
                          [&] { m_scheme->setSlot(slot, clBtnFace, 0); });
    else
        Q_EMIT m_events.swatchTrashed(source);
    Q_EMIT m_events.schemeChanged();
}

} // namespace Tintara
