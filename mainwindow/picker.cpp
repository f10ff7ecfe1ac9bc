#include "mainwindow/tform1.h"

#include "controls/tcolorshape.h"
#include "controls/eventhook.h"
#include "controls/tmagnifier.h"

#include "ui_tform1.h"

#include <QMouseEvent>

namespace Tintara {

std::optional<int> zoomLevelFor(int index)
{
    static constexpr int levels[] = {200, 175, 150, 125, 100, 75, 50, 25, 10};
    if (index < 0 || index >= static_cast<int>(std::size(levels)))
        return std::nullopt;
    return levels[index];
}

// Press on the magnifier, move anywhere on the screen, release: the pixel under the pointer.
// The press is the magnifier's own; the window holds the mouse for the rest.
void TForm1::connectPicker()
{
    ui->Zoom->installEventFilter(new EventHook(
        [this](QObject*, QEvent* event) {
            if (event->type() != QEvent::MouseButtonPress)
                return false;
            ZoomMouseDown(static_cast<QMouseEvent*>(event)->button());
            return true;
        },
        this));
}

void TForm1::mouseMoveEvent(QMouseEvent* event)
{
    if (m_picking)
        FormMouseMove(event->globalPosition().toPoint());
    else
        QMainWindow::mouseMoveEvent(event);
}

// Only the release that ends picking; a click elsewhere in the window is no pick.
void TForm1::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_picking)
        ZoomMouseUp();
    else
        QMainWindow::mouseReleaseEvent(event);
}

void TForm1::ZoomMouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    if (const auto level = zoomLevelFor(ui->cbZoom->currentIndex()))
        ui->Zoom->setZoomLevel(*level);
    ui->Zoom->setActive(true);
    ui->Zoom->setCacheOnDeactivate(true);
    m_picking = true;
    grabMouse();
}

void TForm1::FormMouseMove(QPoint globalPosition)
{
    ui->Farbanzeige->setColor(m_platform.screen.pixel(globalPosition));
}

void TForm1::ZoomMouseUp()
{
    const TColor color = activeColor();
    ui->sbRot->setValue(redOf(color));
    ui->sbGruen->setValue(greenOf(color));
    ui->sbBlau->setValue(blueOf(color));
    ui->Zoom->setActive(false);
    releaseMouse();
    m_picking = false;
    m_brightnessBase = color;
    ScrollbarAnpassung(color);
}

} // namespace Tintara
