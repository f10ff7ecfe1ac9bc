#include "color/mix.h"
#include "color/oklab.h"
#include "color/wcag.h"
#include "rules/contrastrules.h"
#include "rules/modulerules.h"

#include <gtest/gtest.h>

using namespace Tintara;

namespace {

std::array<TColor, 16> onlySlotOne(TColor color)
{
    std::array<TColor, 16> colors{};
    colors[0] = color;
    return colors;
}

const std::array<int, 16> slotOneUsed = {1};

} // namespace

TEST(SchemeGradations, DarkToLightPassesThroughTheColourInRowTen)
{
    const auto shades = schemeGradations(onlySlotOne(RGB(200, 100, 0)), slotOneUsed, 0);
    EXPECT_EQ(shades[0], RGB(20, 10, 0));
    EXPECT_EQ(shades[16 * 9], RGB(200, 100, 0));
    EXPECT_EQ(shades[16 * 17], RGB(244, 224, 204));
    EXPECT_FALSE(shades[1].has_value()) << "empty slots leave their column hidden";
}

TEST(SchemeGradations, LighterAndDarkerStepByFive)
{
    const auto lighter = schemeGradations(onlySlotOne(clBlack), slotOneUsed, 1);
    EXPECT_EQ(lighter[0], RGB(12, 12, 12));
    EXPECT_EQ(lighter[16 * 17], RGB(229, 229, 229));
    const auto darker = schemeGradations(onlySlotOne(clWhite), slotOneUsed, 2);
    EXPECT_EQ(darker[0], RGB(243, 243, 243));
    EXPECT_EQ(darker[16 * 17], RGB(26, 26, 26));
}

TEST(SchemeGradations, OnlyFlagOneCountsAsUsed)
{
    std::array<int, 16> used{};
    used[4] = 2;
    used[6] = 1;
    const auto shades = schemeGradations(std::array<TColor, 16>{}, used, 0);
    EXPECT_FALSE(shades[4].has_value());
    EXPECT_TRUE(shades[6].has_value());
}

TEST(BrightnessGradient, FromAlmostBlackToWhite)
{
    const auto shades = brightnessGradient(RGB(0, 128, 255));
    EXPECT_EQ(shades[0], ShadeColor(RGB(0, 128, 255), -99));
    EXPECT_NE(shades[0], clBlack);
    EXPECT_EQ(shades[99], RGB(0, 128, 255));
    EXPECT_EQ(shades[100], ShadeColor(RGB(0, 128, 255), 1));
    EXPECT_EQ(shades[199], clWhite);
}

TEST(ColourGradient, BlackToWhiteLosesOneStepAtTheTop)
{
    const auto steps = colourGradient(clBlack, clWhite);
    EXPECT_EQ(steps[0], clBlack);
    EXPECT_EQ(steps[128], RGB(127, 127, 127));
    EXPECT_EQ(steps[255], RGB(254, 254, 254));
    for (const TColor c : colourGradient(clWhite, clWhite))
        EXPECT_EQ(c, RGB(254, 254, 254));
}

// Expected steps from culori's interpolate([start, end], "oklab").
TEST(ColourGradient, MixedInOklabBlueAndYellowMeetInAColourNotInGrey)
{
    const auto steps = colourGradient(RGB(0, 0, 255), RGB(255, 255, 0), MixSpace::Oklab);
    EXPECT_EQ(steps[0], RGB(0, 0, 255));
    EXPECT_EQ(steps[64], RGB(0x1E, 0x77, 0xE7));
    EXPECT_EQ(steps[127], RGB(0x6B, 0xAB, 0xC7));
    EXPECT_EQ(steps[128], RGB(0x6C, 0xAC, 0xC7));
    EXPECT_EQ(steps[255], RGB(255, 255, 0)) << "the end itself, where RGB mixing stops a step short";
    EXPECT_NEAR(toOklch(steps[127]).C, 0.0774, 0.002);
    EXPECT_LT(toOklch(colourGradient(RGB(0, 0, 255), RGB(255, 255, 0))[127]).C, 0.01) << "RGB: grey";
    EXPECT_EQ(mixIn(MixSpace::Oklab, clWhite, clBlack, 255 + 256), clWhite) << "only the low byte counts";
}

TEST(MixColors, WeightsAddUpTo255OutOf256)
{
    EXPECT_EQ(MixColors(clWhite, clBlack, 127), RGB(126, 126, 126));
    EXPECT_EQ(MixColors(clWhite, clWhite, 30), RGB(254, 254, 254));
    EXPECT_EQ(MixColors(clWhite, clBlack, 255), RGB(254, 254, 254));
    EXPECT_EQ(MixColors(clWhite, clBlack, 0), clBlack);
    EXPECT_EQ(MixColors(clWhite, clBlack, 256 + 127), RGB(126, 126, 126)) << "only the low byte counts";
}

