#include "color/tcolor.h"

#include <gtest/gtest.h>

using namespace Tintara;

namespace {

TColor fixedSystemColor(int index)
{
    return index == SysBtnFace ? RGB(200, 100, 50) : clBlack;
}

class WithFixedSystemColors : public ::testing::Test
{
protected:
    void SetUp() override { setSystemColorResolver(&fixedSystemColor); }
    void TearDown() override { setSystemColorResolver(nullptr); }
};

} // namespace

TEST(Channels, PackAndUnpackInBgrOrder)
{
    EXPECT_EQ(RGB(255, 128, 0), 0x000080FFu);
    EXPECT_EQ(RGB(0x1FF, -1, 0x100), RGB(0xFF, 0xFF, 0x00)); // each argument cut to eight bits
    EXPECT_EQ(redOf(0xFF00000F), 0x0F);                     // as stored, no resolution
    EXPECT_EQ(greenOf(0x00ABCDEF), 0xCD);
    EXPECT_EQ(blueOf(0x00ABCDEF), 0xAB);
}

TEST_F(WithFixedSystemColors, SystemColorsResolveOnlyWhereTheRuleSaysSo)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(200, 100, 50));
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
    EXPECT_EQ(ShadeColor(clBtnFace, 0), RGB(200, 100, 50));
    EXPECT_EQ(InvertColor(clBtnFace), RGB(55, 155, 205));
    EXPECT_EQ(BestFontColor(clBtnFace), clWhite);        // 61*200 + 174*100 + 21*50 = 30650
    EXPECT_EQ(GreyColor(clBtnFace), RGB(8, 8, 8));       // low bytes (15, 0, 0): 8.4
}

TEST(ShadeColor, ShadesByTruncatedPercentOfTheDistance)
{
    EXPECT_EQ(ShadeColor(RGB(10, 20, 30), -30), RGB(7, 14, 21));
    EXPECT_EQ(ShadeColor(RGB(10, 20, 30), 30), RGB(83, 90, 97));
    EXPECT_EQ(ShadeColor(RGB(10, 20, 30), 0), RGB(10, 20, 30));
    EXPECT_EQ(ShadeColor(RGB(1, 99, 254), 1), RGB(3, 100, 254)); // 2.54 -> 2, 1.56 -> 1, 0.01 -> 0
}

TEST(ShadeColor, ClampsPercentToWhiteAndBlack)
{
    EXPECT_EQ(ShadeColor(RGB(10, 20, 30), 100), clWhite);
    EXPECT_EQ(ShadeColor(RGB(10, 20, 30), 250), clWhite);
    EXPECT_EQ(ShadeColor(RGB(10, 20, 30), -100), clBlack);
    EXPECT_EQ(ShadeColor(RGB(10, 20, 30), -1000), clBlack);
}

TEST(InvertColor, FlipsEveryChannel)
{
    EXPECT_EQ(InvertColor(RGB(0, 128, 255)), RGB(255, 127, 0));
    EXPECT_EQ(InvertColor(clBlack), clWhite);
}

TEST(BestFontColor, SwitchesToBlackAtHalfLuminance)
{
    EXPECT_EQ(BestFontColor(RGB(128, 128, 128)), clBlack);
    EXPECT_EQ(BestFontColor(RGB(127, 127, 127)), clWhite);
    EXPECT_EQ(BestFontColor(RGB(0, 189, 0)), clBlack); // 174 * 189 = 32886
    EXPECT_EQ(BestFontColor(RGB(0, 188, 0)), clWhite); // 174 * 188 = 32712
    EXPECT_EQ(BestFontColor(RGB(0, 0, 255)), clWhite);
    EXPECT_EQ(BestFontColor(RGB(255, 255, 0)), clBlack);
}

TEST(GreyColor, WeightsRedMostAndRoundsToNearest)
{
    EXPECT_EQ(GreyColor(RGB(255, 0, 0)), RGB(143, 143, 143));
    EXPECT_EQ(GreyColor(RGB(0, 255, 0)), RGB(84, 84, 84));
    EXPECT_EQ(GreyColor(RGB(0, 0, 255)), RGB(28, 28, 28));
    EXPECT_EQ(GreyColor(clWhite), clWhite);
    EXPECT_EQ(GreyColor(clBlack), clBlack);
}
