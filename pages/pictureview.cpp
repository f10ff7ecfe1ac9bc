#include "pages/pictureview.h"

#include <QMouseEvent>
#include <QPainter>

namespace Tintara {

PictureView::PictureView(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus); // the page's Ctrl+V needs the focus on the page
    setCursor(Qt::CrossCursor);
}

void PictureView::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_shown = {};
    update();
}

QRect PictureView::pictureRect() const
{
    if (m_picture.isNull())
        return {};
    const QSize size = m_picture.size().scaled(this->size(), Qt::KeepAspectRatio);
    return {QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().dark());
    const QRect target = pictureRect();
    if (target.isEmpty())
        return;
    if (m_shown.size() != target.size())
        m_shown = m_picture.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(target.topLeft(), m_shown);
}

void PictureView::resizeEvent(QResizeEvent*)
{
    m_shown = {};
}

// The press is taken, so that the release comes here too.
void PictureView::mousePressEvent(QMouseEvent* event)
{
    event->setAccepted(event->button() == Qt::LeftButton && !m_picture.isNull());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event)
{
    const QRect target = pictureRect();
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !target.contains(at))
        return;
    const int x = (at.x() - target.left()) * m_picture.width() / target.width();
    const int y = (at.y() - target.top()) * m_picture.height() / target.height();
    Q_EMIT pixelClicked({std::min(x, m_picture.width() - 1), std::min(y, m_picture.height() - 1)});
}

} // namespace Tintara
