#include "pages/contrastgridview.h"

#include "color/notation.h"
#include "platform/colorconversion.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace Tintara {

namespace {

constexpr int header = 22; // room for the colour and slot number of each row and column
constexpr int maxCell = 30;

} // namespace

ContrastGridView::ContrastGridView(QWidget* parent)
    : QWidget(parent)
{
}

void ContrastGridView::setColors(const std::vector<TColor>& colors, const std::vector<int>& slotNumbers,
                                 const std::vector<QString>& slotNames)
{
    m_colors = colors;
    m_slotNumbers = slotNumbers;
    m_slotNames = slotNames;
    m_cells = contrastMatrix(m_colors);
    update();
}

void ContrastGridView::setMeasure(ContrastMeasure measure)
{
    m_measure = measure;
    update();
}

QSize ContrastGridView::cellSize() const
{
    const int n = std::max(count(), 1);
    return {std::min(maxCell, (width() - header) / n), std::min(maxCell, (height() - header) / n)};
}

QRect ContrastGridView::cellRect(int row, int column) const
{
    const QSize size = cellSize();
    return {header + column * size.width(), header + row * size.height(), size.width(), size.height()};
}

std::pair<int, int> ContrastGridView::cellAt(QPoint position) const
{
    const QSize size = cellSize();
    if (position.x() < header || position.y() < header || size.isEmpty())
        return {-1, -1};
    const int column = (position.x() - header) / size.width();
    const int row = (position.y() - header) / size.height();
    if (row >= count() || column >= count())
        return {-1, -1};
    return {row, column};
}

int ContrastGridView::headerAt(QPoint position) const
{
    const QSize size = cellSize();
    if (size.isEmpty() || (position.x() >= header) == (position.y() >= header))
        return -1; // the corner, or the cells
    const int n = position.x() >= header ? (position.x() - header) / size.width()
                                         : (position.y() - header) / size.height();
    return n < count() ? n : -1;
}

QString ContrastGridView::hintAt(QPoint position) const
{
    const auto html = [](TColor color) { return QString::fromStdString(ColorNotation(color, NotationHtml)); };
    if (const int n = headerAt(position); n >= 0)
        return m_slotNames[n] + QStringLiteral(": ") + html(m_colors[n]);
    const auto [row, column] = cellAt(position);
    if (row < 0)
        return {};
    return tr("Schrift: %1, Hintergrund: %2\n").arg(m_slotNames[row], m_slotNames[column])
        + contrastCellHint(cell(row, column), m_measure);
}

bool ContrastGridView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = hintAt(help->pos());
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, this);
        return true;
    }
    return QWidget::event(event);
}

void ContrastGridView::mouseReleaseEvent(QMouseEvent* event)
{
    const auto [row, column] = cellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && row >= 0)
        Q_EMIT cellClicked(cell(row, column));
}

void ContrastGridView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont small = font();
    small.setPointSize(7);
    painter.setFont(small);
    for (int i = 0; i < count(); ++i) {
        const QColor color = toQColor(m_colors[i]);
        const QColor label = toQColor(BestFontColor(m_colors[i]));
        const QString number = QString::number(m_slotNumbers[i]);
        const QRect column = cellRect(0, i);
        const QRect row = cellRect(i, 0);
        const QRect top(column.x() + 1, 3, column.width() - 2, header - 6);
        const QRect left(3, row.y() + 1, header - 6, row.height() - 2);
        for (const QRect& box : {top, left}) {
            painter.fillRect(box, color);
            painter.setPen(Qt::black);
            painter.drawRect(box.adjusted(0, 0, -1, -1));
            painter.setPen(label);
            painter.drawText(box, Qt::AlignCenter, number);
        }
    }
    QFont sample = font();
    sample.setBold(true);
    for (int row = 0; row < count(); ++row) {
        for (int column = 0; column < count(); ++column) {
            const ContrastCell& c = cell(row, column);
            const QRect box = cellRect(row, column).adjusted(1, 1, -1, -1);
            painter.fillRect(box, toQColor(c.background));
            painter.setFont(sample);
            painter.setPen(toQColor(c.text));
            painter.drawText(box.adjusted(0, 0, -4, 0), Qt::AlignCenter, QStringLiteral("Aa"));
            if (row == column)
                continue; // a colour on itself needs no verdict
            const QRect lamp(box.right() - 5, box.bottom() - 5, 5, 5);
            painter.fillRect(lamp, toQColor(contrastLamp(c, m_measure)));
            painter.setPen(Qt::black);
            painter.drawRect(lamp.adjusted(0, 0, -1, -1));
        }
    }
}

} // namespace Tintara
