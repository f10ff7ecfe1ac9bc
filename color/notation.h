#pragma once

#include "color/tcolor.h"

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

// "$" and eight hex digits, or the identifier of a named or system colour ("clRed", "clBtnFace").
std::string ColorToString(TColor color);

std::string ColorNotation(TColor color, int notation);

// The RGB colour an identifier like "clRed" names, in either case; none for system colours.
std::optional<TColor> namedColor(std::string_view identifier);

// The value panel's four texts; its Delphi field never uses an identifier.
struct ValuePanelTexts {
    std::string html, rgb, delphi, cpp;
};
ValuePanelTexts valuePanelTexts(TColor color);

} // namespace Tintara
