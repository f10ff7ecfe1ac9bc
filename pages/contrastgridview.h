#pragma once

#include "rules/contrastrules.h"

#include <QWidget>

#include <vector>

namespace Tintara {

// A square matrix of contrast cells: each shows "Aa" in its row's colour on its column's colour
// with a lamp for the verdict of the chosen measure (none on the diagonal, a colour on itself);
// the headers show the colours and their slot numbers. Hints name the slots and give the
// figures; a click chooses the cell.
class ContrastGridView : public QWidget
{
    Q_OBJECT

public:
    explicit ContrastGridView(QWidget* parent = nullptr);

    // `slotNumbers` number the colours in the headers, `slotNames` name them in the hints.
    void setColors(const std::vector<TColor>& colors, const std::vector<int>& slotNumbers,
                   const std::vector<QString>& slotNames);
    void setMeasure(ContrastMeasure measure);
    // The hint at `position`: a cell's or a header's; empty elsewhere.
    QString hintAt(QPoint position) const;
    int count() const { return static_cast<int>(m_colors.size()); }
    const ContrastCell& cell(int row, int column) const { return m_cells[row * count() + column]; }
    // The cell's rectangle in the widget.
    QRect cellRect(int row, int column) const;

Q_SIGNALS:
    void cellClicked(const Tintara::ContrastCell& cell);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSize cellSize() const;
    // Row and column under `position`, or (-1, -1).
    std::pair<int, int> cellAt(QPoint position) const;
    // The colour whose header is at `position`, or -1.
    int headerAt(QPoint position) const;

    std::vector<TColor> m_colors;
    std::vector<int> m_slotNumbers;
    std::vector<QString> m_slotNames;
    ContrastMeasure m_measure = ContrastMeasure::Wcag;
    std::vector<ContrastCell> m_cells;
};

} // namespace Tintara
