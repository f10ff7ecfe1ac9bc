#include "color/notation.h"

#include "color/colortext.h"
#include "color/decimal.h"
#include "color/hsv.h"
#include "color/oklab.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace Tintara {

namespace {

struct NamedColor {
    TColor value;
    std::string_view name;
};

constexpr std::array<NamedColor, 52> namedColors = {{
    {0x000000, "clBlack"}, {0x000080, "clMaroon"}, {0x008000, "clGreen"},
    {0x008080, "clOlive"}, {0x800000, "clNavy"}, {0x800080, "clPurple"},
    {0x808000, "clTeal"}, {0x808080, "clGray"}, {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"}, {0x00FF00, "clLime"}, {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"}, {0xFF00FF, "clFuchsia"}, {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"}, {0xC0DCC0, "clMoneyGreen"}, {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"}, {0xA4A0A0, "clMedGray"},
    {0xFF000000, "clScrollBar"}, {0xFF000001, "clBackground"},
    {0xFF000002, "clActiveCaption"}, {0xFF000003, "clInactiveCaption"},
    {0xFF000004, "clMenu"}, {0xFF000005, "clWindow"}, {0xFF000006, "clWindowFrame"},
    {0xFF000007, "clMenuText"}, {0xFF000008, "clWindowText"}, {0xFF000009, "clCaptionText"},
    {0xFF00000A, "clActiveBorder"}, {0xFF00000B, "clInactiveBorder"},
    {0xFF00000C, "clAppWorkSpace"}, {0xFF00000D, "clHighlight"},
    {0xFF00000E, "clHighlightText"}, {0xFF00000F, "clBtnFace"}, {0xFF000010, "clBtnShadow"},
    {0xFF000011, "clGrayText"}, {0xFF000012, "clBtnText"},
    {0xFF000013, "clInactiveCaptionText"}, {0xFF000014, "clBtnHighlight"},
    {0xFF000015, "cl3DDkShadow"}, {0xFF000016, "cl3DLight"}, {0xFF000017, "clInfoText"},
    {0xFF000018, "clInfoBk"}, {0xFF00001A, "clHotLight"},
    {0xFF00001B, "clGradientActiveCaption"}, {0xFF00001C, "clGradientInactiveCaption"},
    {0xFF00001D, "clMenuHighlight"}, {0xFF00001E, "clMenuBar"},
    {0x1FFFFFFF, "clNone"}, {0x20000000, "clDefault"},
}};

std::string hex(unsigned value, int digits)
{
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
}

std::string hexRgb(TColor c) { return hex(redOf(c), 2) + hex(greenOf(c), 2) + hex(blueOf(c), 2); }
std::string hexBgr(TColor c) { return hex(blueOf(c), 2) + hex(greenOf(c), 2) + hex(redOf(c), 2); }

std::string joined(TColor c, char separator)
{
    return std::to_string(redOf(c)) + separator + std::to_string(greenOf(c)) + separator
        + std::to_string(blueOf(c));
}

// The fewest decimals (`decimals`, or more where needed) that read back to `color`: the three
// parts are written with the same rounding, and more digits only where a colour needs them.
template <class Write>
std::string readingBack(TColor color, Write write)
{
    std::string text;
    for (int extra = 0; extra <= 6; ++extra) {
        text = write(extra);
        if (colorFromText(text) == color)
            break;
    }
    return text;
}

std::string cssHsl(TColor c)
{
    const double r = redOf(c) / 255.0, g = greenOf(c) / 255.0, b = blueOf(c) / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b}), d = max - min;
    const double lightness = (max + min) / 2;
    double hue = 0, saturation = 0;
    if (d > 0) {
        saturation = d / (1 - std::abs(2 * lightness - 1));
        hue = max == r ? std::fmod((g - b) / d + 6, 6) : max == g ? (b - r) / d + 2 : (r - g) / d + 4;
        hue *= 60;
    }
    return readingBack(c, [&](int decimals) {
        // Rounded alike, then each part as short as it reads: 51.0 is written 51.
        const auto part = [decimals](double value) {
            std::string text = decimalText(value, decimals);
            if (text.find('.') != std::string::npos) {
                text.erase(text.find_last_not_of('0') + 1);
                if (text.back() == '.')
                    text.pop_back();
            }
            return text;
        };
        const std::string h = part(hue);
        return "hsl(" + (h == part(360) ? std::string("0") : h) + ' ' + part(saturation * 100) + "% "
            + part(lightness * 100) + "%)";
    });
}

