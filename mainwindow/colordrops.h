#pragma once

#include "color/tcolor.h"

#include <QObject>

class QWidget;

namespace Tintara {

class TColorShape;

// Colours dragged in from other programs: every swatch that takes a dropped swatch takes them
// too, as application/x-color or as colour text. The waste bin has nothing of theirs to discard.
class ColorDrops : public QObject
{
    Q_OBJECT

public:
    explicit ColorDrops(QWidget& window);
    // Takes drops on the swatches of `area` too, a page made later.
    void watch(const QWidget& area);

Q_SIGNALS:
    void dropped(TColorShape* target, TColor color);
    void droppedOnMixer(TColorShape* field, TColor color);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace Tintara
