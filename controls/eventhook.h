#pragma once

#include <QObject>

#include <functional>

namespace Tintara {

// Hands the events of the objects it is installed on to one function; true swallows the event.
// Lets a control's own events be handled where the control is used, without a subclass.
class EventHook : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<bool(QObject* watched, QEvent* event)>;

    EventHook(Handler handler, QObject* parent)
        : QObject(parent), m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return m_handler(watched, event); }

private:
    Handler m_handler;
};

} // namespace Tintara
