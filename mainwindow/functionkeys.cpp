#include "mainwindow/functionkeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

namespace Tintara {

FunctionKeys::FunctionKeys(QWidget& window)
    : QObject(&window), m_window(window)
{
    QGuiApplication::instance()->installEventFilter(this);
}

FunctionKeys::~FunctionKeys()
{
    QGuiApplication::instance()->removeEventFilter(this);
}

bool FunctionKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::ShortcutOverride) {
        m_pressedKey = 0; // whatever comes next is a new press
        return false;
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* receiver = static_cast<QWidget*>(watched);
    const int key = static_cast<QKeyEvent*>(event)->key();
    // The same press passed on from the control that ignored it to its parents: act on it once.
    const bool passedOn = key == m_pressedKey && m_firstReceiver && receiver != m_firstReceiver
        && receiver->isAncestorOf(m_firstReceiver);
    if (receiver->window() != &m_window || passedOn)
        return false;
    m_pressedKey = key;
    m_firstReceiver = receiver;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        Q_EMIT pressed(key - Qt::Key_F1 + 1);
    return false;
}

} // namespace Tintara
