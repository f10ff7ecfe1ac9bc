#include "controls/ramp.h"

#include <QLinearGradient>
#include <QPainter>

namespace Tintara {

QPixmap ramp(QSize size, Qt::Orientation orientation, const QGradientStops& stops, qreal scale)
{
    QPixmap pixmap(size * scale);
    pixmap.setDevicePixelRatio(scale);
    QLinearGradient gradient(0, 0, orientation == Qt::Horizontal ? size.width() : 0,
                             orientation == Qt::Vertical ? size.height() : 0);
    gradient.setStops(stops);
    QPainter(&pixmap).fillRect(pixmap.rect(), gradient);
    return pixmap;
}

} // namespace Tintara
