#pragma once

#include <cstdint>

namespace Tintara {

// 0x00BBGGRR for an RGB colour; high byte 0xFF marks a reference to a system colour
// whose index is the low byte.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clWindowText = 0xFF000008;
inline constexpr TColor clInfoBk = 0xFF000018;

// System-colour indexes the program resolves.
enum SystemColorIndex : int {
    SysWindow = 5,
    SysWindowText = 8,
    SysBtnFace = 15,
    SysBtnShadow = 16,
    Sys3DDkShadow = 21,
    SysInfoBk = 24,
};

constexpr int redOf(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

// Each argument is cut to its low eight bits first.
constexpr TColor RGB(int r, int g, int b)
{
    return (static_cast<TColor>(r) & 0xFF) | ((static_cast<TColor>(g) & 0xFF) << 8)
        | ((static_cast<TColor>(b) & 0xFF) << 16);
}

constexpr bool isSystemColor(TColor c) { return (c >> 24) == 0xFF; }

// The RGB value of system colour `index`, supplied by the platform at run time.
using SystemColorResolver = TColor (*)(int index);
void setSystemColorResolver(SystemColorResolver resolver);
// Windows' classic defaults, in force until the platform installs its own resolver.
TColor defaultSystemColor(int index);

TColor ColorToRGB(TColor color);

TColor ShadeColor(TColor color, int percent);
TColor InvertColor(TColor color);
TColor BestFontColor(TColor color);
TColor GreyColor(TColor color);

} // namespace Tintara
