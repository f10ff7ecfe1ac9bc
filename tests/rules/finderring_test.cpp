#include "rules/finderring.h"

#include <gtest/gtest.h>

using namespace Tintara;

namespace {

// The ring as the window computes it after an editor update: centre = active, base = its HSV.
FinderRing ringOf(TColor active, int mode, int randomHue = 0)
{
    return finderRing(active, active, RGBnachHSV(active), mode, randomHue);
}

std::vector<TColor> twelve(const FinderRing& ring)
{
    return {ring.proposals.begin(), ring.proposals.begin() + 12};
}

} // namespace

TEST(FinderRing, StandardStepsThirtyDegreesAndShiftsTheCentreHue)
{
    EXPECT_EQ(twelve(ringOf(RGB(255, 128, 0), FinderStandard)),
              (std::vector<TColor>{RGB(255, 255, 0), RGB(128, 255, 0), RGB(0, 255, 0), RGB(0, 255, 128),
                                   RGB(0, 255, 255), RGB(0, 128, 255), RGB(0, 0, 255), RGB(128, 0, 255),
                                   RGB(255, 0, 255), RGB(255, 0, 128), RGB(255, 0, 0), RGB(255, 149, 0)}));
}

TEST(FinderRing, FarbtonWalksTheWholeCircle)
{
    EXPECT_EQ(twelve(ringOf(RGB(0, 0, 255), FinderFarbton)),
              (std::vector<TColor>{RGB(255, 4, 0), RGB(255, 132, 0), RGB(251, 255, 0), RGB(123, 255, 0),
                                   RGB(0, 255, 4), RGB(0, 255, 132), RGB(0, 251, 255), RGB(0, 123, 255),
                                   RGB(26, 0, 255), RGB(132, 0, 255), RGB(255, 0, 251), RGB(255, 0, 123)}));
}

TEST(FinderRing, MixerRearrangesTheChannelsOfTheActiveColour)
{
    const FinderRing ring = ringOf(RGB(10, 20, 30), FinderMixer);
    EXPECT_EQ(twelve(ring),
              (std::vector<TColor>{RGB(10, 20, 30), RGB(10, 30, 20), RGB(20, 10, 30), RGB(20, 30, 10),
                                   RGB(30, 10, 20), RGB(30, 20, 10), RGB(10, 20, 20), RGB(10, 30, 30),
                                   RGB(20, 10, 10), RGB(20, 30, 30), RGB(30, 10, 10), RGB(30, 20, 20)}));
    EXPECT_EQ(ring.proposals[12], RGB(7, 14, 21));
    EXPECT_EQ(ring.proposals[24], RGB(83, 90, 97));
    EXPECT_EQ(ring.inverse, RGB(245, 235, 225));
    EXPECT_EQ(ring.font, clWhite);
}

TEST(FinderRing, MixerIgnoresTheShadedCentre)
{
    const TColor active = RGB(10, 20, 30);
    const TColor centre = ShadeColor(active, 40);
    const FinderRing ring = finderRing(active, centre, RGBnachHSV(centre), FinderMixer, 0);
    EXPECT_EQ(ring.proposals[1], RGB(10, 30, 20));
    EXPECT_EQ(ring.darker, ShadeColor(centre, -30));
}

TEST(FinderRing, AehnlichStaysNearTheHue)
{
    const TColor active = HSVnachRGB(200, 255, 255);
    const Hsv base = RGBnachHSV(active);
    const FinderRing ring = ringOf(active, FinderAehnlich);
    for (int k = 0; k < 12; ++k) {
        const int expected = base.h - 60 + 10 * k + (k == 6 ? 5 : 0);
        EXPECT_EQ(ring.proposals[k], HSVnachRGB(expected, base.s, base.v)) << k;
    }
}

TEST(FinderRing, HelligkeitAndSaettigungRampAtTheShiftedHue)
{
    const TColor active = RGB(200, 60, 20);
    const Hsv base = RGBnachHSV(active);
    const FinderRing bright = ringOf(active, FinderHelligkeit);
    const FinderRing saturated = ringOf(active, FinderSaettigung);
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(bright.proposals[k], HSVnachRGB(base.h + 5, base.s, 35 + 20 * k)) << k;
        EXPECT_EQ(saturated.proposals[k], HSVnachRGB(base.h + 5, 235 - 20 * k, base.v)) << k;
    }
}

TEST(FinderRing, RedKeepsHue360AndNearRedHuesWrapPast360)
{
    // Hue 0: proposal 12 has hue 360, neither wrapped nor shifted, so it shows red itself.
    EXPECT_EQ(ringOf(RGB(255, 0, 0), FinderStandard).proposals[11], RGB(255, 0, 0));
    // Hue 358: proposal 12 lands at 358 inside the window and is shown at 363, that is 3.
    const TColor active = HSVnachRGB(358, 255, 255);
    ASSERT_EQ(RGBnachHSV(active).h, 358);
    EXPECT_EQ(ringOf(active, FinderStandard).proposals[11], HSVnachRGB(3, 255, 255));
}

TEST(FinderRing, KreativStartsFromTheDrawnHue)
{
    const TColor active = RGB(0, 0, 255); // hue 240
    const FinderRing ring = ringOf(active, FinderKreativ, 100);
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(ring.proposals[k - 1], HSVnachRGB(100 + 15 * k + (100 + 15 * k == 235 ? 5 : 0), 255, 255)) << k;
}

TEST(FinderRing, MonochromGreysEverything)
{
    const TColor active = RGB(255, 128, 0);
    const FinderRing ring = ringOf(active, FinderMonochrom);
    EXPECT_EQ(ring.centre, GreyColor(active));
    for (const TColor c : ring.proposals)
        EXPECT_TRUE(redOf(c) == greenOf(c) && greenOf(c) == blueOf(c));
    EXPECT_EQ(ring.darker, ShadeColor(GreyColor(active), -30));
}

TEST(FinderRing, FontColourSwitchesAtMidGrey)
{
    EXPECT_EQ(ringOf(RGB(128, 128, 128), FinderStandard).font, clBlack);
    EXPECT_EQ(ringOf(RGB(127, 127, 127), FinderStandard).font, clWhite);
}
