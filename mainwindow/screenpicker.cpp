#include "mainwindow/screenpicker.h"

#include "controls/eventhook.h"
#include "controls/tmagnifier.h"
#include "model/documentmodel.h"
#include "platform/screen.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace Tintara {

std::optional<int> zoomLevelFor(int index)
{
    static constexpr int levels[] = {200, 175, 150, 125, 100, 75, 50, 25, 10};
    if (index < 0 || index >= static_cast<int>(std::size(levels)))
        return std::nullopt;
    return levels[index];
}

ScreenPicker::ScreenPicker(QWidget& window, TMagnifier* magnifier, QComboBox* zoomList, DocumentModel& model,
                           Screen& screen)
    : QObject(&window)
    , m_window(window)
    , m_magnifier(magnifier)
    , m_zoomList(zoomList)
    , m_model(model)
    , m_screen(screen)
{
    magnifier->installEventFilter(this);
    window.installEventFilter(this);
    m_escapeWhileWaiting = new EventHook(
        [this](QObject* watched, QEvent* event) {
            if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape
                || !watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != &m_window)
                return false;
            stopWaitingForDesktop();
            return true;
        },
        this);
}

bool ScreenPicker::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (watched != m_magnifier)
            return false;
        ZoomMouseDown(static_cast<QMouseEvent*>(event)->button());
        return true;
    case QEvent::MouseMove:
        if (!m_picking || watched != &m_window)
            return false;
        m_underPointer = m_screen.shownColor(static_cast<QMouseEvent*>(event)->globalPosition());
        m_model.setPickPreview(m_underPointer.srgb);
        return true;
    // Only the release that ends picking; a click elsewhere in the window is no pick.
    case QEvent::MouseButtonRelease:
        if (!m_picking || watched != &m_window)
            return false;
        ZoomMouseUp();
        return true;
    default: return false;
    }
}

void ScreenPicker::ZoomMouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    if (const auto level = zoomLevelFor(m_zoomList->currentIndex()))
        m_magnifier->setZoomLevel(*level);
    m_magnifier->setActive(true);
    m_magnifier->setCacheOnDeactivate(true);
    if (m_screen.picksThroughDesktop()) {
        if (m_waitingForDesktop) {
            stopWaitingForDesktop();
            return;
        }
        m_waitingForDesktop = true;
        QCoreApplication::instance()->installEventFilter(m_escapeWhileWaiting);
        m_screen.pickThroughDesktop([self = QPointer(this), request = ++m_desktopRequest](const DesktopPick& pick) {
            if (self && self->m_waitingForDesktop && request == self->m_desktopRequest)
                self->desktopPicked(pick);
        });
        return;
    }
    m_picking = true;
    m_underPointer = m_model.activeWideColor(); // until the pointer moves, the display shows it
    m_window.grabMouse();
}

void ScreenPicker::stopWaitingForDesktop()
{
    QCoreApplication::instance()->removeEventFilter(m_escapeWhileWaiting);
    m_magnifier->setActive(false);
    m_waitingForDesktop = false;
}

void ScreenPicker::desktopPicked(const DesktopPick& pick)
{
    stopWaitingForDesktop();
    if (pick.color) {
        Q_EMIT picked(WideColor{*pick.color, std::nullopt});
    } else if (pick.outcome == DesktopPick::Outcome::Unavailable) {
        Q_EMIT desktopPickerMissing();
    }
}

void ScreenPicker::ZoomMouseUp()
{
    m_magnifier->setActive(false);
    m_window.releaseMouse();
    m_picking = false;
    Q_EMIT picked(m_underPointer);
}

} // namespace Tintara
