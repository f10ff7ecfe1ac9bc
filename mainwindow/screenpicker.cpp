#include "mainwindow/screenpicker.h"

#include "controls/eventhook.h"
#include "controls/languagechange.h"
#include "mainwindow/contextmenu.h"
#include "controls/tmagnifier.h"
#include "model/documentmodel.h"
#include "platform/screen.h"

#include <QAction>
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
    QCoreApplication::instance()->installEventFilter(
        new EventHook([this](QObject* watched, QEvent* event) { return followingKey(watched, event); }, this));
}

bool ScreenPicker::followingKey(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()
        || static_cast<QWidget*>(watched)->window() != &m_window)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (m_following && (key == Qt::Key_Space || key == Qt::Key_Escape)) {
        endFollowing(key == Qt::Key_Space);
        return true;
    }
    if (key == Qt::Key_Space && !m_following && !m_picking && !m_waitingForDesktop && pointerOnMagnifier()) {
        startFollowing();
        return true;
    }
    return false;
}

bool ScreenPicker::pointerOnMagnifier() const
{
    return m_magnifier->isVisible() && m_magnifier->rect().contains(m_magnifier->mapFromGlobal(m_screen.cursorPos()));
}

void ScreenPicker::startFollowing()
{
    if (m_following || m_picking)
        return;
    if (m_screen.picksThroughDesktop()) { // the desktop shows its own loupe
        ZoomMouseDown(Qt::LeftButton);
        return;
    }
    if (const auto level = zoomLevelFor(m_zoomList->currentIndex()))
        m_magnifier->setZoomLevel(*level);
    m_magnifier->setActive(true);
    m_following = true;
    m_trackedBefore = m_window.hasMouseTracking();
    m_window.setMouseTracking(true); // without a button held, the pointer's moves come only so
    m_window.grabMouse(Qt::CrossCursor);
    m_window.grabKeyboard();
    follow(m_screen.cursorPos());
}

void ScreenPicker::offerFollowingIn(ContextMenu& menu)
{
    auto* entry = new QAction(this);
    entry->setObjectName(QStringLiteral("puLupeFolgt"));
    keepTranslated(m_magnifier, [entry] { entry->setText(tr("Lupe folgt dem Zeiger (Leertaste)")); });
    menu.addEntry(entry, [this](const QObject* control) { return control == m_magnifier; });
    connect(entry, &QAction::triggered, this, &ScreenPicker::startFollowing);
}

void ScreenPicker::follow(QPointF pointer)
{
    m_underPointer = m_screen.shownColor(pointer);
    m_model.setPickPreview(m_underPointer.srgb);
}

void ScreenPicker::endFollowing(bool pick)
{
    m_following = false;
    m_window.releaseKeyboard();
    m_window.releaseMouse();
    m_window.setMouseTracking(m_trackedBefore);
    m_magnifier->setActive(false);
    if (!pick) {
        m_model.endPickPreview();
        return;
    }
    Q_EMIT picked(m_underPointer);
}

bool ScreenPicker::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (m_following && watched == &m_window) {
            const auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::LeftButton) {
                follow(press->globalPosition());
                endFollowing(true);
            }
            return true;
        }
        if (watched != m_magnifier)
            return false;
        ZoomMouseDown(static_cast<QMouseEvent*>(event)->button());
        return true;
    case QEvent::MouseMove:
        if (!(m_picking || m_following) || watched != &m_window)
            return false;
        follow(static_cast<QMouseEvent*>(event)->globalPosition());
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
