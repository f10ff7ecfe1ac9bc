#pragma once

#include "pages/command.h"
#include "pages/z_abstufungen.h"
#include "pages/z_bildfarben.h"
#include "pages/z_export.h"
#include "pages/z_farbrollen.h"
#include "pages/z_farbsehschwaeche.h"
#include "pages/z_farbskala.h"
#include "pages/z_farbverlauf.h"
#include "pages/z_helligkeit.h"
#include "pages/z_konverter.h"
#include "pages/z_kontrast.h"
#include "pages/z_kontrastmatrix.h"
#include "pages/z_optionen.h"
#include "pages/z_palette.h"
#include "pages/z_paletteninfo.h"
#include "pages/z_testbild.h"
#include "pages/z_vorschlag.h"
#include "pages/z_webseite.h"
#include "pages/z_websave.h"
#include "rules/navigationrules.h"

#include <QKeySequence>
#include <QStringList>

class QToolButton;

#include <algorithm>
#include <array>

namespace Tintara {

// Makes the module page a row shows, for the window that hosts it.
using PageFactory = ModulePage* (*)(PageHost& host);

// One row per command: the object names of its tool button (with its icon) and of its action (the form's
// menu entry, or an action the window makes where `windowAction` says so), its function key, its other
// keys, what it does to the module background and, for a page, how the page is made. The window
// builds its actions, its pages and its key handling from this table alone.
struct CommandRow {
    Command command;
    const char* button = nullptr;    // nullptr: no tool button
    const char* icon = nullptr;      // the tool button's
    const char* action;
    int functionKey = 0;             // n of F`n`; 0: none
    BackgroundUse background = BackgroundUse::Leaves;
    PageFactory createPage = nullptr;
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
    std::array<QKeyCombination, 2> keys{};
    bool windowAction = false; // the form has no menu entry for it
};

// The commands in the order of `Command`. A new page is its class and one row here.
inline constexpr std::array<CommandRow, commandCount> commandTable = {{
    {Command::Farbfinder, "ToolButton1", ":/icons/finder.svg", "mmFarbfinder",
     5, BackgroundUse::User, makePage<Z_Vorschlag>},
    {Command::Helligkeitsverlauf, "ToolButton9", ":/icons/brightness.svg", "mmHelligkeitsverlauf",
     6, BackgroundUse::User, makePage<Z_Helligkeit>},
    {Command::Farbverlauf, "ToolButton5", ":/icons/gradient.svg", "mmFarbverlauf",
     7, BackgroundUse::User, makePage<Z_Farbverlauf>},
    {Command::Abstufungen, "ToolButton3", ":/icons/scheme-gradations.svg", "mmAbstufungen",
     8, BackgroundUse::User, makePage<Z_Abstufungen>},
    {Command::Palette, "ToolButton26", ":/icons/palette.svg", "mmPalette", 9, BackgroundUse::User, makePage<Z_Palette>},
    {Command::Websicher, "ToolButton23", ":/icons/websafe.svg", "mmWebsicher",
     0, BackgroundUse::User, makePage<Z_Websave>},
    {Command::Testbilder, "ToolButton2", ":/icons/testimages.svg", "mmTestbilder",
     0, BackgroundUse::User, makePage<Z_Testbild>},
    {Command::Kontrast, "ToolButton32", ":/icons/contrast.svg", "mmKontrast",
     0, BackgroundUse::Standard, makePage<Z_Kontrast>},
    {Command::Testwebseiten, "ToolButton6", ":/icons/webpage.svg", "mmTestwebseiten",
     0, BackgroundUse::Standard, makePage<Z_Webseite>},
    {Command::Export, "ToolButton30", ":/icons/export.svg", "mmExport",
     0, BackgroundUse::Standard, makePage<Z_Export>, {},
     {QKeyCombination(Qt::ControlModifier, Qt::Key_E)}},
    {Command::Optionen, "ToolButton28", ":/icons/options.svg", "mmOptionen",
     11, BackgroundUse::Standard, makePage<Z_Optionen>},
    {Command::Farbinformationen, "ToolButton27", ":/icons/info.svg", "mmFarbinformationen",
     0, BackgroundUse::Standard, makePage<Z_Paletteninfo>},
    {Command::Konverter, nullptr, nullptr, "mmKonverter", 0, BackgroundUse::Standard, makePage<Z_Konverter>},
    {Command::Kontrastmatrix, nullptr, nullptr, "mmKontrastmatrix",
     0, BackgroundUse::Standard, makePage<Z_Kontrastmatrix>},
    {Command::Farbsehschwaeche, nullptr, nullptr, "mmFarbsehschwaeche",
     0, BackgroundUse::Standard, makePage<Z_Farbsehschwaeche>},
    {Command::Farbskala, nullptr, nullptr, "mmFarbskala", 0, BackgroundUse::Standard, makePage<Z_Farbskala>},
    {Command::Bildfarben, nullptr, nullptr, "mmBildfarben", 0, BackgroundUse::Standard, makePage<Z_Bildfarben>},
    {Command::Farbrollen, nullptr, nullptr, "mmFarbrollen", 0, BackgroundUse::Standard, makePage<Z_Farbrollen>},
    {Command::Neu, "ToolButton10", ":/icons/new.svg", "mmNeu", 0, BackgroundUse::Leaves, {}, QKeySequence::New},
    {Command::Laden, "ToolButton11", ":/icons/open.svg", "mmLaden", 0, BackgroundUse::Leaves, {}, QKeySequence::Open},
    {Command::Speichern, "ToolButton12", ":/icons/save.svg", "mmSpeichern"},
    // Ctrl+S saves in place, as in every editor; the menu entry and the tool button keep the dialog.
    {Command::SpeichernOhneDialog, nullptr, nullptr, "actSpeichernOhneDialog",
     0, BackgroundUse::Leaves, {}, QKeySequence::Save, {}, true},
    {Command::Uebernehmen, "ToolButton14", ":/icons/take-over.svg", "mmUebernehmen"},
    {Command::Rueckgaengig, nullptr, nullptr, "mmRueckgaengig", 0, BackgroundUse::Leaves, {}, QKeySequence::Undo, {},
     true},
    {Command::Wiederherstellen, nullptr, nullptr, "mmWiederherstellen",
     0, BackgroundUse::Leaves, {}, QKeySequence::UnknownKey,
     {QKeyCombination(Qt::ControlModifier, Qt::Key_Y),
      QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)}, true},
    {Command::Zufallsfarbe, "ToolButton4", ":/icons/random.svg", "mmZufallsfarbe"},
    {Command::Farbauswahl, "ToolButton21", ":/icons/colordialog.svg", "mmFarbauswahl"},
    {Command::Rgb, "ToolButton18", ":/icons/rgb.svg", "mmRGB", 2},
    {Command::Hsv, "ToolButton19", ":/icons/hsv.svg", "mmHSV", 3},
    {Command::Farbpicker, "ToolButton20", ":/icons/picker.svg", "mmFarbpicker", 4},
    {Command::Oklch, "ToolButtonOklch", ":/icons/oklch.svg", "mmOklch", 12},
    {Command::Hilfe, "ToolButton35", ":/icons/help.svg", "mmHilfeAufrufen", 1, BackgroundUse::Standard},
    {Command::Tray, "ToolButton33", ":/icons/tray.svg", "mmTray", 10, BackgroundUse::Standard},
    // Not every platform theme names a key for quitting.
    {Command::Beenden, "ToolButton25", ":/icons/exit.svg", "mmBeenden",
     0, BackgroundUse::Leaves, {}, QKeySequence::UnknownKey,
     {QKeyCombination(Qt::ControlModifier, Qt::Key_Q)}},
}};

// Each row stands at its command's place, so that the table is read by the command alone.
constexpr bool rowsInCommandOrder()
{
    for (std::size_t n = 0; n < commandTable.size(); ++n) {
        if (static_cast<std::size_t>(commandTable[n].command) != n)
            return false;
    }
    return true;
}
static_assert(rowsInCommandOrder(), "every command needs its row, in the order of Command");


// The tool button of `row` in `form`; none where the row has none or the form lacks it.
QToolButton* toolButtonOf(const QObject& form, const CommandRow& row);
// A row that names a tool button or menu entry `form` does not have, said plainly; none where every
// row finds its controls.
QStringList missingFormControls(const QObject& form);

constexpr const CommandRow& commandRow(Command command)
{
    return commandTable[static_cast<std::size_t>(command)];
}

// The command that shows the page of class `Page`.
template <class Page> Command pageCommand()
{
    const auto row = std::find_if(commandTable.begin(), commandTable.end(),
                                  [](const CommandRow& r) { return r.createPage == &makePage<Page>; });
    if (row == commandTable.end())
        qFatal("a page class without its row in the command table");
    return row->command;
}

} // namespace Tintara