std::string cssOklch(TColor c)
{
    return oklchText(c, oklchExtraDecimals(c));
}

} // namespace

std::string oklchText(TColor color, int extraDecimals)
{
    const Oklch lch = toOklch(color);
    const std::string hue = decimalText(lch.h, 1 + extraDecimals);
    return "oklch(" + decimalText(lch.L, 3 + extraDecimals) + ' ' + decimalText(lch.C, 3 + extraDecimals) + ' '
        + (hue == decimalText(360, 1 + extraDecimals) ? decimalText(0, 1 + extraDecimals) : hue) + ')';
}

int oklchExtraDecimals(TColor color)
{
    int extra = 0;
    while (extra < 6 && colorFromText(oklchText(color, extra)) != color)
        ++extra;
    return extra;
}

namespace {

std::string displayP3Written(const std::array<double, 3>& p3, int decimals)
{
    return "color(display-p3 " + decimalText(p3[0], decimals) + ' ' + decimalText(p3[1], decimals) + ' '
        + decimalText(p3[2], decimals) + ')';
}

std::array<double, 3> displayP3Of(const Xyz& xyz)
{
    return rgbFromXyzD65(RgbSpace::DisplayP3, xyz);
}

Xyz xyzOfColor(TColor color)
{
    return xyzD65FromRgb(RgbSpace::Srgb, {redOf(color) / 255.0, greenOf(color) / 255.0, blueOf(color) / 255.0});
}

} // namespace

std::string displayP3Text(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    std::array<double, 3> p3 = displayP3Of(xyzOfColor(rgb));
    for (double& v : p3)
        v = std::clamp(v, 0.0, 1.0); // sRGB lies inside Display P3: only the conversion's noise is cut
    int decimals = 3;
    while (decimals < 8 && colorFromText(displayP3Written(p3, decimals)) != rgb)
        ++decimals;
    return displayP3Written(p3, decimals);
}

// A wide colour's text with the fewest decimals (from three up to six) whose colour, read back,
// lies within half a step of a 10-bit Display P3 screen of the colour itself.
template <typename Written>
std::string fewestDecimals(const Xyz& xyz, Written written)
{
    const std::array<double, 3> p3 = displayP3Of(xyz);
    const auto readsBack = [&](const std::string& text) {
        const auto back = colorXyzFromText(text);
        if (!back)
            return false;
        const std::array<double, 3> q = displayP3Of(*back);
        return std::abs(q[0] - p3[0]) < 0.5 / 1023 && std::abs(q[1] - p3[1]) < 0.5 / 1023 && std::abs(q[2] - p3[2]) < 0.5 / 1023;
    };
    int decimals = 3;
    while (decimals < 6 && !readsBack(written(decimals)))
        ++decimals;
    return written(decimals);
}

std::string displayP3Text(const Xyz& xyz)
{
    const std::array<double, 3> p3 = displayP3Of(xyz);
    return fewestDecimals(xyz, [&](int decimals) { return displayP3Written(p3, decimals); });
}

bool insideSrgb(const Xyz& xyz)
{
    return inRgbGamut(rgbFromXyzD65(RgbSpace::Srgb, xyz));
}

bool insideDisplayP3(const Xyz& xyz)
{
    return inRgbGamut(rgbFromXyzD65(RgbSpace::DisplayP3, xyz));
}

std::string wideColorNotation(TColor shown, const Xyz& wide, int notation)
{
    if (insideSrgb(wide))
        return ColorNotation(shown, notation);
    if (notation == NotationCssDisplayP3)
        return displayP3Text(wide);
    if (notation != NotationCssOklch)
        return ColorNotation(shown, notation);
    const Oklch lch = oklchFromOklab(oklabFromXyzD65(wide));
    return fewestDecimals(wide, [&](int decimals) {
        return "oklch(" + decimalText(lch.L, decimals) + ' ' + decimalText(lch.C, decimals) + ' '
            + decimalText(lch.h, decimals - 2) + ')';
    });
}

std::string ColorToString(TColor color)
{
    for (const NamedColor& named : namedColors) {
        if (named.value == color)
            return std::string(named.name);
    }
    return '$' + hex(color, 8);
}

