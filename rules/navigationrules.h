#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringView>

#include <array>

namespace Tintara {

// What the page dispatcher does for a sender, besides showing a page.
enum class Command {
    ShowPage, NewScheme, OpenScheme, SaveScheme, TakeProposals, RandomColour, ColourDialog,
    RgbMode, HsvMode, PickerMode, Help, Tray, Exit,
};

// One row per way into the dispatcher: the sender (a tool button or BitBtn1), the main-menu entry
// and the function key that pass it, the page it shows, and whether that page shows the user's
// background. The dispatcher, the menu, the keys and the background rule all read this table.
struct Navigation {
    const char* sender;
    const char* menuEntry; // nullptr: no entry of its own
    int functionKey;       // n of F`n`, 0: none
    Command command;
    const char* page = nullptr;
    bool userBackground = false;
};

inline constexpr std::array<Navigation, 25> navigationTable = {{
    {"ToolButton1", "mmFarbfinder", 5, Command::ShowPage, "Z_Vorschlag", true},
    {"ToolButton9", "mmHelligkeitsverlauf", 6, Command::ShowPage, "Z_Helligkeit", true},
    {"ToolButton5", "mmFarbverlauf", 7, Command::ShowPage, "Z_Farbverlauf", true},
    {"ToolButton3", "mmAbstufungen", 8, Command::ShowPage, "Z_Abstufungen", true},
    {"ToolButton26", "mmPalette", 9, Command::ShowPage, "Z_Palette", true},
    {"ToolButton23", "mmWebsicher", 0, Command::ShowPage, "Z_Websave", true},
    {"ToolButton2", "mmTestbilder", 0, Command::ShowPage, "Z_Testbild", true},
    {"ToolButton32", "mmKontrast", 0, Command::ShowPage, "Z_Kontrast"},
    {"ToolButton6", "mmTestwebseiten", 0, Command::ShowPage, "Z_Webseite"},
    {"ToolButton30", "mmExport", 0, Command::ShowPage, "Z_Export"},
    {"ToolButton28", "mmOptionen", 11, Command::ShowPage, "Z_Optionen"},
    {"ToolButton27", "mmFarbinformationen", 0, Command::ShowPage, "Z_Paletteninfo"},
    {"BitBtn1", "mmKonverter", 0, Command::ShowPage, "Z_Konverter"},
    {"ToolButton10", "mmNeu", 0, Command::NewScheme},
    {"ToolButton11", "mmLaden", 0, Command::OpenScheme},
    {"ToolButton12", "mmSpeichern", 0, Command::SaveScheme},
    {"ToolButton14", "mmUebernehmen", 0, Command::TakeProposals},
    {"ToolButton4", "mmZufallsfarbe", 0, Command::RandomColour},
    {"ToolButton21", "mmFarbauswahl", 0, Command::ColourDialog},
    {"ToolButton18", "mmRGB", 2, Command::RgbMode},
    {"ToolButton19", "mmHSV", 3, Command::HsvMode},
    {"ToolButton20", "mmFarbpicker", 4, Command::PickerMode},
    {"ToolButton35", "mmHilfeAufrufen", 1, Command::Help},
    {"ToolButton33", "mmTray", 10, Command::Tray},
    {"ToolButton25", "mmBeenden", 0, Command::Exit},
}};

// The row of a sender, a menu entry or a function key; nullptr for anything the table lacks.
const Navigation* navigationForSender(QStringView sender);
const Navigation* navigationForMenuEntry(QStringView entry);
const Navigation* navigationForKey(int n);

// Where a page-dispatcher command leaves the module background.
enum class BackgroundRule { Unchanged, Custom, Standard };

// `customFlag` is the custom background flag (1 while the user's colour is in force). Commands
// that change no page leave the background; the help, the tray and unknown senders restore it.
BackgroundRule backgroundRule(const Navigation* row, int customFlag);

// Module pages on which the user's background colour shows.
bool isBackgroundPage(QStringView page);

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
