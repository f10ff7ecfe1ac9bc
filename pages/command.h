#pragma once

namespace Tintara {

// Every command of the window: each page, each scheme, editor and program command. The window
// keeps one action per command; pages ask for one by this name. Its value is the command's row
// in the window's command table, so that a command cannot be named that has no row.
// Module pages first, in the order of the page control; then the scheme, editor and program
// commands.
#define TINTARA_COMMANDS(X)                                                                                   \
    X(Farbfinder) X(Helligkeitsverlauf) X(Farbverlauf) X(Abstufungen) X(Palette) X(Websicher) X(Testbilder)   \
    X(Kontrast) X(Testwebseiten) X(Export) X(Optionen) X(Farbinformationen) X(Konverter) X(Kontrastmatrix)    \
    X(Farbsehschwaeche) X(Farbskala) X(Bildfarben) X(Farbrollen)                                              \
    X(Neu) X(Laden) X(Speichern) X(SpeichernOhneDialog) X(Uebernehmen) X(Rueckgaengig) X(Wiederherstellen)    \
    X(Zufallsfarbe) X(Farbauswahl) X(Rgb) X(Hsv) X(Farbpicker) X(Oklch) X(Hilfe) X(Tray) X(Beenden)

#define TINTARA_COMMAND_ENUMERATOR(name) name,
enum class Command { TINTARA_COMMANDS(TINTARA_COMMAND_ENUMERATOR) };
#undef TINTARA_COMMAND_ENUMERATOR

// Counted from the list, so that a command added anywhere in it needs its row.
#define TINTARA_COMMAND_ONE(name) +1
inline constexpr int commandCount = 0 TINTARA_COMMANDS(TINTARA_COMMAND_ONE);
#undef TINTARA_COMMAND_ONE

} // namespace Tintara
