#pragma once

#include "color/oklchtrack.h"

#include <QAbstractSlider>

#include <vector>

namespace Tintara {

// A vertical slider whose groove shows the colours its positions give, the maximum at the top as a
// designer reads a lightness scale, so that Up and the wheel move the handle up; the stretch the
// editor's gamut cannot hold is hatched, and the band only Display P3 holds dotted.
class ColorTrack : public QAbstractSlider
{
    Q_OBJECT

public:
    explicit ColorTrack(QWidget* parent = nullptr);

    // How many stops the groove shows: one per pixel row.
    int trackLength() const;
    // The groove's colours from the minimum (shown at the bottom) to the maximum.
    void setStops(std::vector<TrackStop> stops);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect groove() const;
    int valueAt(int y) const;
    int rowOf(int value) const;

    std::vector<TrackStop> m_stops;
};

} // namespace Tintara
