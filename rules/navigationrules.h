#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <array>

namespace Tintara {

// Where a page-dispatcher command leaves the module background.
enum class BackgroundRule { Unchanged, Custom, Standard };

// `customFlag` is the custom background flag (1 while the user's colour is in force).
BackgroundRule backgroundRule(const QString& sender, int customFlag);

// The module page a dispatcher sender shows, or an empty string for commands.
QString pageForSender(const QString& sender);

// The control that function key F`n` (1..11) passes to the dispatcher, or an empty string.
QString functionKeyButton(int n);

// The control a main-menu entry passes to the dispatcher.
QString menuEntryButton(const QString& action);

// Module pages on which the user's background colour shows.
bool isBackgroundPage(const QString& page);

// Whether a window whose frame starts at `topLeft` and is `width` wide keeps part of its title bar
// on one of `screens`, so that the user can still reach and move it.
bool titleBarReachable(QPoint topLeft, int width, const QList<QRect>& screens);

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

} // namespace Tintara
