#pragma once

#include "color/colortext.h"
#include "color/tcolor.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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
    NotationCssDisplayP3, // color(display-p3 0.917 0.200 0.139): three decimals, more where needed
    NotationCount
};

// Marks the menu texts for the translation tools; Qt's own definition, for code without Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// A function a table row must name: it has no default, so a row that leaves it out, or gives
// nullptr, does not compile.
template <typename Function>
struct RowFunction {
    constexpr RowFunction(Function* function) : call(function) {}
    RowFunction(std::nullptr_t) = delete;
    template <typename... Arguments>
    auto operator()(Arguments&&... arguments) const
    {
        return call(std::forward<Arguments>(arguments)...);
    }
    Function* call;
};

// Each notation, one row per notation in its order: its text in the context menu's "Farbwert
// kopieren", the name the copy-format list of the options page, quick copy and tray mode show, how
// a colour is written in it and how such a text is read back. A notation added to the enum needs
// its row with both, or the program does not compile.
struct NotationRow {
    Notation notation;
    const char* menuText;
    const char* formatName;
    RowFunction<std::string(TColor color)> format;
    RowFunction<std::optional<TColor>(std::string_view text)> read;
};

extern const std::array<NotationRow, NotationCount> notationTable;

// "$" and eight hex digits, or the identifier of a named or system colour ("clRed", "clBtnFace").
std::string ColorToString(TColor color);

std::string ColorNotation(TColor color, int notation);

// "oklch(0.681 0.170 50.4)" with `extraDecimals` more than those three and one, and how many more
// `color` needs to read back; a list of colours written alike takes the most any of them needs.
std::string oklchText(TColor color, int extraDecimals);
int oklchExtraDecimals(TColor color);
// A colour in Display P3 with the fewest decimals (three at least) that give it back exactly: an
// 8-bit sRGB colour as it reads back, a colour written as CIE XYZ D65 (which may lie beyond sRGB)
// to within a millionth.
std::string displayP3Text(TColor color);
std::string displayP3Text(const Xyz& xyz);

// A colour's notation where the colour may lie beyond sRGB (`wide`, shown as `shown`): the
// specified notations and the others of an sRGB colour write `shown`; "CSS oklch()" and "CSS
// color(display-p3)" write the wide colour itself where it lies beyond sRGB.
std::string wideColorNotation(TColor shown, const Xyz& wide, int notation);
bool insideSrgb(const Xyz& xyz);
bool insideDisplayP3(const Xyz& xyz);

// The RGB colour an identifier like "clRed" names, in either case; none for system colours.
std::optional<TColor> namedColor(std::string_view identifier);

// The value panel's four texts; its Delphi field never uses an identifier.
struct ValuePanelTexts {
    std::string html, rgb, delphi, cpp;
};
ValuePanelTexts valuePanelTexts(TColor color);

} // namespace Tintara
