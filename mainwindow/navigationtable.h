#pragma once

#include "pages/z_abstufungen.h"
#include "pages/z_export.h"
#include "pages/z_farbverlauf.h"
#include "pages/z_helligkeit.h"
#include "pages/z_konverter.h"
#include "pages/z_kontrast.h"
#include "pages/z_farbsehschwaeche.h"
#include "pages/z_kontrastmatrix.h"
#include "pages/z_optionen.h"
#include "pages/z_palette.h"
#include "pages/z_paletteninfo.h"
#include "pages/z_testbild.h"
#include "pages/z_vorschlag.h"
#include "pages/z_webseite.h"
#include "pages/z_websave.h"
#include "rules/navigationrules.h"

namespace Tintara {

// Every way into the window's dispatcher, and every module page, in the order of the page control.
// A new page is its class and one row here.
inline constexpr std::array<Navigation, 27> navigationTable = {{
    {"ToolButton1", "mmFarbfinder", 5, Command::ShowPage, "Z_Vorschlag", true, makePage<Z_Vorschlag>},
    {"ToolButton9", "mmHelligkeitsverlauf", 6, Command::ShowPage, "Z_Helligkeit", true, makePage<Z_Helligkeit>},
    {"ToolButton5", "mmFarbverlauf", 7, Command::ShowPage, "Z_Farbverlauf", true, makePage<Z_Farbverlauf>},
    {"ToolButton3", "mmAbstufungen", 8, Command::ShowPage, "Z_Abstufungen", true, makePage<Z_Abstufungen>},
    {"ToolButton26", "mmPalette", 9, Command::ShowPage, "Z_Palette", true, makePage<Z_Palette>},
    {"ToolButton23", "mmWebsicher", 0, Command::ShowPage, "Z_Websave", true, makePage<Z_Websave>},
    {"ToolButton2", "mmTestbilder", 0, Command::ShowPage, "Z_Testbild", true, makePage<Z_Testbild>},
    {"ToolButton32", "mmKontrast", 0, Command::ShowPage, "Z_Kontrast", false, makePage<Z_Kontrast>},
    {"ToolButton6", "mmTestwebseiten", 0, Command::ShowPage, "Z_Webseite", false, makePage<Z_Webseite>},
    {"ToolButton30", "mmExport", 0, Command::ShowPage, "Z_Export", false, makePage<Z_Export>},
    {"ToolButton28", "mmOptionen", 11, Command::ShowPage, "Z_Optionen", false, makePage<Z_Optionen>},
    {"ToolButton27", "mmFarbinformationen", 0, Command::ShowPage, "Z_Paletteninfo", false, makePage<Z_Paletteninfo>},
    {"BitBtn1", "mmKonverter", 0, Command::ShowPage, "Z_Konverter", false, makePage<Z_Konverter>},
    {"mmKontrastmatrix", "mmKontrastmatrix", 0, Command::ShowPage, "Z_Kontrastmatrix", false, makePage<Z_Kontrastmatrix>},
    {"mmFarbsehschwaeche", "mmFarbsehschwaeche", 0, Command::ShowPage, "Z_Farbsehschwaeche", false,
     makePage<Z_Farbsehschwaeche>},
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

} // namespace Tintara
