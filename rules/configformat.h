#pragma once

#include "rules/schemeformat.h"

namespace Tintara {

// Everything tintara.ini keeps, with the defaults of a missing file.
struct Configuration {
    TColor farbanzeige = 0;
    TColor helligkeit = 0;
    TColor verlaufStart = 0;
    TColor verlaufEnde = 0;
    std::array<TColor, 5> clipbrd{clBtnFace, clBtnFace, clBtnFace, clBtnFace, clBtnFace};
    TColor backgrnd = clBtnFace;
    int backgrndS = 0;
    std::array<TColor, 4> pal{clBtnFace, clBtnFace, clBtnFace, clBtnFace};
    std::array<int, 4> palGes{};
    SchemeSlots scheme;
    int modus = 0;
    int links = 0;
    int oben = 0;
    int vorschlag = 0;
    int abstufungen = 0;
    int tray = 0;
    int deckkraft = 0;
    int zoomfaktor = 0;
    bool rahmen = true;
    std::array<bool, 18> options{true, true, true, true, true, true, true, true, true,
                                 true, true, true, true, true, true, true, true, true};
};

Configuration readConfiguration(const IniFile& ini);
// Erases the program's five sections and writes them anew in their fixed order; other sections stay.
void writeConfiguration(IniFile& ini, const Configuration& config);

} // namespace Tintara