std::optional<TColor> namedColor(std::string_view identifier)
{
    const auto sameLetters = [](std::string_view a, std::string_view b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y)); });
    };
    for (const NamedColor& named : namedColors) {
        if (named.value <= clWhite && sameLetters(named.name, identifier))
            return named.value;
    }
    return std::nullopt;
}

namespace {

std::string htmlNotation(TColor c) { return '#' + hexRgb(c); }
std::string hexNotation(TColor c) { return hexRgb(c); }
std::string rgbNotation(TColor c) { return joined(c, ','); }
std::string cppNotation(TColor c) { return "0x" + hexBgr(c); }
std::string visualBasicNotation(TColor c) { return "&H" + hexBgr(c); } // the language's own hex literal
std::string visualBasicNetNotation(TColor c) { return joined(c, ';'); }
std::string cmykNotation(TColor c) { return RGBnachCMYK(redOf(c), greenOf(c), blueOf(c)); }
std::string cssRgbNotation(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return "rgb(" + std::to_string(redOf(rgb)) + ' ' + std::to_string(greenOf(rgb)) + ' ' + std::to_string(blueOf(rgb))
        + ')';
}
std::string cssHslNotation(TColor c) { return cssHsl(ColorToRGB(c)); }
std::string cssOklchNotation(TColor c) { return cssOklch(ColorToRGB(c)); }
std::string displayP3TextOf(TColor c) { return displayP3Text(c); }

} // namespace

// Every notation the program copies reads back through the one reader of colour texts.
constexpr std::array<NotationRow, NotationCount> notationTable = {{
    {NotationHtml, QT_TRANSLATE_NOOP("Notation", "HTML-Hexwert"), "HTML", htmlNotation, colorFromText},
    {NotationHex, QT_TRANSLATE_NOOP("Notation", "Hexwert"), "Hex", hexNotation, colorFromText},
    {NotationRgb, QT_TRANSLATE_NOOP("Notation", "RGB-Wert"), "RGB", rgbNotation, colorFromText},
    {NotationDelphi, QT_TRANSLATE_NOOP("Notation", "Delphi-Farbwert"), "Delphi", ColorToString, colorFromText},
    {NotationCpp, QT_TRANSLATE_NOOP("Notation", "C++-Farbwert"), "C++", cppNotation, colorFromText},
    {NotationVisualBasic, QT_TRANSLATE_NOOP("Notation", "Visual Basic-Farbwert"), "Visual Basic", visualBasicNotation,
     colorFromText},
    {NotationVisualBasicNet, QT_TRANSLATE_NOOP("Notation", "Visual Studio .NET-Farbwert"), "Visual Basic.Net",
     visualBasicNetNotation, colorFromText},
    {NotationCmyk, QT_TRANSLATE_NOOP("Notation", "CMYK-Farbwert"), "CMYK", cmykNotation, colorFromText},
    {NotationCssRgb, "CSS rgb()", "CSS rgb()", cssRgbNotation, colorFromText},
    {NotationCssHsl, "CSS hsl()", "CSS hsl()", cssHslNotation, colorFromText},
    {NotationCssOklch, "CSS oklch()", "CSS oklch()", cssOklchNotation, colorFromText},
    {NotationCssDisplayP3, "CSS color(display-p3)", "CSS color(display-p3)", displayP3TextOf, colorFromText},
}};

constexpr bool everyNotationHasItsRow()
{
    for (std::size_t n = 0; n < notationTable.size(); ++n) {
        const NotationRow& row = notationTable[n];
        if (static_cast<std::size_t>(row.notation) != n || !row.menuText || !row.formatName)
            return false;
    }
    return true;
}
static_assert(everyNotationHasItsRow(), "every notation needs its row in notationTable, in the order of the enum, with its texts");

std::string ColorNotation(TColor color, int notation)
{
    return notation >= 0 && notation < NotationCount ? notationTable[static_cast<std::size_t>(notation)].format(color)
                                                     : std::string();
}

ValuePanelTexts valuePanelTexts(TColor color)
{
    return {ColorNotation(color, NotationHtml), ColorNotation(color, NotationRgb),
            "$00" + hexBgr(color), ColorNotation(color, NotationCpp)};
}

} // namespace Tintara
