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
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* receiver = static_cast<QWidget*>(watched);
    // A key the focused control ignores travels on to its parents; act on it only once.
    const bool passedOn = event == m_lastKeyEvent && m_lastKeyReceiver && receiver != m_lastKeyReceiver
        && receiver->isAncestorOf(m_lastKeyReceiver);
    if (receiver->window() != &m_window || passedOn)
        return false;
    m_lastKeyEvent = event;
    m_lastKeyReceiver = receiver;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F11)
        Q_EMIT pressed(key - Qt::Key_F1 + 1);
    return false;
}

} // namespace Tintara
