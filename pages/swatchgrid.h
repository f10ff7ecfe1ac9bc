#pragma once

#include <QRect>

#include <array>
#include <vector>

class QWidget;

namespace Tintara {

class TColorShape;

// The swatch grids created at start-up: swatch n (from 1) stands in row (n-1) / columns.
struct SwatchGrid {
    const char* prefix;
    const char* page;
    int rows, columns, width, height, stepX, stepY;

    int count() const { return rows * columns; }
    QRect cell(int n) const
    {
        const int row = (n - 1) / columns;
        const int column = (n - 1) % columns;
        return QRect(6 + stepX * column, 6 + stepY * row, width, height);
    }
};

inline constexpr std::array<SwatchGrid, 5> swatchGrids = {{
    {"Abstuf", "Z_Abstufungen", 18, 16, 25, 16, 30, 18},
    {"Verlauf", "Z_Farbverlauf", 16, 16, 28, 15, 32, 18},
    {"HD", "Z_Helligkeit", 10, 20, 23, 27, 25, 29},
    {"WS", "Z_Websave", 18, 12, 40, 19, 42, 20},
    {"PFA", "Z_Konverter", 6, 8, 60, 48, 64, 52},
}};

// Creates the grid named `prefix` on `page`: swatch n at its cell, named prefix + n, dragging
// automatically. The swatches belong to the page.
std::vector<TColorShape*> createSwatchGrid(QWidget* page, const char* prefix);

} // namespace Tintara
