#pragma once

#include "color/tcolor.h"

#include <string>

namespace Tintara {

// The eight clipboard notations, in the order of the copy-format choice.
enum Notation : int {
    NotationHtml,
    NotationHex,
    NotationRgb,
    NotationDelphi,
    NotationCpp,
    NotationVisualBasic,
    NotationVisualBasicNet,
    NotationCmyk,
    NotationCount
};

// "$" and eight hex digits, or the identifier of a named or system colour ("clRed", "clBtnFace").
std::string ColorToString(TColor color);

std::string ColorNotation(TColor color, int notation);

// The value panel's four texts; its Delphi field never uses an identifier.
struct ValuePanelTexts {
    std::string html, rgb, delphi, cpp;
};
ValuePanelTexts valuePanelTexts(TColor color);

} // namespace Tintara
