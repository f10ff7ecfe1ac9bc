#include "color/colorspaces.h"
#include "color/colortext.h"
#include "color/notation.h"

#include <gtest/gtest.h>

#include <string>

using namespace Tintara;

// The expected figures come from colorjs.io 0.5.2 (run once by hand): the colour, mapped into sRGB by
// its CSS method, as hex; and whether it lies inside sRGB and inside Display P3. "none" was read
// as 0 there, as CSS converts it.
TEST(CssColor4, EveryFormReadsAsABrowserShowsItOnAnSrgbScreen)
{
    const struct {
        const char* text;
        const char* hex;
        bool inSrgb, inP3;
    } rows[] = {
        {"lab(50% 40 59)", "#BF5702", true, true},
        {"lab(50 40 59.5)", "#BF5700", false, true},
        {"lab(0% 0 0)", "#000000", true, true},
        {"lab(100% 0 0)", "#FFFFFF", true, true},
        {"lab(75% -50% 30%)", "#00D46E", false, true},
        {"lab(29.2345% 39.3825 20.0664)", "#7D2329", true, true},
        {"lab(52.2345% 40.1645 59.9971 / 0.5)", "#C65D06", true, true},
        {"lab(60 none 30)", "#9E905B", true, true},
        {"lab(45 80 -90)", "#A200FF", false, true},
        {"lab(90 -100 90)", "#00FF40", false, false},
        {"lch(50% 70 45)", "#CA4C23", true, true},
        {"lch(52.2345% 72.2 56.2)", "#C65D06", true, true},
        {"lch(29.2345% 44.2 27)", "#7D2329", true, true},
        {"lch(80 100 140)", "#00E73A", false, true},
        {"lch(60% 50% 200deg)", "#00A1A7", false, false},
        {"lch(40 30 none)", "#8A4A60", true, true},
        {"lch(70 0 120)", "#ABABAB", true, true},
        {"lch(50 120 0.75turn)", "#008AB7", false, false},
        {"oklab(0.5 0.1 0.1)", "#A14203", true, true},
        {"oklab(62.8% 0.225 0.126)", "#FF0000", false, true},
        {"oklab(0.7 -0.1 -0.1)", "#00AFE0", false, true},
        {"oklab(40% 50% -50%)", "#710095", false, false},
        {"oklab(1 0 0)", "#FFFFFF", true, true},
        {"oklab(0.9 none 0.2)", "#FFD71D", false, false},
        {"hwb(0 0% 0%)", "#FF0000", true, true},
        {"hwb(120 20% 30%)", "#33B333", true, true},
        {"hwb(200deg 50% 50%)", "#808080", true, true},
        {"hwb(300 60% 60%)", "#808080", true, true},
        {"hwb(45 12% 5%)", "#F2BD1F", true, true},
        {"hwb(none 100% 0%)", "#FFFFFF", true, true},
        {"hwb(90 32 40)", "#759952", true, true},
        {"color(srgb 0.5 0.25 1)", "#8040FF", true, true},
        {"color(srgb 100% 50% 0%)", "#FF8000", true, true},
        {"color(srgb 1.2 0 0)", "#FF6956", false, false},
        {"color(srgb-linear 0.5 0.5 0.5)", "#BCBCBC", true, true},
        {"color(srgb-linear 0.2 0.6 0.01)", "#7CCB19", true, true},
        {"color(display-p3 1 0 0)", "#FF0B0C", false, true},
        {"color(display-p3 0 1 0)", "#00FB29", false, true},
        {"color(display-p3 0.3 0.5 0.8)", "#3981D2", true, true},
        {"color(display-p3 0.8 0.6 0.2)", "#D59600", false, true},
        {"color(display-p3 none 0.5 1)", "#0083FF", false, true},
        {"color(a98-rgb 1 0 0)", "#FF5A48", false, false},
        {"color(a98-rgb 0.4 0.6 0.2)", "#439A22", true, true},
        {"color(prophoto-rgb 0.5 0.3 0.8)", "#944DE2", true, true},
        {"color(prophoto-rgb 1 1 1)", "#FFFFFF", true, true},
        {"color(prophoto-rgb 0.2 0.7 0.1)", "#00C048", false, false},
        {"color(rec2020 0.5 0.25 0.75)", "#9E40CE", true, true},
        {"color(rec2020 0 1 0)", "#00F272", false, false},
        {"color(rec2020 0.9 0.1 0.05)", "#FF1134", false, false},
        {"color(xyz 0.2 0.3 0.4)", "#00A7A4", false, true},
        {"color(xyz-d65 0.4124 0.2126 0.0193)", "#FF0000", false, true},
        {"color(xyz-d50 0.4 0.3 0.1)", "#DD7859", true, true},
        {"color(xyz-d50 96.42% 100% 82.51%)", "#FFFFFF", true, true},
    };
    for (const auto& row : rows) {
        const auto color = colorFromText(row.text);
        ASSERT_TRUE(color) << row.text;
        EXPECT_EQ(ColorNotation(*color, NotationHtml), row.hex) << row.text;
        const auto xyz = colorXyzFromText(row.text);
        ASSERT_TRUE(xyz) << row.text;
        EXPECT_EQ(inRgbGamut(rgbFromXyzD65(RgbSpace::Srgb, *xyz)), row.inSrgb) << row.text;
        EXPECT_EQ(inRgbGamut(rgbFromXyzD65(RgbSpace::DisplayP3, *xyz)), row.inP3) << row.text;
    }
    for (const char* text : {"lab(50 40)", "lch(50 20 30 40 50)", "color(display-p4 1 0 0)", "color(srgb 1 0)",
                             "oklab(0.5 0.1 x)", "hwb(90deg 10% 10% 10% 10%)", "color(xyz-d51 0 0 0)", "color srgb 1 0 0"})
        EXPECT_FALSE(colorFromText(text)) << text;
    EXPECT_DOUBLE_EQ(*opacityOf("color(display-p3 1 0 0 / 0.25)"), 0.25);
    EXPECT_DOUBLE_EQ(*opacityOf("lab(50% 40 59 / 50%)"), 0.5);
}

