#include "color/colorscale.h"
#include "color/wcag.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Tintara;

namespace {

constexpr double lightnessTargets[] = {0.97, 0.93, 0.88, 0.81, 0.71, 0.62, 0.55, 0.49, 0.42, 0.38, 0.28};

// How far a colour's hue lies from a hue line, as a distance in the a-b plane.
double offHueLine(const Oklch& colour, double hue)
{
    const double radians = (colour.h - hue) * 3.14159265358979 / 180;
    return std::abs(colour.C * std::sin(radians));
}

} // namespace

TEST(ColorScale, TonalScalesKeepLightnessHueAndTheBase)
{
    const struct {
        const char* what;
        TColor base;
    } bases[] = {
        {"blue", RGB(0x25, 0x63, 0xEB)}, {"red", RGB(0xDC, 0x26, 0x26)}, {"yellow", RGB(0xFF, 0xFF, 0x00)},
        {"grey", RGB(0x80, 0x80, 0x80)}, {"white", clWhite},            {"black", clBlack},
        {"teal", RGB(0x0D, 0x94, 0x88)},
    };
    for (const auto& b : bases) {
        const Oklch base = toOklch(b.base);
        const std::vector<ScaleStep> steps = tonalScale(b.base);
        ASSERT_EQ(steps.size(), 11u) << b.what;
        EXPECT_EQ(steps.front().name, "50");
        EXPECT_EQ(steps[5].name, "500");
        EXPECT_EQ(steps.back().name, "950");
        int baseSteps = 0;
        double previous = 2;
        for (std::size_t n = 0; n < steps.size(); ++n) {
            ASSERT_TRUE(steps[n].color) << b.what << ' ' << steps[n].name;
            const Oklch step = toOklch(*steps[n].color);
            const bool isBase = *steps[n].color == b.base;
            baseSteps += isBase;
            if (!isBase) {
                EXPECT_NEAR(step.L, lightnessTargets[n], 0.005) << b.what << ' ' << steps[n].name;
            }
            EXPECT_LT(step.L, previous) << b.what << ' ' << steps[n].name << ": lightness falls";
            previous = step.L;
            EXPECT_LE(step.C, base.C + 0.002) << b.what << ' ' << steps[n].name;
            if (base.C < 0.02) {
                EXPECT_LT(step.C, 0.002) << b.what << ' ' << steps[n].name << ": neutral";
            } else if (step.C >= 0.03) {
                EXPECT_LT(offHueLine(step, base.h), 0.004) << b.what << ' ' << steps[n].name;
            }
            EXPECT_DOUBLE_EQ(steps[n].ratioOnWhite, contrastRatio(*steps[n].color, clWhite));
            EXPECT_DOUBLE_EQ(steps[n].lcOnBlack, apcaContrast(*steps[n].color, clBlack));
        }
        EXPECT_EQ(baseSteps, 1) << b.what << ": the base itself, once";
        // The ends are calmer than the base, unless the base is an end itself (yellow is the palest step).
        if (base.C >= 0.05 && *steps.front().color != b.base) {
            EXPECT_LT(toOklch(*steps.front().color).C, 0.6 * base.C) << b.what << ": the pale end";
        }
        if (base.C >= 0.05 && *steps.back().color != b.base) {
            EXPECT_LT(toOklch(*steps.back().color).C, 0.8 * base.C) << b.what << ": the deep end";
        }
    }
    // #2563EB has lightness 0.546: the base is step 600 (0.55), not 500 (0.62).
    EXPECT_EQ(*tonalScale(RGB(0x25, 0x63, 0xEB))[6].color, RGB(0x25, 0x63, 0xEB));
    EXPECT_EQ(*tonalScale(RGB(0xFF, 0xFF, 0x00))[0].color, RGB(0xFF, 0xFF, 0x00));
}

TEST(ColorScale, ContrastTargetsAreMetWithinTheirBandOnTheEightBitColour)
{
    const struct {
        const char* what;
        TColor base, background;
        ContrastMeasure measure;
        std::vector<double> targets;
    } cases[] = {
        {"blue on white, WCAG", RGB(0x25, 0x63, 0xEB), clWhite, ContrastMeasure::Wcag, defaultContrastTargets},
        {"red on white, WCAG", RGB(0xDC, 0x26, 0x26), clWhite, ContrastMeasure::Wcag,
         {1.05, 2.5, 4.5, 8, 12, 15, 18, 20.5}},
        {"yellow on a dark ground, WCAG", RGB(0xFF, 0xFF, 0x00), RGB(0x11, 0x18, 0x27), ContrastMeasure::Wcag,
         {1.5, 3, 4.5, 7, 10, 13, 16}},
        {"blue on white, APCA", RGB(0x25, 0x63, 0xEB), clWhite, ContrastMeasure::Apca, {15, 30, 45, 60, 75, 90, 100}},
        {"teal on a dark ground, APCA", RGB(0x0D, 0x94, 0x88), RGB(0x11, 0x18, 0x27), ContrastMeasure::Apca,
         {15, 30, 45, 60, 75, 90}},
    };
    for (const auto& c : cases) {
        const std::vector<ScaleStep> steps = contrastShades(c.base, c.background, c.targets, c.measure);
        ASSERT_EQ(steps.size(), c.targets.size());
        for (std::size_t n = 0; n < steps.size(); ++n) {
            ASSERT_TRUE(steps[n].color) << c.what << ' ' << c.targets[n];
            const double target = c.targets[n];
            if (c.measure == ContrastMeasure::Wcag) {
                const double ratio = contrastRatio(*steps[n].color, c.background);
                EXPECT_GE(ratio, target) << c.what;
                EXPECT_LT(ratio, target * 1.02) << c.what << ' ' << target;
            } else {
                const double lc = std::abs(apcaContrast(*steps[n].color, c.background));
                EXPECT_GE(lc, target) << c.what;
                EXPECT_LT(lc, target + 1) << c.what << ' ' << target;
            }
        }
    }
    EXPECT_EQ(contrastShades(RGB(0x25, 0x63, 0xEB), clWhite, {4.5}, ContrastMeasure::Wcag).front().name, "4.5");
}

TEST(ColorScale, UnreachableTargetsAreReportedNotApproximated)
{
    const auto reached = [](TColor background, double target, ContrastMeasure measure) {
        return contrastShades(RGB(0xFF, 0xFF, 0x00), background, {target}, measure).front().color.has_value();
    };
    EXPECT_FALSE(reached(clWhite, 22, ContrastMeasure::Wcag)) << "21:1 is the most there is";
    EXPECT_TRUE(reached(clWhite, 20.9, ContrastMeasure::Wcag));
    EXPECT_FALSE(reached(RGB(0x77, 0x77, 0x77), 5, ContrastMeasure::Wcag)) << "black on #777 is 4.68:1";
    EXPECT_FALSE(reached(clWhite, 110, ContrastMeasure::Apca));
    EXPECT_FALSE(reached(clBlack, 110, ContrastMeasure::Apca));
    const ScaleStep missing = contrastShades(clBlack, clWhite, {25}, ContrastMeasure::Wcag).front();
    EXPECT_EQ(missing.name, "25");
    EXPECT_FALSE(missing.color);
}
