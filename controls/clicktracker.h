#pragma once

#include <QPointer>

class QEvent;

namespace Tintara {

// Tells a click from a stray release: the left button pressed and released over the same control.
class ClickTracker
{
public:
    // Feed it the mouse events of the controls that react to clicks; true when `event` completes
    // a click on `watched`.
    bool isClick(QObject* watched, const QEvent* event);

private:
    QPointer<QObject> m_pressed;
};

} // namespace Tintara
