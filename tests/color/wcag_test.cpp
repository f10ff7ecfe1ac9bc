#include "color/wcag.h"

#include <gtest/gtest.h>

using namespace Tintara;

TEST(Wcag, PublishedExamplesTheirVerdictsAndHowTheyRead)
{
    const struct {
        TColor text, background;
        double ratio;
        const char* shown;
        WcagLevel normal, large;
    } cases[] = {
        {clBlack, clWhite, 21.0, "21,00:1", WcagLevel::Aaa, WcagLevel::Aaa},
        {RGB(0x76, 0x76, 0x76), clWhite, 4.542, "4,54:1", WcagLevel::Aa, WcagLevel::Aaa},
        {RGB(0x77, 0x77, 0x77), clWhite, 4.478, "4,47:1", WcagLevel::AaLargeTextOnly, WcagLevel::Aa},
        {RGB(0xFF, 0, 0), clWhite, 3.998, "3,99:1", WcagLevel::AaLargeTextOnly, WcagLevel::Aa},
        {RGB(0x59, 0x59, 0x59), clWhite, 7.0, "7,00:1", WcagLevel::Aaa, WcagLevel::Aaa},
        {clWhite, clWhite, 1.0, "1,00:1", WcagLevel::Fail, WcagLevel::Fail},
    };
    for (const auto& c : cases) {
        const double ratio = contrastRatio(c.text, c.background);
        EXPECT_NEAR(ratio, c.ratio, 0.005) << c.shown;
        EXPECT_EQ(contrastRatio(c.background, c.text), ratio) << "either way round";
        EXPECT_EQ(formatContrastRatio(ratio), c.shown);
        EXPECT_EQ(wcagTextLevel(ratio), c.normal) << c.shown;
        EXPECT_EQ(wcagLargeTextLevel(ratio), c.large) << c.shown;
    }
}

TEST(Wcag, VerdictsAreTakenOnTheUnroundedRatioAndTheShownOneIsCut)
{
    EXPECT_EQ(formatContrastRatio(4.499), "4,49:1");
    EXPECT_EQ(wcagTextLevel(4.499), WcagLevel::AaLargeTextOnly);
    EXPECT_EQ(wcagTextLevel(4.5), WcagLevel::Aa);
    EXPECT_EQ(formatContrastRatio(6.999), "6,99:1");
    EXPECT_EQ(wcagTextLevel(6.999), WcagLevel::Aa);
    EXPECT_FALSE(meetsNonTextContrast(2.999));
    EXPECT_TRUE(meetsNonTextContrast(3.0));
}

TEST(Wcag, TheTransferFunctionBendsAtItsThreshold)
{
    EXPECT_DOUBLE_EQ(linearChannel(10), 10 / 255.0 / 12.92); // 0.0392 lies below 0.04045
    EXPECT_NEAR(linearChannel(11), 0.0033465, 1e-7);          // 0.0431 lies above it
    EXPECT_DOUBLE_EQ(relativeLuminance(clWhite), 1.0);
    EXPECT_DOUBLE_EQ(relativeLuminance(clBlack), 0.0);
}
