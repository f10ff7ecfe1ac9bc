#include "color/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace Tintara {

std::string decimalText(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0)
        rounded = 0; // drops the sign of -0
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(text, end) : std::string();
}

std::string decimalCommaText(double value, int decimals)
{
    std::string text = decimalText(value, decimals);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

} // namespace Tintara
