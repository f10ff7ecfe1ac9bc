#pragma once

namespace Tintara {

// Every command of the window: each page, each scheme, editor and program command. The window
// keeps one action per command; pages ask for one by this name. Its value is the command's row
// in the window's command table, so that a command cannot be named that has no row.
enum class Command {
    // Module pages, in the order of the page control.
    Farbfinder, Helligkeitsverlauf, Farbverlauf, Abstufungen, Palette, Websicher, Testbilder, Kontrast,
    Testwebseiten, Export, Optionen, Farbinformationen, Konverter, Kontrastmatrix, Farbsehschwaeche, Farbskala, Bildfarben,
    // Scheme, editor and program commands.
    Neu, Laden, Speichern, SpeichernOhneDialog, Uebernehmen, Rueckgaengig, Wiederherstellen,
    Zufallsfarbe, Farbauswahl, Rgb, Hsv, Farbpicker, Oklch, Hilfe, Tray, Beenden,
};

inline constexpr int commandCount = static_cast<int>(Command::Beenden) + 1;

} // namespace Tintara
