#pragma once

#include "color/tcolor.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace Tintara {

// The clipboard notations, in the order of the copy-format choice: the eight of old, then those
// of today's style sheets.
enum Notation : int {
    NotationHtml,
    NotationHex,
    NotationRgb,
    NotationDelphi,
    NotationCpp,
    NotationVisualBasic,
    NotationVisualBasicNet,
    NotationCmyk,
    NotationCssRgb,   // rgb(232 115 28)
    NotationCssHsl,   // hsl(26 82% 51%): whole numbers, decimals only where needed
    NotationCssOklch, // oklch(0.681 0.170 50.4): lightness and chroma to three decimals, hue to one,
                      // more only where a colour needs them to read back
    NotationCount
};

// Marks the menu texts for the translation tools; Qt's own definition, for code without Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// Where each notation is offered, one row per notation in its order: the copy item of the context
// menu's "Farbwert kopieren" (object name and text), and the name the copy-format list of the
// options page, quick copy and tray mode show. A notation added to the enum needs its row here, or
// the program does not compile.
struct NotationRow {
    Notation notation;
    const char* menuItem;
    const char* menuText;
    const char* formatName;
};

inline constexpr std::array<NotationRow, NotationCount> notationTable = {{
    {NotationHtml, "puHTML", QT_TRANSLATE_NOOP("Notation", "HTML-Hexwert"), "HTML"},
    {NotationHex, "puHex", QT_TRANSLATE_NOOP("Notation", "Hexwert"), "Hex"},
    {NotationRgb, "puRGB", QT_TRANSLATE_NOOP("Notation", "RGB-Wert"), "RGB"},
    {NotationDelphi, "puDelphi", QT_TRANSLATE_NOOP("Notation", "Delphi-Farbwert"), "Delphi"},
    {NotationCpp, "puCpp", QT_TRANSLATE_NOOP("Notation", "C++-Farbwert"), "C++"},
    {NotationVisualBasic, "puVB", QT_TRANSLATE_NOOP("Notation", "Visual Basic-Farbwert"), "Visual Basic"},
    {NotationVisualBasicNet, "puVSN", QT_TRANSLATE_NOOP("Notation", "Visual Studio .NET-Farbwert"),
     "Visual Basic.Net"},
    {NotationCmyk, "puCMYK", QT_TRANSLATE_NOOP("Notation", "CMYK-Farbwert"), "CMYK"},
    {NotationCssRgb, "puCssRgb", "CSS rgb()", "CSS rgb()"},
    {NotationCssHsl, "puCssHsl", "CSS hsl()", "CSS hsl()"},
    {NotationCssOklch, "puCssOklch", "CSS oklch()", "CSS oklch()"},
}};

constexpr bool everyNotationHasItsRow()
{
    for (int n = 0; n < NotationCount; ++n) {
        if (notationTable[static_cast<std::size_t>(n)].notation != n || !notationTable[static_cast<std::size_t>(n)].menuItem)
            return false;
    }
    return true;
}
static_assert(everyNotationHasItsRow(), "every notation needs its row in notationTable, in the order of the enum");

// "$" and eight hex digits, or the identifier of a named or system colour ("clRed", "clBtnFace").
std::string ColorToString(TColor color);

std::string ColorNotation(TColor color, int notation);

// "oklch(0.681 0.170 50.4)" with `extraDecimals` more than those three and one, and how many more
// `color` needs to read back; a list of colours written alike takes the most any of them needs.
std::string oklchText(TColor color, int extraDecimals);
int oklchExtraDecimals(TColor color);

// The RGB colour an identifier like "clRed" names, in either case; none for system colours.
std::optional<TColor> namedColor(std::string_view identifier);

// The value panel's four texts; its Delphi field never uses an identifier.
struct ValuePanelTexts {
    std::string html, rgb, delphi, cpp;
};
ValuePanelTexts valuePanelTexts(TColor color);

} // namespace Tintara
