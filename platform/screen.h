#pragma once

#include "color/tcolor.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace Tintara {

// The desktop's pixels, in global screen coordinates.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual QPoint cursorPos() const = 0;
    virtual TColor pixel(QPoint position) const = 0;
    virtual QImage capture(const QRect& area) const = 0;
    // The primary screen's size.
    virtual QSize primarySize() const = 0;
};

} // namespace Tintara
