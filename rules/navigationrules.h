#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringView>

#include <array>
#include <span>

namespace Tintara {

// What the page dispatcher does for a sender, besides showing a page.
enum class Command {
    ShowPage, NewScheme, OpenScheme, SaveScheme, TakeProposals, RandomColour, ColourDialog,
    RgbMode, HsvMode, PickerMode, Help, Tray, Exit,
};

class ModulePage;
class PageHost;
// Makes the module page a row shows, for the window that hosts it.
using PageFactory = ModulePage* (*)(PageHost& host);

// One row per way into the dispatcher: the sender (a tool button or BitBtn1), the main-menu entry
// and the function key that pass it, the page it shows (made by `createPage`), and whether that page
// shows the user's background. The dispatcher, the menu, the keys, the background rule and the
// set of pages all read one such table.
struct Navigation {
    const char* sender;
    const char* menuEntry; // nullptr: no entry of its own
    int functionKey;       // n of F`n`, 0: none
    Command command;
    const char* page = nullptr;
    bool userBackground = false;
    PageFactory createPage = nullptr;
};

// The row of a sender, a menu entry or a function key; nullptr for anything the table lacks.
const Navigation* navigationForSender(std::span<const Navigation> table, QStringView sender);
const Navigation* navigationForMenuEntry(std::span<const Navigation> table, QStringView entry);
const Navigation* navigationForKey(std::span<const Navigation> table, int n);

// Where a page-dispatcher command leaves the module background.
enum class BackgroundRule { Unchanged, Custom, Standard };

// `customFlag` is the custom background flag (1 while the user's colour is in force). Commands
// that change no page leave the background; the help, the tray and unknown senders restore it.
BackgroundRule backgroundRule(const Navigation* row, int customFlag);

// Module pages on which the user's background colour shows.
bool isBackgroundPage(std::span<const Navigation> table, QStringView page);

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
