#include "controls/colortrack.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace Tintara {

namespace {

constexpr int frame = 2;

QColor qtColor(TColor color)
{
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

} // namespace

ColorTrack::ColorTrack(QWidget* parent)
    : QAbstractSlider(parent)
{
    setOrientation(Qt::Vertical);
    setFocusPolicy(Qt::WheelFocus);
}

QSize ColorTrack::sizeHint() const
{
    return {25, 205};
}

QRect ColorTrack::groove() const
{
    return rect().adjusted(frame, frame, -frame, -frame);
}

int ColorTrack::trackLength() const
{
    return std::max(groove().height(), 1);
}

void ColorTrack::setStops(std::vector<TrackStop> stops)
{
    if (stops == m_stops)
        return;
    m_stops = std::move(stops);
    update();
}

int ColorTrack::rowOf(int value) const
{
    const int span = std::max(maximum() - minimum(), 1);
    return groove().top() + static_cast<int>(std::lround(double(maximum() - value) * (trackLength() - 1) / span));
}

int ColorTrack::valueAt(int y) const
{
    const int row = std::clamp(y - groove().top(), 0, trackLength() - 1);
    return maximum() - static_cast<int>(std::lround(double(row) * (maximum() - minimum()) / std::max(trackLength() - 1, 1)));
}

void ColorTrack::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = groove();
    painter.fillRect(rect(), palette().window());
    qDrawShadePanel(&painter, rect(), palette(), true, 1);
    const QBrush hatch(QColor(128, 128, 128), Qt::BDiagPattern);
    // The band only a wide-gamut screen shows is dotted, so that it reads apart from the hatching.
    const QBrush dots(QColor(255, 255, 255), Qt::Dense6Pattern);
    const int rows = std::min(static_cast<int>(m_stops.size()), area.height());
    for (int row = 0; row < rows; ++row) {
        const TrackStop& stop = m_stops[static_cast<std::size_t>(rows - 1 - row)]; // the maximum at the top
        const QRect line(area.left(), area.top() + row, area.width(), 1);
        painter.fillRect(line, qtColor(stop.color));
        if (!stop.inGamut)
            painter.fillRect(line, hatch);
        else if (stop.onlyInP3)
            painter.fillRect(line, dots);
    }
    // The handle: a dark and a light line, seen on any colour, with notches at both sides.
    const int y = rowOf(value());
    painter.fillRect(QRect(area.left(), y - 1, area.width(), 3), Qt::white);
    painter.fillRect(QRect(area.left(), y, area.width(), 1), Qt::black);
    painter.setBrush(hasFocus() ? palette().highlight() : palette().text());
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygon({QPoint(0, y - 4), QPoint(5, y), QPoint(0, y + 4)}));
    painter.drawPolygon(QPolygon({QPoint(width() - 1, y - 4), QPoint(width() - 6, y), QPoint(width() - 1, y + 4)}));
}

void ColorTrack::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setSliderDown(true);
    setSliderPosition(valueAt(qRound(event->position().y())));
}

void ColorTrack::mouseMoveEvent(QMouseEvent* event)
{
    if (isSliderDown())
        setSliderPosition(valueAt(qRound(event->position().y())));
}

void ColorTrack::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setSliderDown(false);
}

} // namespace Tintara
