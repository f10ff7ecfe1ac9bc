#include "mainwindow/swatchdrag.h"

#include "controls/tcolorshape.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace Tintara {

SwatchDrag::SwatchDrag(QWidget& window, QWidget* trash)
    : QObject(&window), m_window(window), m_trash(trash)
{
    watch(window);
    window.installEventFilter(this); // the grabbed mouse and keyboard during a drag
}

void SwatchDrag::watch(const QWidget& area)
{
    for (TColorShape* swatch : area.findChildren<TColorShape*>())
        swatch->installEventFilter(this);
}

bool SwatchDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: return start(watched, *static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        if (!m_source)
            return false;
        move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease: {
        if (!m_source || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return m_source != nullptr;
        TColorShape* source = std::exchange(m_source, nullptr);
        end();
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (QWidget* target = dropTargetAt(at))
            drop(target, source);
        else if (m_window.childAt(m_window.mapFromGlobal(at)) == source)
            Q_EMIT source->clicked(source);
        return true;
    }
    case QEvent::KeyPress:
        if (!m_source || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        m_source = nullptr;
        end();
        return true;
    default: return false;
    }
}

bool SwatchDrag::start(QObject* watched, const QMouseEvent& press)
{
    auto* swatch = qobject_cast<TColorShape*>(watched);
    if (m_source || !swatch || press.button() != Qt::LeftButton
        || swatch->dragMode() != TColorShape::DragMode::Automatic)
        return false;
    m_source = swatch;
    m_window.grabMouse();
    m_window.grabKeyboard(); // Escape reaches the drag wherever the focus is
    QApplication::setOverrideCursor(Qt::DragMoveCursor);
    return true;
}

void SwatchDrag::end()
{
    m_window.releaseKeyboard();
    m_window.releaseMouse();
    QApplication::restoreOverrideCursor();
}

void SwatchDrag::move(QPoint globalPosition)
{
    if (!m_window.rect().contains(m_window.mapFromGlobal(globalPosition))) {
        TColorShape* source = std::exchange(m_source, nullptr);
        end();
        Q_EMIT leftWindow(source);
        return;
    }
    QApplication::changeOverrideCursor(dropTargetAt(globalPosition) ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

// What the control under the pointer does with a dropped swatch, by the role it declares.
std::optional<SwatchDrag::DropKind> SwatchDrag::dropKindOf(const QWidget* target) const
{
    if (!target || !target->isEnabled())
        return std::nullopt;
    if (target == m_trash)
        return DropKind::Trash;
    const auto* swatch = qobject_cast<const TColorShape*>(target);
    if (swatch && swatch->role() == TColorShape::Role::Target)
        return DropKind::General;
    if (swatch && swatch->role() == TColorShape::Role::MixingField)
        return DropKind::Mixer;
    return std::nullopt;
}

QWidget* SwatchDrag::dropTargetAt(QPoint globalPosition) const
{
    QWidget* under = m_window.childAt(m_window.mapFromGlobal(globalPosition));
    return dropKindOf(under) ? under : nullptr;
}

void SwatchDrag::drop(QWidget* target, TColorShape* source)
{
    switch (*dropKindOf(target)) {
    case DropKind::General: Q_EMIT dropped(static_cast<TColorShape*>(target), source); break;
    case DropKind::Trash: Q_EMIT droppedOnTrash(source); break;
    case DropKind::Mixer: Q_EMIT droppedOnMixer(static_cast<TColorShape*>(target), source); break;
    }
}

} // namespace Tintara
