#pragma once

#include <QGradient>
#include <QPixmap>

namespace Tintara {

// A picture of `size` running through `stops` along `orientation`.
QPixmap ramp(QSize size, Qt::Orientation orientation, const QGradientStops& stops, qreal scale = 1);

} // namespace Tintara
