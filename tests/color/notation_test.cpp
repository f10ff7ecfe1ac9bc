#include "color/html.h"
#include "color/notation.h"

#include <gtest/gtest.h>

using namespace Tintara;

namespace {

std::vector<std::string> allNotations(TColor c)
{
    std::vector<std::string> texts;
    for (int i = 0; i < NotationCount; ++i)
        texts.push_back(ColorNotation(c, i));
    return texts;
}

} // namespace

TEST(ColorNotation, EveryNotationOfOrange)
{
    EXPECT_EQ(allNotations(RGB(255, 128, 0)),
              (std::vector<std::string>{"#FF8000", "FF8000", "255,128,0", "$000080FF", "0x0080FF", "&H0080FF",
                                        "255;128;0", "0;127;255;0", "rgb(255 128 0)", "hsl(30 100% 50%)",
                                        "oklch(0.732 0.186 53.0)", "color(display-p3 0.936 0.529 0.199)"}));
}

// Whole hsl() numbers and three oklch() decimals where they read back, more only where needed.
// Each text was read back with culori 4 (formatHex after clampRgb) to the colour it stands for.
TEST(ColorNotation, StyleSheetNotations)
{
    const struct {
        TColor color;
        const char *rgb, *hsl, *oklch;
    } cases[] = {
        {RGB(232, 115, 28), "rgb(232 115 28)", "hsl(25.6 81.6% 51%)", "oklch(0.6809 0.1696 50.36)"},
        {RGB(0, 0, 255), "rgb(0 0 255)", "hsl(240 100% 50%)", "oklch(0.4520 0.3132 264.05)"},
        {RGB(128, 128, 128), "rgb(128 128 128)", "hsl(0 0% 50%)", "oklch(0.600 0.000 0.0)"},
        {clWhite, "rgb(255 255 255)", "hsl(0 0% 100%)", "oklch(1.000 0.000 0.0)"},
        {RGB(0x16, 0xA3, 0x4A), "rgb(22 163 74)", "hsl(142.1 76.2% 36.3%)", "oklch(0.627 0.170 149.2)"},
        {RGB(0xE8, 0x03, 0x6D), "rgb(232 3 109)", "hsl(332.2 97.4% 46.1%)", "oklch(0.5995 0.2400 4.89)"},
        {RGB(0x2A, 0, 0), "rgb(42 0 0)", "hsl(0 100% 8.2%)", "oklch(0.179 0.073 29.2)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorNotation(c.color, NotationCssRgb), c.rgb);
        EXPECT_EQ(ColorNotation(c.color, NotationCssHsl), c.hsl);
        EXPECT_EQ(ColorNotation(c.color, NotationCssOklch), c.oklch);
    }
}

// Display P3 with three decimals where they read back, more where needed; colorjs.io 0.5.2 gives
// #FF8000 as 0.9361 0.5290 0.1987 and #2563EB as 0.2132 0.3830 0.8890. Every 7th sRGB colour reads
// back, and a wide colour is written as exactly as it was given.
TEST(ColorNotation, DisplayP3ReadsBackAndKeepsAWideColour)
{
    EXPECT_EQ(ColorNotation(RGB(0x25, 0x63, 0xEB), NotationCssDisplayP3), "color(display-p3 0.213 0.383 0.889)");
    EXPECT_EQ(ColorNotation(clWhite, NotationCssDisplayP3), "color(display-p3 1.000 1.000 1.000)");
    int longer = 0;
    for (TColor c = 0; c <= 0xFFFFFF; c += 7) {
        const std::string text = ColorNotation(c, NotationCssDisplayP3);
        ASSERT_EQ(colorFromText(text), c) << text;
        longer += text.size() > std::string("color(display-p3 0.000 0.000 0.000)").size();
    }
    EXPECT_LT(longer, 0xFFFFFF / 7 / 2) << "three decimals serve most colours";
    EXPECT_EQ(displayP3Text(*colorXyzFromText("color(display-p3 1 0 0)")), "color(display-p3 1.000 0.000 0.000)");
    EXPECT_EQ(displayP3Text(*colorXyzFromText("color(display-p3 0.25 0.5125 0.75)")),
              "color(display-p3 0.2500 0.5125 0.7500)");
}

TEST(ColorNotation, EveryNotationOfBlackAndWhite)
{
    EXPECT_EQ(allNotations(clBlack),
              (std::vector<std::string>{"#000000", "000000", "0,0,0", "clBlack", "0x000000", "&H000000", "0;0;0",
                                        "0;0;0;255", "rgb(0 0 0)", "hsl(0 0% 0%)", "oklch(0.000 0.000 0.0)",
                                        "color(display-p3 0.000 0.000 0.000)"}));
    EXPECT_EQ(ColorNotation(clWhite, NotationRgb), "255,255,255");
    EXPECT_EQ(ColorNotation(clWhite, NotationVisualBasicNet), "255;255;255");
    EXPECT_EQ(ColorNotation(clWhite, NotationCmyk), "0;0;0;0");
}

TEST(ColorNotation, HexDigitsAreUpperCase)
{
    EXPECT_EQ(ColorNotation(RGB(171, 205, 239), NotationHtml), "#ABCDEF");
    EXPECT_EQ(ColorNotation(RGB(171, 205, 239), NotationCpp), "0xEFCDAB");
}

TEST(ColorNotation, OutOfRangeIndexGivesNoText)
{
    EXPECT_EQ(ColorNotation(clWhite, NotationCount), "");
    EXPECT_EQ(ColorNotation(clWhite, -1), "");
}

TEST(ColorToString, TwentyNamedColours)
{
    const std::pair<TColor, const char*> named[] = {
        {0x000000, "clBlack"}, {0x000080, "clMaroon"}, {0x008000, "clGreen"}, {0x008080, "clOlive"},
        {0x800000, "clNavy"}, {0x800080, "clPurple"}, {0x808000, "clTeal"}, {0x808080, "clGray"},
        {0xC0C0C0, "clSilver"}, {0x0000FF, "clRed"}, {0x00FF00, "clLime"}, {0x00FFFF, "clYellow"},
        {0xFF0000, "clBlue"}, {0xFF00FF, "clFuchsia"}, {0xFFFF00, "clAqua"}, {0xFFFFFF, "clWhite"},
        {0xC0DCC0, "clMoneyGreen"}, {0xF0CAA6, "clSkyBlue"}, {0xA4A0A0, "clMedGray"}, {0xF0FBFF, "clCream"},
    };
    for (const auto& [value, name] : named)
        EXPECT_EQ(ColorNotation(value, NotationDelphi), name);
}

TEST(ColorToString, SystemColoursByNameOthersAsHex)
{
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(clWindowText), "clWindowText");
    EXPECT_EQ(ColorToString(clInfoBk), "clInfoBk");
    EXPECT_EQ(ColorToString(0xFF000015), "cl3DDkShadow");
    EXPECT_EQ(ColorToString(0xFF000019), "$FF000019"); // no system colour 25
    EXPECT_EQ(ColorToString(RGB(255, 0, 1)), "$000100FF");
}

