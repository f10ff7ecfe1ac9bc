#include "controls/clicktracker.h"

#include <QMouseEvent>
#include <QWidget>

namespace Tintara {

bool ClickTracker::isClick(QObject* watched, const QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressed = static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton ? watched : nullptr;
        return false;
    }
    if (event->type() != QEvent::MouseButtonRelease || !watched->isWidgetType())
        return false;
    // The control that took the press gets the release wherever the pointer is now.
    const auto* release = static_cast<const QMouseEvent*>(event);
    const bool click = m_pressed == watched && release->button() == Qt::LeftButton
        && static_cast<QWidget*>(watched)->rect().contains(release->position().toPoint());
    if (click)
        m_pressed = nullptr;
    return click;
}

} // namespace Tintara
