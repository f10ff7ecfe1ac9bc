#pragma once

#include <string>

namespace Tintara {

// `value` with `decimals` digits after a decimal point, halves rounded away from zero, and no
// "-0". Independent of the C library's locale, so style sheets and files always get a point.
std::string decimalText(double value, int decimals);

// The same with the decimal comma, for numbers a person reads in the window.
std::string decimalCommaText(double value, int decimals);

} // namespace Tintara
