#include "controls/tmagnifier.h"

#include "platform/screen.h"
#include "platform/systemcolors.h"

#include <QPainter>
#include <QTimer>

#include <climits>

namespace Tintara {

namespace {

// Keeps the captured area on the screen; near an edge the crosshair moves instead of the picture.
void clamp(int pointer, int half, int screen, int zoom, int& centre, int& shift)
{
    centre = pointer;
    shift = 0;
    if (pointer < half) {
        shift = (pointer - half - 1) * 100 / zoom;
        centre = half;
    } else if (screen < pointer + half) {
        shift = (pointer + half - screen + 1) * 100 / zoom;
        centre = screen - half;
    }
}

} // namespace

MagnifierView magnifierView(QSize size, int zoomLevel, QPoint pointer, QSize screen)
{
    const int halfW = (size.width() / 2) * zoomLevel / 100;
    const int halfH = (size.height() / 2) * zoomLevel / 100;
    int cx, cy, dx, dy;
    clamp(pointer.x(), halfW, screen.width(), zoomLevel, cx, dx);
    clamp(pointer.y(), halfH, screen.height(), zoomLevel, cy, dy);
    return {QRect(QPoint(cx - halfW, cy - halfH), QPoint(cx + halfW - 1, cy + halfH - 1)),
            QPoint(size.width() / 2 + dx, size.height() / 2 + dy)};
}

TMagnifier::TMagnifier(QWidget* parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
{
    resize(100, 100);
    m_timer->setInterval(static_cast<int>(m_delay));
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (capture())
            repaint();
    });
    m_timer->start();
}

void TMagnifier::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active) {
        m_timer->start();
        return;
    }
    m_timer->stop();
    if (m_cacheOnDeactivate)
        m_cache = m_frame.isNull() ? grab().toImage() : m_frame;
    else
        update();
}

void TMagnifier::setDelay(unsigned milliseconds)
{
    m_delay = milliseconds;
    m_timer->setInterval(static_cast<int>(milliseconds));
}

void TMagnifier::setCacheOnDeactivate(bool cache)
{
    if (cache == m_cacheOnDeactivate)
        return;
    m_cacheOnDeactivate = cache;
    if (!cache) {
        m_cache.reset();
        if (!m_active)
            update();
    }
}

bool TMagnifier::timerRunning() const
{
    return m_timer->isActive();
}

bool TMagnifier::capture()
{
    if (!m_screen)
        return false;
    const QPoint pointer = m_screen->cursorPos();
    if (pointer == m_lastPointer)
        return false;
    m_lastPointer = pointer;

    const MagnifierView view = magnifierView(size(), m_zoomLevel, pointer, m_screen->primarySize());
    // In device pixels: on a high-density screen each screen pixel stays one in the picture.
    const qreal scale = devicePixelRatioF();
    m_frame = QImage(size() * scale, QImage::Format_RGB32);
    m_frame.setDevicePixelRatio(scale);
    QPainter painter(&m_frame);
    painter.drawImage(rect(), m_screen->capture(view.source));
    if (m_crosshair) {
        // Each line leaves out its end point, as a move-to/line-to pair does.
        const int half = m_crosshairSize / 2;
        const QPoint c = view.crosshairCentre;
        painter.setPen(toQColor(m_crosshairColor));
        if (2 * half > 0) {
            painter.drawLine(c.x(), c.y() - half, c.x(), c.y() + half - 1);
            painter.drawLine(c.x() - half, c.y(), c.x() + half - 1, c.y());
        }
    }
    Q_EMIT contentsChanged(this);
    return true;
}

void TMagnifier::paintEvent(QPaintEvent*)
{
    if (m_active && m_frame.isNull())
        capture();
    QPainter painter(this);
    if (m_active && !m_frame.isNull())
        painter.drawImage(0, 0, m_frame);
    else if (!m_active && m_cache)
        painter.drawImage(0, 0, *m_cache);
    else
        painter.fillRect(rect(), palette().color(backgroundRole()));
}

void TMagnifier::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_lastPointer = QPoint(INT_MAX, INT_MAX); // the next capture redraws whatever the pointer does
    if (m_active && capture())
        update();
}

} // namespace Tintara
