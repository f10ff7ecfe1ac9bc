#pragma once

#include "rules/schemeformat.h"

namespace Tintara {

// The eighteen switches of the options page, by what they restore; the value is the n of the
// check box cbOpt_n and of the key "Opt"n in tintara.ini, so their order in the file stays.
enum class Option : int {
    RestoreAtStart, ActiveColour, DisplayMode, MagnifierZoom, Scheme, InfoTexts, ClipboardColours, Background,
    WindowPosition, GradientColours, BrightnessStart, FinderRule, FinderFrames, MixerOpacity, MixingFields,
    GradationChoice, CopyFormat, ExitWithoutQuestion,
};
inline constexpr int optionCount = static_cast<int>(Option::ExitWithoutQuestion) + 1;

// Every switch is on until the file says otherwise.
struct OptionSwitches {
    static constexpr std::array<bool, optionCount> allOn()
    {
        std::array<bool, optionCount> on{};
        on.fill(true);
        return on;
    }
    std::array<bool, optionCount> on = allOn();
    bool operator[](Option o) const { return on[static_cast<std::size_t>(o)]; }
    bool& operator[](Option o) { return on[static_cast<std::size_t>(o)]; }
    // What the switch `o` restores at start comes back only while the master switch is on too.
    bool restores(Option o) const { return (*this)[Option::RestoreAtStart] && (*this)[o]; }
    bool operator==(const OptionSwitches&) const = default;
};

// What the module pages keep in tintara.ini, with the defaults of a missing file.
struct PageSettings {
    TColor helligkeit = 0;
    TColor verlaufStart = 0;
    TColor verlaufEnde = 0;
    std::array<TColor, 4> pal{clBtnFace, clBtnFace, clBtnFace, clBtnFace};
    std::array<int, 4> palGes{};
    int vorschlag = 0;
    int abstufungen = 0;
    int tray = 0;
    int deckkraft = 0;
    bool rahmen = true;
    OptionSwitches options;
    bool oklabGradient = false; // the gradient page mixes in OKLab; kept in a section of its own
    bool operator==(const PageSettings&) const = default;
};

// What a page shows when it is made and nothing is restored into it.
PageSettings freshPageSettings();

// Everything tintara.ini keeps, with the defaults of a missing file.
struct Configuration {
    TColor farbanzeige = 0;
    std::array<TColor, 5> clipbrd{clBtnFace, clBtnFace, clBtnFace, clBtnFace, clBtnFace};
    TColor backgrnd = clBtnFace;
    int backgrndS = 0;
    SchemeSlots scheme;
    int modus = 0;
    int links = 0;
    int oben = 0;
    int zoomfaktor = 0;
    PageSettings pages;
    // Kept in a section of their own after the program's sections.
    bool oklchMode = false; // the editor shows OKLCH; [Modus] Modus then says RGB
    int oklchGamut = 0;     // the OKLCH editor's gamut: 0 sRGB, 1 Display P3
    int zoom = 100;         // the window's zoom in percent
    int appearance = 0;     // the chrome: 0 like the desktop, 1 light, 2 dark
    QString sprache = QStringLiteral("de"); // the interface's language, "de" or "en"
};

Configuration readConfiguration(const IniFile& ini);
// What the program takes at start from the file's `stored` settings: each key its switch restores,
// and `fresh`, what the program shows when nothing is restored, for the others.
Configuration restoredConfiguration(const Configuration& stored, const Configuration& fresh);
// Erases the program's five sections and the two of its additions and writes them anew in their
// fixed order; other sections stay.
void writeConfiguration(IniFile& ini, const Configuration& config);

} // namespace Tintara
