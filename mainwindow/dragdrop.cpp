#include "mainwindow/tform1.h"

#include "color/notation.h"
#include "pages/z_optionen.h"
#include "pages/z_palette.h"
#include "controls/tcolorshape.h"

#include "ui_tform1.h"

#include <QApplication>
#include <QMouseEvent>

namespace Tintara {

// The automatic drag: a left press on a draggable swatch starts it at once and is not delivered
// as a press; the release over a target that accepts swatches drops there, also on the source.
bool TForm1::dragEvent(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* swatch = qobject_cast<TColorShape*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_dragSource || !swatch || swatch->window() != this || mouse->button() != Qt::LeftButton
            || swatch->dragMode() != TColorShape::DragMode::Automatic)
            return false;
        m_dragSource = swatch;
        grabMouse();
        QApplication::setOverrideCursor(Qt::DragMoveCursor);
        return true;
    }
    case QEvent::MouseMove:
        if (!m_dragSource)
            return false;
        QApplication::changeOverrideCursor(
            dropTargetAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint()) ? Qt::DragMoveCursor
                                                                                       : Qt::ForbiddenCursor);
        return true;
    case QEvent::MouseButtonRelease: {
        if (!m_dragSource || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return m_dragSource != nullptr;
        TColorShape* source = std::exchange(m_dragSource, nullptr);
        endDrag();
        if (QWidget* target = dropTargetAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint()))
            drop(target, source);
        return true;
    }
    case QEvent::KeyPress:
        if (!m_dragSource || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        m_dragSource = nullptr; // Escape calls the drag off
        endDrag();
        return true;
    default: return false;
    }
}

void TForm1::endDrag()
{
    releaseMouse();
    QApplication::restoreOverrideCursor();
}

// What the control under the pointer does with a dropped swatch, by the role it declares.
std::optional<TForm1::DropKind> TForm1::dropKindOf(const QWidget* target) const
{
    if (!target || !target->isEnabled())
        return std::nullopt;
    if (target == ui->Image1)
        return DropKind::Trash;
    const auto* swatch = qobject_cast<const TColorShape*>(target);
    if (swatch && swatch->role() == TColorShape::Role::Target)
        return DropKind::General;
    if (swatch && swatch->role() == TColorShape::Role::MixingField)
        return DropKind::Mixer;
    return std::nullopt;
}

QWidget* TForm1::dropTargetAt(QPoint globalPosition) const
{
    QWidget* under = childAt(mapFromGlobal(globalPosition));
    return dropKindOf(under) ? under : nullptr;
}

void TForm1::drop(QWidget* target, TColorShape* source)
{
    switch (*dropKindOf(target)) {
    case DropKind::General: DragDrop(static_cast<TColorShape*>(target), source); break;
    case DropKind::Trash: DragDropTrash(source); break;
    case DropKind::Mixer: m_palette->DragDropPalette(static_cast<TColorShape*>(target), source); break;
    }
}

void TForm1::DragDrop(TColorShape* target, TColorShape* source)
{
    const TColor color = source->color();
    target->setColor(color);
    if (target == ui->Farbanzeige) {
        setActiveColor(color);
    } else if (target == ui->shZwischenspeicher) {
        m_bufferFilled = 1;
        m_platform.clipboard.setText(
            QString::fromStdString(ColorNotation(color, m_optionen->copyFormat())));
    } else if (const int slot = PalettenCheck(target)) {
        const int sourceSlot = PalettenCheck(source);
        setSlot(slot, color, sourceSlot > 0 && m_used[sourceSlot - 1] == 0 ? 0 : 1);
    }
    moduleFollowUps(target);
}

// What the module that owns a swatch recomputes once the swatch took a new colour.
void TForm1::moduleFollowUps(TColorShape* target)
{
    if (target != ui->Farbanzeige)
        Q_EMIT schemeChanged();
}

void TForm1::DragDropTrash(TColorShape* source)
{
    if (source->role() == TColorShape::Role::MixingField) {
        source->setBrushStyle(TColorShape::BrushStyle::Clear);
        return;
    }
    if (const int slot = PalettenCheck(source); slot > 0 && m_used[slot - 1] == 1)
        setSlot(slot, clBtnFace, 0);
    Q_EMIT schemeChanged();
}

} // namespace Tintara
