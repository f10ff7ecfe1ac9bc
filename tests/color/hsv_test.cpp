#include "color/hsv.h"

#include <gtest/gtest.h>

using namespace Tintara;

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(1, 255, 2), 128);  // 127.5
    EXPECT_EQ(MulDiv(3, 255, 6), 128);
    EXPECT_EQ(MulDiv(-1, 255, 2), -128);
    EXPECT_EQ(MulDiv(1, 1, 3), 0);
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

TEST(RGBnachHSV, GreysHaveNoHueNorSaturation)
{
    for (int x : {0, 1, 127, 255})
        EXPECT_EQ(RGBnachHSV(RGB(x, x, x)), (Hsv{0, 0, x})) << x;
}

TEST(RGBnachHSV, KnownColours)
{
    EXPECT_EQ(RGBnachHSV(RGB(255, 0, 1)), (Hsv{360, 255, 255}));
    EXPECT_EQ(RGBnachHSV(RGB(255, 128, 0)), (Hsv{30, 255, 255}));
    EXPECT_EQ(RGBnachHSV(RGB(22, 174, 0)), (Hsv{112, 255, 174}));
    EXPECT_EQ(RGBnachHSV(RGB(0, 0, 255)), (Hsv{240, 255, 255}));
}

TEST(RGBnachHSV, SaturationUsesMultiplyDivideRounding)
{
    // (200-199)*255/200 = 1.275 -> 1; (2-1)*255/2 = 127.5 -> 128 (half up, not to even)
    EXPECT_EQ(RGBnachHSV(RGB(200, 199, 199)).s, 1);
    EXPECT_EQ(RGBnachHSV(RGB(2, 1, 1)).s, 128);
}

TEST(RGBnachHSV, TiesBetweenChannelsResolveRedThenGreen)
{
    EXPECT_EQ(RGBnachHSV(RGB(255, 255, 0)).h, 60);  // red = green = max: red's formula
    EXPECT_EQ(RGBnachHSV(RGB(0, 255, 255)).h, 180); // green = blue = max: green's formula
    EXPECT_EQ(RGBnachHSV(RGB(255, 0, 255)).h, 300);
}

TEST(RGBnachHSV, HueComesFromSinglePrecisionIntermediates)
{
    // Exact arithmetic gives 122.5 (and rounds to 122); the single-precision stores give 123.
    EXPECT_EQ(RGBnachHSV(RGB(0, 120, 5)).h, 123);
    // Double precision would give 227 here; single precision keeps 226.
    EXPECT_EQ(RGBnachHSV(RGB(0, 9, 40)).h, 226);
    EXPECT_EQ(RGBnachHSV(RGB(0, 33, 120)).h, 224);
}

TEST(HSVnachRGB, PrimaryAndSecondaryHues)
{
    EXPECT_EQ(HSVnachRGB(0, 255, 255), RGB(255, 0, 0));
    EXPECT_EQ(HSVnachRGB(60, 255, 255), RGB(255, 255, 0));
    EXPECT_EQ(HSVnachRGB(120, 255, 255), RGB(0, 255, 0));
    EXPECT_EQ(HSVnachRGB(180, 255, 255), RGB(0, 255, 255));
    EXPECT_EQ(HSVnachRGB(240, 255, 255), RGB(0, 0, 255));
    EXPECT_EQ(HSVnachRGB(300, 255, 255), RGB(255, 0, 255));
}

TEST(HSVnachRGB, HueWrapsAtFullCircle)
{
    EXPECT_EQ(HSVnachRGB(360, 255, 255), RGB(255, 0, 0));
    EXPECT_EQ(HSVnachRGB(365, 200, 100), HSVnachRGB(5, 200, 100));
    EXPECT_EQ(HSVnachRGB(-355, 200, 100), HSVnachRGB(5, 200, 100));
}

TEST(HSVnachRGB, GreyAndBlackIgnoreTheHue)
{
    for (int h : {0, 77, 200, 359}) {
        EXPECT_EQ(HSVnachRGB(h, 0, 99), RGB(99, 99, 99)) << h;
        EXPECT_EQ(HSVnachRGB(h, 180, 0), clBlack) << h;
    }
}

TEST(HSVnachRGB, RoundsEachComponentOnce)
{
    // sector 0, d = 180: t = (255 - 100*180/360) * 200 / 255 = 160.784 -> 161; p = 155*200/255 = 121.57 -> 122
    EXPECT_EQ(HSVnachRGB(30, 100, 200), RGB(200, 161, 122));
    // sector 1, d = 60: q = (255 - 255*60/360) * 255 / 255 = 212.5 -> 212 (half to even)
    EXPECT_EQ(HSVnachRGB(70, 255, 255), RGB(212, 255, 0));
}

TEST(HSVnachRGB, RoundTripKeepsFullySaturatedColours)
{
    for (int h = 0; h < 360; ++h) {
        const TColor c = HSVnachRGB(h, 255, 255);
        const Hsv back = RGBnachHSV(c);
        EXPECT_EQ(back.s, 255);
        EXPECT_EQ(back.v, 255);
        EXPECT_LE(std::abs(back.h - h), 1) << h;
    }
}

TEST(RGBnachCMYK, SplitsOffTheBlackPart)
{
    EXPECT_EQ(RGBnachCMYK(255, 0, 0), "0;255;255;0");
    EXPECT_EQ(RGBnachCMYK(0, 0, 0), "0;0;0;255");
    EXPECT_EQ(RGBnachCMYK(255, 255, 255), "0;0;0;0");
    EXPECT_EQ(RGBnachCMYK(128, 128, 128), "0;0;0;127");
    EXPECT_EQ(RGBnachCMYK(255, 128, 0), "0;127;255;0");
    EXPECT_EQ(RGBnachCMYK(100, 50, 25), "0;50;75;155");
}