TEST(WebSafe, BlueChangesFastest)
{
    EXPECT_EQ(webSafeColor(1), clBlack);
    EXPECT_EQ(webSafeColor(2), RGB(0, 0, 51));
    EXPECT_EQ(webSafeColor(7), RGB(0, 51, 0));
    EXPECT_EQ(webSafeColor(37), RGB(51, 0, 0));
    EXPECT_EQ(webSafeColor(43), RGB(51, 51, 0));
    EXPECT_EQ(webSafeColor(216), clWhite);
}

TEST(Contrast, BlackOnWhitePassesEverything)
{
    for (const auto& [fg, bg] : {std::pair{clBlack, clWhite}, std::pair{clWhite, clBlack}}) {
        const ContrastVerdict v = contrastCheck(fg, bg);
        EXPECT_EQ(v.brightnessDifference, 255);
        EXPECT_EQ(v.colorDifference, 765);
        EXPECT_EQ(v.brightnessLamp, lampGreen);
        EXPECT_EQ(v.colorLamp, lampGreen);
        EXPECT_EQ(v.brightness.color, clBlack);
        EXPECT_EQ(v.hp.text, QString::fromUtf8("- Die Farbdifferenz liegt über dem von Hewlett Packard genannten Grenzwert (400)"));
    }
}

TEST(Contrast, EqualColoursFailEverything)
{
    const ContrastVerdict v = contrastCheck(RGB(9, 9, 9), RGB(9, 9, 9));
    EXPECT_EQ(v.brightnessDifference, 0);
    EXPECT_EQ(v.colorLamp, lampRed);
    EXPECT_EQ(v.brightness.text, "- Die Helligkeitsdifferenz liegt unter dem Grenzwert (125)");
    EXPECT_EQ(v.brightness.color, lampRed);
    EXPECT_EQ(v.w3c.color, lampRed);
    EXPECT_EQ(v.hp.color, lampRed);
}

TEST(Contrast, YellowBetween400And500)
{
    const ContrastVerdict v = contrastCheck(clBlack, RGB(200, 200, 50));
    EXPECT_EQ(v.brightnessDifference, 182);
    EXPECT_EQ(v.colorDifference, 450);
    EXPECT_EQ(v.brightnessLamp, lampGreen);
    EXPECT_EQ(v.colorLamp, lampYellow);
    EXPECT_EQ(v.w3c.text, "- Die Farbdifferenz liegt unter dem vom W3C genannten Grenzwert (500)");
    EXPECT_EQ(v.w3c.color, lampRed);
    EXPECT_EQ(v.hp.color, clBlack);
}

TEST(Contrast, ThresholdsPassInclusively)
{
    const ContrastVerdict grey = contrastCheck(RGB(3, 3, 3), RGB(128, 128, 128));
    EXPECT_EQ(grey.brightnessDifference, 125);
    EXPECT_EQ(grey.brightnessLamp, lampGreen);
    EXPECT_EQ(grey.colorDifference, 375);
    EXPECT_EQ(grey.colorLamp, lampRed);
    EXPECT_EQ(contrastCheck(clBlack, RGB(255, 245, 0)).colorLamp, lampGreen);  // 500
    EXPECT_EQ(contrastCheck(clBlack, RGB(255, 145, 0)).colorLamp, lampYellow); // 400
    EXPECT_EQ(contrastCheck(clBlack, RGB(255, 144, 0)).colorLamp, lampRed);    // 399
    const ContrastVerdict blueOnYellow = contrastCheck(RGB(0, 0, 255), RGB(255, 255, 0));
    EXPECT_EQ(blueOnYellow.brightnessDifference, 196);
    EXPECT_EQ(blueOnYellow.colorDifference, 765);
}

