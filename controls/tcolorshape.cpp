#include "controls/tcolorshape.h"

#include "platform/systemcolors.h"

#include <QEnterEvent>
#include <QPainter>

namespace Tintara {

TColorShape::TColorShape(QWidget* parent)
    : QWidget(parent)
{
}

void TColorShape::setColor(TColor color)
{
    if (m_brushColor != color) {
        m_brushColor = color;
        update();
    }
    Q_EMIT colorChanged(this);
}

void TColorShape::setBrushStyle(BrushStyle style)
{
    if (m_brushStyle == style)
        return;
    m_brushStyle = style;
    update();
    Q_EMIT brushStyleChanged(this);
}

void TColorShape::setPenColor(TColor color)
{
    m_penColor = color;
    update();
}

void TColorShape::setPenStyle(PenStyle style)
{
    m_penStyle = style;
    update();
}

void TColorShape::setPenWidth(int width)
{
    m_penWidth = std::max(0, width);
    update();
}

void TColorShape::setHint(const QString& hint)
{
    m_hint = hint;
    setToolTip(m_showHint ? m_hint : QString());
}

void TColorShape::setShowHint(bool show)
{
    m_showHint = show;
    setToolTip(m_showHint ? m_hint : QString());
}

QRect TColorShape::figureRect(QSize size, int penWidth)
{
    if (penWidth <= 0)
        return QRect(QPoint(0, 0), size);
    const int offset = penWidth / 2;
    return QRect(offset, offset, size.width() - penWidth + 1, size.height() - penWidth + 1);
}

void TColorShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect figure = figureRect(size(), m_penWidth);
    const QColor fill = toQColor(m_brushColor);
    switch (m_brushStyle) {
    case BrushStyle::Solid: painter.fillRect(figure, fill); break;
    case BrushStyle::Clear: break;
    // Hatches are drawn over whatever lies behind the swatch.
    case BrushStyle::Cross: painter.fillRect(figure, QBrush(fill, Qt::CrossPattern)); break;
    case BrushStyle::DiagCross: painter.fillRect(figure, QBrush(fill, Qt::DiagCrossPattern)); break;
    }
    if (m_penStyle == PenStyle::Clear)
        return;

    // A solid pen is centred on the figure's edge, an inside-frame pen stays within it.
    const int width = std::max(1, m_penWidth);
    const int grow = m_penStyle == PenStyle::Solid && m_penWidth > 0 ? m_penWidth / 2 : 0;
    const int extra = m_penStyle == PenStyle::Solid && m_penWidth > 0 ? m_penWidth - 1 : 0;
    const QRect outer(figure.x() - grow, figure.y() - grow, figure.width() + extra, figure.height() + extra);
    const QColor line = toQColor(m_penColor);
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), line);
    painter.fillRect(QRect(outer.left(), outer.bottom() - width + 1, outer.width(), width), line);
    painter.fillRect(QRect(outer.left(), outer.top(), width, outer.height()), line);
    painter.fillRect(QRect(outer.right() - width + 1, outer.top(), width, outer.height()), line);
}

void TColorShape::enterEvent(QEnterEvent* event)
{
    pointerEntered();
    event->accept();
}

void TColorShape::leaveEvent(QEvent* event)
{
    pointerLeft();
    event->accept();
}

void TColorShape::pointerEntered()
{
    if (!m_over) {
        m_savedHintColor = applicationHintColor();
        if (m_designing)
            return;
        setApplicationHintColor(m_hintColor);
        m_over = true;
    }
    Q_EMIT mouseEnter(this);
}

void TColorShape::pointerLeft()
{
    if (m_over) {
        setApplicationHintColor(m_savedHintColor);
        m_over = false;
    }
    Q_EMIT mouseLeave(this);
}

void TColorShape::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::StyleChange)
        Q_EMIT ctl3DChanged(this);
    else if (event->type() == QEvent::PaletteChange)
        Q_EMIT parentColorChange(this);
}

} // namespace Tintara
