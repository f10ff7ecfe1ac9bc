#include "color/html.h"

#include <optional>

namespace Tintara {

namespace {

std::optional<int> hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

std::optional<int> hexByte(std::string_view two)
{
    const auto high = hexDigit(two[0]);
    const auto low = hexDigit(two[1]);
    if (!high || !low)
        return std::nullopt;
    return *high * 16 + *low;
}

// Length in characters of UTF-8 text: every byte that does not continue a sequence.
std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

} // namespace

TColor HTMLToColor(std::string_view text, TColor fallback)
{
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '#')
        digits.remove_prefix(1);
    if (digits.find('#') != std::string_view::npos)
        return fallback;
    if (characterCount(digits) != 6)
        return fallback;
    if (digits.size() != 6)
        return clBlack; // six characters, but not all of them ASCII, so not all hex digits
    const auto red = hexByte(digits.substr(0, 2));
    const auto green = hexByte(digits.substr(2, 2));
    const auto blue = hexByte(digits.substr(4, 2));
    if (!red || !green || !blue)
        return clBlack;
    return RGB(*red, *green, *blue);
}

} // namespace Tintara
