#pragma once

#include <QObject>
#include <QSize>

#include <array>

class QAction;
class QMenu;
class QWidget;

namespace Tintara {

class DocumentModel;

// The zoom steps of the window, in percent.
inline constexpr std::array<int, 5> zoomSteps = {100, 125, 150, 175, 200};

// The step one up (`direction` 1) or down (-1) from `percent`; the last step stays.
int neighbouringZoom(int percent, int direction);
// The largest step up to `wanted` at which a window of `deviceSizeAt100` device pixels at 100 %
// fits into `available` device pixels; 100 % where none does. A value that is no step counts as 100.
int fittingZoom(int wanted, QSizeF deviceSizeAt100, QSize available);

// "Ansicht" → "Zoom": scales the whole window as a high-density screen would, at once, on top of
// the desktop's own scale. The layout keeps its layout pixels; Qt draws everything at the device
// resolution, as it does for QT_SCALE_FACTOR.
class WindowZoom : public QObject
{
    Q_OBJECT

public:
    WindowZoom(QMenu* viewMenu, QWidget& window, DocumentModel& model);
    // The scale goes back to the desktop's, for a window made after this one.
    ~WindowZoom() override;

    int zoom() const { return m_zoom; }
    // Zooms to `percent`, or to the largest step below it that still fits the screen.
    void setZoom(int percent);

Q_SIGNALS:
    // The window's device pixels changed: pictures made at the device resolution are made again.
    void zoomChanged(int percent);

private:
    void retranslate();
    // The device pixels of the window's screen that the window may take.
    QSize availableDevicePixels() const;

    QWidget& m_window;
    DocumentModel& m_model;
    QMenu* m_menu;
    std::array<QAction*, zoomSteps.size()> m_steps{};
    QAction* m_in;
    QAction* m_out;
    QAction* m_reset;
    const double m_desktopFactor; // QT_SCALE_FACTOR, which the zoom multiplies
    int m_zoom = 100;
};

} // namespace Tintara
