#include "mainwindow/colordrops.h"

#include "controls/tcolorshape.h"
#include "exchange/colormime.h"

#include <QDropEvent>
#include <QWidget>

namespace Tintara {

namespace {

bool takesDrops(const TColorShape& swatch)
{
    return swatch.role() == TColorShape::Role::Target || swatch.role() == TColorShape::Role::MixingField;
}

} // namespace

ColorDrops::ColorDrops(QWidget& window)
    : QObject(&window)
{
    watch(window);
}

void ColorDrops::watch(const QWidget& area)
{
    for (TColorShape* swatch : area.findChildren<TColorShape*>()) {
        if (takesDrops(*swatch)) {
            swatch->setAcceptDrops(true);
            swatch->installEventFilter(this);
        }
    }
}

bool ColorDrops::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* swatch = static_cast<TColorShape*>(watched); // only swatches are watched
    auto* drop = static_cast<QDropEvent*>(event);
    const auto color = colorFromMimeData(*drop->mimeData());
    if (!color || !swatch->isEnabled()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        if (swatch->role() == TColorShape::Role::MixingField)
            Q_EMIT droppedOnMixer(swatch, *color);
        else
            Q_EMIT dropped(swatch, *color);
    }
    return true;
}

} // namespace Tintara