// The conversions against colorjs.io 0.5.2's coordinates for three sRGB colours.
TEST(ColorSpaces, ConversionsMatchPublishedFigures)
{
    const auto xyzOf = [](double r, double g, double b) { return xyzD65FromRgb(RgbSpace::Srgb, {r, g, b}); };
    const Xyz red = xyzOf(1, 0, 0), blue = xyzOf(0x25 / 255.0, 0x63 / 255.0, 0xEB / 255.0);
    const auto near3 = [](const std::array<double, 3>& got, const std::array<double, 3>& want, const std::string& what) {
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(got[i], want[i], 2e-6) << what << ' ' << i;
    };
    near3({red.x, red.y, red.z}, {0.412391, 0.212639, 0.019331}, "red XYZ D65");
    const Xyz redD50 = xyzD50FromD65(red);
    near3({redD50.x, redD50.y, redD50.z}, {0.436066, 0.222493, 0.013924}, "red XYZ D50");
    const Lab50 redLab = labFromXyzD50(redD50);
    near3({redLab.L, redLab.a, redLab.b}, {54.290541, 80.804928, 69.890965}, "red Lab");
    const Lab50 blueLab = labFromXyzD50(xyzD50FromD65(blue));
    near3({blueLab.L, blueLab.a, blueLab.b}, {44.790584, 21.047713, -75.598844}, "blue Lab");
    near3(rgbFromXyzD65(RgbSpace::DisplayP3, red), {0.917488, 0.200287, 0.138561}, "red P3");
    near3(rgbFromXyzD65(RgbSpace::DisplayP3, blue), {0.2132, 0.38297, 0.88898}, "blue P3");
    near3(rgbFromXyzD65(RgbSpace::Rec2020, red), {0.791977, 0.230976, 0.073761}, "red Rec. 2020");
    near3(rgbFromXyzD65(RgbSpace::Rec2020, blue), {0.270214, 0.332647, 0.869591}, "blue Rec. 2020");
    near3(rgbFromXyzD65(RgbSpace::A98Rgb, blue), {0.253228, 0.388148, 0.90439}, "blue A98");
    near3(rgbFromXyzD65(RgbSpace::ProPhotoRgb, red), {0.702248, 0.275721, 0.103548}, "red ProPhoto");
    near3(rgbFromXyzD65(RgbSpace::ProPhotoRgb, blue), {0.37092, 0.327658, 0.842142}, "blue ProPhoto");
    near3(rgbFromXyzD65(RgbSpace::SrgbLinear, blue), {0.0185, 0.124772, 0.83077}, "blue linear");
    const Oklab blueOk = oklabFromXyzD65(blue);
    near3({blueOk.L, blueOk.a, blueOk.b}, {0.54615, -0.026671, -0.213549}, "blue OKLab");
    const Lab50 grey = labFromXyzD50(xyzD50FromD65(xyzOf(0x7F / 255.0, 0x7F / 255.0, 0x7F / 255.0)));
    EXPECT_NEAR(grey.L, 53.192777, 2e-6);
    EXPECT_NEAR(grey.a, 0, 1e-9) << "greys stay grey through the adaptation";
    // There and back again, for every space, inside and outside the gamut.
    for (const RgbSpace space : {RgbSpace::Srgb, RgbSpace::SrgbLinear, RgbSpace::DisplayP3, RgbSpace::A98Rgb,
                                 RgbSpace::ProPhotoRgb, RgbSpace::Rec2020}) {
        for (const std::array<double, 3> c : {std::array<double, 3>{0.2, 0.5, 0.9}, {1.2, -0.1, 0.003}})
            near3(rgbFromXyzD65(space, xyzD65FromRgb(space, c)), c, std::string(rgbSpaceName(space)));
        EXPECT_EQ(rgbSpaceNamed(rgbSpaceName(space)), space);
    }
    const Xyz back = xyzD65FromD50(xyzD50FromLab(labFromXyzD50(redD50)));
    near3({back.x, back.y, back.z}, {red.x, red.y, red.z}, "Lab there and back");
}

// CSS's gamut mapping into Display P3: the encoded components colorjs.io gives with method "css".
TEST(ColorSpaces, GamutMappingIntoDisplayP3)
{
    const struct {
        double L, C, h;
        std::array<double, 3> p3;
    } rows[] = {
        {0.7, 0.4, 30, {1, 0.285223, 0.192905}},
        {0.9, 0.3, 140, {0.538842, 1, 0.278898}},
        {0.5, 0.5, 264, {0.031231, 0.146187, 1}},
        {0.6, 0.35, 330, {0.788795, 0, 0.814514}},
        {0.8, 0.25, 90, {0.909041, 0.714634, 0}},
        {0.4, 0.3, 180, {0, 0.348196, 0.292217}},
        {0.62, 0.258, 29.2, {0.906664, 0.184296, 0.125814}},
        {1.2, 0.1, 20, {1, 1, 1}},
        {0, 0.3, 20, {0, 0, 0}},
    };
    for (const auto& row : rows) {
        const std::array<double, 3> mapped = gamutMappedInto(RgbSpace::DisplayP3, {row.L, row.C, row.h});
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(mapped[i], row.p3[i], 2e-4) << row.L << ' ' << row.C << ' ' << row.h << ' ' << i;
    }
}
