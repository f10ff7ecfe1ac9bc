#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringView>

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

} // namespace Tintara
