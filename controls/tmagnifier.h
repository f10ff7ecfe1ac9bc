#pragma once

#include "color/tcolor.h"

#include <QImage>
#include <QWidget>

#include <optional>

class QTimer;

namespace Tintara {

class Screen;

// Where a capture takes its picture and where the crosshair goes, for a control of `size`
// showing the screen around `pointer` at `zoomLevel` percent.
struct MagnifierView {
    QRect source;         // on the screen
    QPoint crosshairCentre; // in the control
};
MagnifierView magnifierView(QSize size, int zoomLevel, QPoint pointer, QSize screen);

// A magnifier: on a timer it copies the screen around the pointer, stretches it over itself and
// marks the pointer's spot with a crosshair.
class TMagnifier : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool active READ active WRITE setActive)
    Q_PROPERTY(int zoomLevel READ zoomLevel WRITE setZoomLevel)
    Q_PROPERTY(bool crosshair READ crosshair WRITE setCrosshair)
    Q_PROPERTY(int crosshairSize READ crosshairSize WRITE setCrosshairSize)
    Q_PROPERTY(bool cacheOnDeactivate READ cacheOnDeactivate WRITE setCacheOnDeactivate)

public:
    explicit TMagnifier(QWidget* parent = nullptr);

    // The desktop it looks at; without one it shows its background.
    void setScreen(const Screen* screen) { m_screen = screen; }

    bool active() const { return m_active; }
    void setActive(bool active);
    int zoomLevel() const { return m_zoomLevel; }
    void setZoomLevel(int percent) { m_zoomLevel = percent > 0 ? percent : 1; }
    unsigned delay() const { return m_delay; }
    void setDelay(unsigned milliseconds);
    bool crosshair() const { return m_crosshair; }
    void setCrosshair(bool on) { m_crosshair = on; }
    TColor crosshairColor() const { return m_crosshairColor; }
    void setCrosshairColor(TColor color) { m_crosshairColor = color; }
    int crosshairSize() const { return m_crosshairSize; }
    void setCrosshairSize(int pixels) { m_crosshairSize = pixels; }
    bool cacheOnDeactivate() const { return m_cacheOnDeactivate; }
    void setCacheOnDeactivate(bool cache);

    bool hasSnapshot() const { return m_cache.has_value(); }
    bool timerRunning() const;
    // One capture; false when the pointer has not moved since the last one.
    bool capture();

Q_SIGNALS:
    void contentsChanged(Tintara::TMagnifier* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const Screen* m_screen = nullptr;
    QTimer* m_timer;
    bool m_active = true;
    int m_zoomLevel = 100;
    unsigned m_delay = 100;
    QPoint m_lastPointer{0, 0};
    bool m_crosshair = false;
    TColor m_crosshairColor = clBlack;
    int m_crosshairSize = 20;
    bool m_cacheOnDeactivate = true;
    QImage m_frame;
    std::optional<QImage> m_cache;
};

} // namespace Tintara