TEST(Contrast, WcagLineVerdictLampAndSuggestion)
{
    const struct {
        TColor text, background;
        const char* line;
        TColor lamp;
        std::optional<TColor> suggestion;
    } cases[] = {
        {clBlack, clWhite, "Kontrastverhältnis (WCAG 2.2): 21,00:1 – AAA · APCA Lc 106,0", lampGreen, std::nullopt},
        {RGB(0x76, 0x76, 0x76), clWhite, "Kontrastverhältnis (WCAG 2.2): 4,54:1 – AA · APCA Lc 71,6", lampGreen, std::nullopt},
        {RGB(0x77, 0x77, 0x77), clWhite, "Kontrastverhältnis (WCAG 2.2): 4,47:1 – AA nur für große Schrift · APCA Lc 71,1",
         lampYellow, RGB(0x76, 0x76, 0x76)},
        // On black only lighter shades help: 14 % towards white is the first that passes.
        {RGB(0x60, 0x60, 0x60), clBlack, "Kontrastverhältnis (WCAG 2.2): 3,33:1 – AA nur für große Schrift · APCA Lc -20,5",
         lampYellow, RGB(0x76, 0x76, 0x76)},
        // White on white: 54 % towards black is the first shade dark enough.
        {clWhite, clWhite, "Kontrastverhältnis (WCAG 2.2): 1,00:1 – nicht erfüllt · APCA Lc 0,0", lampRed, RGB(0x76, 0x76, 0x76)},
    };
    for (const auto& c : cases) {
        const WcagLine line = wcagLine(c.text, c.background);
        EXPECT_EQ(line.text.toStdString(), c.line);
        EXPECT_EQ(line.lamp, c.lamp) << c.line;
        EXPECT_EQ(line.suggestion, c.suggestion) << c.line;
        // The way out on the other side: a shade of the background that passes with the text as it is.
        EXPECT_EQ(line.backgroundSuggestion.has_value(), c.suggestion.has_value()) << c.line;
        if (line.backgroundSuggestion) {
            EXPECT_GE(contrastRatio(c.text, *line.backgroundSuggestion), 4.5) << c.line;
        }
    }
}

// The suggestion is the smallest change in OKLab that passes, the first passing shade on each side
// compared; the figures from a separate computation of the same steps (ratios as colorjs.io gives them).
TEST(Contrast, TheSuggestionIsTheSmallestChangeThatPassesOnEitherSide)
{
    const struct {
        TColor text, background;
        std::optional<TColor> textShade, backgroundShade;
    } cases[] = {
        // 4.12:1; of the background only white (its last step lighter, 4.51:1) or #050506 (98 % darker)
        // pass: white is by far the smaller change.
        {RGB(0x67, 0x78, 0x8F), RGB(0xF0, 0xF5, 0xFF), RGB(0x61, 0x71, 0x87), RGB(0xFF, 0xFF, 0xFF)},
        // On mid grey, green passes darker only as black (its last step) and lighter at 98 %, the nearer.
        {RGB(0, 205, 0), RGB(117, 117, 117), RGB(249, 254, 249), RGB(0x44, 0x44, 0x44)},
    };
    for (const auto& c : cases) {
        const WcagLine line = wcagLine(c.text, c.background);
        EXPECT_EQ(line.suggestion, c.textShade) << std::hex << c.text;
        EXPECT_EQ(line.backgroundSuggestion, c.backgroundShade) << std::hex << c.background;
    }
    EXPECT_EQ(nearestPassingShade(RGB(0, 205, 0), RGB(117, 117, 117), 4.5), RGB(249, 254, 249));
    EXPECT_LT(contrastRatio(ShadeColor(RGB(0, 205, 0), -99), RGB(117, 117, 117)), 4.5) << "black is the last step";
    EXPECT_GE(contrastRatio(clBlack, RGB(117, 117, 117)), 4.5);
}

// Lc figures from colorjs.io's contrastAPCA; the levels of APCA's simple mode.
TEST(Contrast, ApcaLevelsLampsAndHowTheyRead)
{
    const struct {
        double lc;
        const char* shown;
        const char* use;
        TColor lamp;
    } cases[] = {
        {106.04, "APCA Lc 106,0", "APCA: ab Lc 90 bevorzugt für Fließtext", lampGreen},
        {-75.0, "APCA Lc -75,0", "APCA: ab Lc 75 genügt es für Fließtext", lampGreen},
        {74.96, "APCA Lc 75,0", "APCA: ab Lc 60 genügt es für sonstigen Inhaltstext", lampYellow},
        {63.06, "APCA Lc 63,1", "APCA: ab Lc 60 genügt es für sonstigen Inhaltstext", lampYellow},
        {-56.24, "APCA Lc -56,2", "APCA: ab Lc 45 genügt es für große Schrift und Überschriften", lampRed},
        {30.0, "APCA Lc 30,0", "APCA: ab Lc 30 genügt es für kurze Hinweistexte und Nicht-Text-Elemente", lampRed},
        {-20.53, "APCA Lc -20,5", "APCA: ab Lc 15 nur für Nicht-Text-Elemente, als Schrift nicht lesbar", lampRed},
        {0.0, "APCA Lc 0,0", "APCA: unter Lc 15 ist nichts mehr zu erkennen", lampRed},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(apcaText(c.lc).toStdString(), c.shown);
        EXPECT_EQ(apcaUseText(c.lc).toStdString(), c.use) << c.shown;
        EXPECT_EQ(apcaLamp(c.lc), c.lamp) << c.shown;
    }
    EXPECT_EQ(slotName(3, "Primär\nfür Knöpfe").toStdString(), "Platz 3 (Primär)");
    EXPECT_EQ(slotPairName(3, "Primär", 8, " ").toStdString(), "Platz 3 (Primär) und 8");
}
