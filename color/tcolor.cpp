#include "color/tcolor.h"

#include <array>
#include <cmath>

namespace Tintara {

namespace {

SystemColorResolver currentResolver = &defaultSystemColor;

} // namespace

TColor defaultSystemColor(int index)
{
    // Windows 7 and later, indexes 0..30; index 25 is unused there.
    static constexpr std::array<TColor, 31> table = {
        0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
        0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
        0xA0A0A0, 0x6D6D6D, 0x000000, 0x544E43, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
        0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0,
    };
    return index >= 0 && index < static_cast<int>(table.size()) ? table[index] : clBlack;
}

void setSystemColorResolver(SystemColorResolver resolver)
{
    currentResolver = resolver ? resolver : &defaultSystemColor;
}

TColor ColorToRGB(TColor color)
{
    return isSystemColor(color) ? currentResolver(static_cast<int>(color & 0xFF)) & 0xFFFFFF : color;
}

TColor ShadeColor(TColor color, int percent)
{
    const TColor c = ColorToRGB(color);
    const int target = percent > 0 ? 255 : 0;
    int p = percent > 0 ? percent : -percent;
    if (p > 100)
        p = 100;
    const auto shade = [&](int x) { return x + ((target - x) * p) / 100; };
    return RGB(shade(redOf(c)), shade(greenOf(c)), shade(blueOf(c))) | (c & 0xFF000000);
}

TColor InvertColor(TColor color)
{
    return ColorToRGB(color) ^ 0xFFFFFF;
}

TColor BestFontColor(TColor color)
{
    const TColor c = ColorToRGB(color);
    const int luminance = 61 * redOf(c) + 174 * greenOf(c) + 21 * blueOf(c);
    return luminance < 32768 ? clWhite : clBlack;
}

TColor GreyColor(TColor color)
{
    // Extended precision with round-half-even, as the values users already rely on were computed.
    const long double y = redOf(color) * 0.56L + greenOf(color) * 0.33L + blueOf(color) * 0.11L;
    const int grey = static_cast<int>(std::lrint(y));
    return RGB(grey, grey, grey);
}

} // namespace Tintara
