#pragma once

#include "color/widecolor.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

namespace Tintara {

// What the desktop's own colour picker gave: a colour, or why none.
struct DesktopPick {
    enum class Outcome { Picked, Cancelled, Unavailable };
    Outcome outcome = Outcome::Unavailable;
    std::optional<TColor> color;
};

// The desktop's pixels, in global screen coordinates.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual QPoint cursorPos() const = 0;
    virtual TColor pixel(QPoint position) const = 0;
    // The pixel under a pointer at `position` as the colour it showed, with the wide colour where
    // a wide-gamut screen showed one. On a zoomed window the position falls between layout pixels;
    // it names the one device pixel under the pointer.
    virtual WideColor shownColor(QPointF position) const { return {pixel(position.toPoint()), std::nullopt}; }
    virtual QImage capture(const QRect& area) const = 0;
    // The primary screen's size.
    virtual QSize primarySize() const = 0;

    // Where other programs' windows cannot be read, the desktop picks the colour: the pick is
    // started and `done` is called once it answers.
    virtual bool picksThroughDesktop() const { return false; }
    virtual void pickThroughDesktop(std::function<void(const DesktopPick&)> done) { done({}); }
};

} // namespace Tintara
