#include "controls/ttrayicon.h"

#include <QApplication>
#include <QMenu>
#include <QMetaMethod>
#include <QTimer>
#include <QWidget>

namespace Tintara {

namespace {

constexpr unsigned messageIconTipInfo = NifMessage | NifIcon | NifTip | NifInfo; // 23
constexpr unsigned messageIconTip = NifMessage | NifIcon | NifTip;              // 7

Qt::MouseButton buttonOf(unsigned message)
{
    switch (message) {
    case TrayLeftDown:
    case TrayLeftUp:
    case TrayLeftDoubleClick: return Qt::LeftButton;
    case TrayMiddleDown:
    case TrayMiddleUp:
    case TrayMiddleDoubleClick: return Qt::MiddleButton;
    default: return Qt::RightButton;
    }
}

} // namespace

TTrayIcon::TTrayIcon(NotificationArea& area, QObject* parent)
    : QObject(parent)
    , m_area(area)
{
    m_area.setCallback([this](unsigned message) { handleMessage(message); });
}

TTrayIcon::~TTrayIcon()
{
    setActive(false);
    m_area.setCallback({});
}

QString TTrayIcon::shortHint(const QString& hint)
{
    return hint.section(u'|', 0, 0).left(127);
}

void TTrayIcon::fillRecord()
{
    m_record.size = newShell() ? 488 : 88;
    m_record.id = 1;
    m_record.callbackMessage = 1025;
    m_record.icon = m_icon;
    m_record.tip = shortHint(m_hint);
    m_record.flags = messageIconTipInfo;
    m_record.version = newShell() ? 3 : 0;
}

void TTrayIcon::setMainForm(QWidget* form)
{
    const bool listening = m_listening;
    listen(false);
    m_mainForm = form;
    listen(listening);
}

// Listens to the main form while the icon is active: minimising it then hides it into the icon.
void TTrayIcon::listen(bool on)
{
    if (m_mainForm && on != m_listening) {
        if (on)
            m_mainForm->installEventFilter(this);
        else
            m_mainForm->removeEventFilter(this);
    }
    m_listening = on;
}

bool TTrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    // Hidden once the minimising has run its course, so that nothing shows the form again after;
    // by then the form may have been restored or the icon removed.
    const auto minimisedIntoIcon = [this] {
        return m_mainForm && m_mainForm->isMinimized() && m_active && (m_visibility & AutoHide);
    };
    if (watched == m_mainForm && event->type() == QEvent::WindowStateChange && minimisedIntoIcon()) {
        QMetaObject::invokeMethod(
            this, [this, minimisedIntoIcon] { if (minimisedIntoIcon()) setApplicationShown(false); },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void TTrayIcon::setActive(bool active)
{
    listen(active);
    if (!active) {
        m_area.notify(NotifyMessage::Delete, m_record);
    } else {
        m_taskBarWindow = m_area.taskBarWindow();
        if (m_icon.isNull())
            m_icon = QApplication::windowIcon();
        fillRecord();
        m_area.notify(NotifyMessage::Add, m_record);
        if (newShell())
            m_area.notify(NotifyMessage::SetVersion, m_record);
    }
    m_active = active; // no equality test: activating again adds the icon again
}

// The task bar may have been recreated since the icon was added; then it is added anew.
void TTrayIcon::taskBarCheck()
{
    if (m_active && m_area.taskBarWindow() != m_taskBarWindow) {
        m_taskBarWindow = m_area.taskBarWindow();
        setActive(false);
        setActive(true);
    }
}

void TTrayIcon::modify()
{
    if (m_active)
        m_area.notify(NotifyMessage::Modify, m_record);
}

void TTrayIcon::setHint(const QString& hint)
{
    taskBarCheck();
    // The old shell's tips have one line only.
    m_hint = newShell() ? hint : QString(hint).replace(QStringLiteral("\r\n"), QStringLiteral(" - "));
}

void TTrayIcon::setIcon(const QIcon& icon)
{
    taskBarCheck();
    m_icon = icon;
    m_record.icon = icon;
    modify();
}

void TTrayIcon::setIconIndex(int index)
{
    m_iconIndex = index;
    if (m_icons && index >= 0 && index < static_cast<int>(m_icons->size())) {
        m_record.flags = messageIconTip;
        setIcon((*m_icons)[static_cast<std::size_t>(index)]);
    } else {
        m_iconIndex = -1;
    }
}

void TTrayIcon::setAnimated(bool animated)
{
    m_animated = animated;
    if (animated) {
        if (!m_animationTimer) {
            m_animationTimer = new QTimer(this);
            connect(m_animationTimer, &QTimer::timeout, this, &TTrayIcon::animate);
        }
        m_animationTimer->setInterval(static_cast<int>(m_delay));
        m_animationTimer->start();
    } else {
        delete m_animationTimer;
        m_animationTimer = nullptr;
    }
}

void TTrayIcon::setDelay(unsigned milliseconds)
{
    m_delay = milliseconds;
    if (m_animationTimer)
        m_animationTimer->setInterval(static_cast<int>(milliseconds));
}

void TTrayIcon::animate()
{
    if (!m_active || !m_icons)
        return;
    // An empty frame list leaves the index at -1 instead of dividing by zero.
    const int count = static_cast<int>(m_icons->size());
    const int next = m_iconIndex < 0 || count == 0 ? 0 : (m_iconIndex + 1) % count;
    setIconIndex(next);
    Q_EMIT animationStep(m_iconIndex);
}

void TTrayIcon::setVisibility(unsigned visibility)
{
    m_visibility = visibility;
    setApplicationShown((visibility & VisibleTaskBar) != 0);
    setActive(m_active);
    setAnimated(m_animated);
}

void TTrayIcon::setApplicationShown(bool shown)
{
    m_applicationShown = shown;
    if (!m_mainForm)
        return;
    if (shown) {
        m_mainForm->showNormal();
        m_mainForm->raise();
        m_mainForm->activateWindow();
        return;
    }
    if (!m_mainForm->isMinimized()) {
        if (m_snap)
            m_mainForm->hide();
        m_mainForm->setWindowState(m_mainForm->windowState() | Qt::WindowMinimized);
    }
    // A window has its task-bar entry while it is shown; hiding it is how the entry goes.
    m_mainForm->hide();
}

void TTrayIcon::showBalloon(const QString& title, const QString& text, unsigned timeoutMs, BalloonKind kind)
{
    if (!newShell())
        return;
    static constexpr unsigned icons[] = {0, 3, 1, 2}; // none, error, info, warning as the shell counts them
    m_balloonShownAt = QDateTime::currentDateTime();
    m_balloonSeconds = timeoutMs / 1000;
    m_record.balloonTitle = title.left(63);
    m_record.balloonText = text.left(255);
    m_record.flags = messageIconTipInfo;
    m_record.timeout = timeoutMs;
    m_record.balloonIcon = icons[static_cast<int>(kind)];
    modify();
    Q_EMIT balloonShow();
}

void TTrayIcon::removeBalloon()
{
    showBalloon(QString(), QString(), 5000, BalloonKind::None);
}

void TTrayIcon::openMenu(QMenu* menu, QPoint position)
{
    if (menu)
        menu->popup(position);
}

void TTrayIcon::handleMessage(unsigned message)
{
    const TrayMouseState state{m_area.keyboardModifiers(), m_area.mouseButtons(), m_area.cursorPos()};
    switch (message) {
    case TrayMouseMove:
        if (m_hint != m_lastTip) {
            m_lastTip = m_hint;
            m_record.tip = shortHint(m_hint);
            m_record.flags = messageIconTip;
            modify();
        }
        Q_EMIT mouseMove(state);
        break;
    case TrayLeftDown:
    case TrayRightDown:
    case TrayMiddleDown:
        Q_EMIT mouseDown(buttonOf(message), state);
        if (message == TrayLeftDown)
            openMenu(m_dropDownMenu, state.position);
        break;
    case TrayLeftUp:
    case TrayRightUp:
    case TrayMiddleUp:
    case TrayKeySelect: {
        const Qt::MouseButton button = buttonOf(message);
        if (button == Qt::RightButton)
            openMenu(m_popupMenu, state.position);
        if (button == Qt::LeftButton) {
            if (m_applicationShown && (m_visibility & MinimizeClick))
                setVisibility(m_visibility & ~VisibleTaskBar);
            else if (!m_applicationShown && (m_visibility & RestoreClick))
                setVisibility(m_visibility | VisibleTaskBar);
        }
        Q_EMIT mouseUp(button, state);
        Q_EMIT click(button, state);
        break;
    }
    case TrayLeftDoubleClick:
    case TrayRightDoubleClick:
    case TrayMiddleDoubleClick:
        if (isSignalConnected(QMetaMethod::fromSignal(&TTrayIcon::dblClick))) {
            Q_EMIT dblClick(buttonOf(message), state);
            break;
        }
        if (message != TrayLeftDoubleClick)
            break;
        if (m_popupMenu && m_popupMenu->defaultAction())
            m_popupMenu->defaultAction()->trigger();
        if (m_applicationShown && (m_visibility & MinimizeDbClick))
            setVisibility(m_visibility & ~VisibleTaskBar);
        else if (!m_applicationShown && (m_visibility & RestoreDbClick))
            setVisibility(m_visibility | VisibleTaskBar);
        break;
    case TrayBalloonHide: Q_EMIT balloonHide(); break;
    case TrayBalloonTimeout:
        if (m_balloonShownAt.secsTo(QDateTime::currentDateTime()) > m_balloonSeconds)
            removeBalloon();
        break;
    case TrayBalloonClick:
        Q_EMIT balloonClick();
        removeBalloon();
        break;
    default: break;
    }
}

} // namespace Tintara