TEST(ColorNotation, EmptySwatchRendersFromItsLowBytes)
{
    EXPECT_EQ(ColorNotation(clBtnFace, NotationHtml), "#0F0000");
    EXPECT_EQ(ColorNotation(clBtnFace, NotationDelphi), "clBtnFace");
}

TEST(ValuePanel, DelphiFieldNeverUsesAnIdentifier)
{
    const ValuePanelTexts red = valuePanelTexts(RGB(255, 0, 0));
    EXPECT_EQ(red.html, "#FF0000");
    EXPECT_EQ(red.rgb, "255,0,0");
    EXPECT_EQ(red.delphi, "$000000FF");
    EXPECT_EQ(red.cpp, "0x0000FF");
    EXPECT_EQ(valuePanelTexts(clBlack).delphi, "$00000000");
    EXPECT_EQ(valuePanelTexts(RGB(255, 0, 1)).delphi, ColorNotation(RGB(255, 0, 1), NotationDelphi));
}

TEST(HTMLToColor, ReadsSixHexDigitsWithOrWithoutHash)
{
    EXPECT_EQ(HTMLToColor("ff8000", 0x123456), 0x000080FFu);
    EXPECT_EQ(HTMLToColor("#FF8000", 0x123456), 0x000080FFu);
    EXPECT_EQ(HTMLToColor("#aBcDeF", 0), RGB(0xAB, 0xCD, 0xEF));
}

TEST(HTMLToColor, WrongLengthOrSecondHashGivesTheFallback)
{
    EXPECT_EQ(HTMLToColor("#FF80", 0x123456), 0x123456u);
    EXPECT_EQ(HTMLToColor("", 0x123456), 0x123456u);
    EXPECT_EQ(HTMLToColor("#FF80000", 0x123456), 0x123456u);
    EXPECT_EQ(HTMLToColor("##FF0000", 0x123456), 0x123456u);
    EXPECT_EQ(HTMLToColor("FF#000", 0x123456), 0x123456u);
}

TEST(HTMLToColor, RightLengthButNotHexGivesBlack)
{
    EXPECT_EQ(HTMLToColor("#GG0000", 0x123456), clBlack);
    EXPECT_EQ(HTMLToColor("#FF 000", 0x123456), clBlack);
    EXPECT_EQ(HTMLToColor("#FFÄ000", 0x123456), clBlack); // six characters, one of them an umlaut
}
