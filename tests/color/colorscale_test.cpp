#include "color/colorscale.h"
#include "color/colorspaces.h"
#include "color/gamutmap.h"
#include "color/wcag.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

using namespace Tintara;

namespace {

// Tailwind CSS v4's palette (theme.css): lightness in percent, chroma, hue of steps 50 … 950.
struct Family {
    const char* name;
    std::array<std::array<double, 3>, 11> steps;
    double measured; // mean ΔE OK of the scale when it was fitted, printed by bench/scale_fit.sh
};
const Family tailwindFamilies[] = {
    {"yellow", {{{98.7, 0.026, 102.212}, {97.3, 0.071, 103.193}, {94.5, 0.129, 101.54}, {90.5, 0.182, 98.111},
                 {85.2, 0.199, 91.936}, {79.5, 0.184, 86.047}, {68.1, 0.162, 75.834}, {55.4, 0.135, 66.442},
                 {47.6, 0.114, 61.907}, {42.1, 0.095, 57.708}, {28.6, 0.066, 53.813}}}, 0.0048},
    {"blue", {{{97, 0.014, 254.604}, {93.2, 0.032, 255.585}, {88.2, 0.059, 254.128}, {80.9, 0.105, 251.813},
               {70.7, 0.165, 254.624}, {62.3, 0.214, 259.815}, {54.6, 0.245, 262.881}, {48.8, 0.243, 264.376},
               {42.4, 0.199, 265.638}, {37.9, 0.146, 265.522}, {28.2, 0.091, 267.935}}}, 0.0118},
    {"red", {{{97.1, 0.013, 17.38}, {93.6, 0.032, 17.717}, {88.5, 0.062, 18.334}, {80.8, 0.114, 19.571},
              {70.4, 0.191, 22.216}, {63.7, 0.237, 25.331}, {57.7, 0.245, 27.325}, {50.5, 0.213, 27.518},
              {44.4, 0.177, 26.899}, {39.6, 0.141, 25.723}, {25.8, 0.092, 26.042}}}, 0.0098},
    {"green", {{{98.2, 0.018, 155.826}, {96.2, 0.044, 156.743}, {92.5, 0.084, 155.995}, {87.1, 0.15, 154.449},
                {79.2, 0.209, 151.711}, {72.3, 0.219, 149.579}, {62.7, 0.194, 149.214}, {52.7, 0.154, 150.069},
                {44.8, 0.119, 151.328}, {39.3, 0.095, 152.535}, {26.6, 0.065, 152.934}}}, 0.0086},
    {"slate", {{{98.4, 0.003, 247.858}, {96.8, 0.007, 247.896}, {92.9, 0.013, 255.508}, {86.9, 0.022, 252.894},
                {70.4, 0.04, 256.788}, {55.4, 0.046, 257.417}, {44.6, 0.043, 257.281}, {37.2, 0.044, 257.287},
                {27.9, 0.041, 260.031}, {20.8, 0.042, 265.755}, {12.9, 0.042, 264.695}}}, 0.0062},
    {"neutral", {{{98.5, 0, 0}, {97, 0, 0}, {92.2, 0, 0}, {87, 0, 0}, {70.8, 0, 0}, {55.6, 0, 0}, {43.9, 0, 0},
                  {37.1, 0, 0}, {26.9, 0, 0}, {20.5, 0, 0}, {14.5, 0, 0}}}, 0.0030},
};

TColor inSrgb(const std::array<double, 3>& lch)
{
    return gamutMapped({lch[0] / 100, lch[1], lch[2]});
}

double distance(TColor a, TColor b)
{
    const Oklab p = toOklab(a), q = toOklab(b);
    return std::hypot(p.L - q.L, p.a - q.a, p.b - q.b);
}

double hueDifference(double from, double to)
{
    return std::remainder(to - from, 360.0);
}

} // namespace

// Whatever step the base is pinned to, it is that step exactly, once, and the lightness falls
// from 50 to 950; without a pin the step is chosen by the base's lightness.
TEST(ColorScale, TonalScalesHoldThePinnedBaseAndFallInLightness)
{
    const TColor bases[] = {RGB(0x25, 0x63, 0xEB), RGB(0xDC, 0x26, 0x26), RGB(0xFF, 0xFF, 0x00),
                            RGB(0x80, 0x80, 0x80), clWhite, clBlack, RGB(0x0D, 0x94, 0x88), RGB(0xEA, 0xB3, 0x08)};
    for (const TColor base : bases) {
        std::vector<std::optional<std::size_t>> pins = {std::nullopt};
        for (std::size_t n = 0; n < tonalSteps.size(); ++n)
            pins.push_back(n);
        for (const auto pin : pins) {
            const std::string what = std::to_string(base) + " at " + (pin ? std::to_string(tonalSteps[*pin]) : "auto");
            const std::vector<ScaleStep> steps = tonalScale(base, pin);
            ASSERT_EQ(steps.size(), tonalSteps.size()) << what;
            int baseSteps = 0;
            double previous = 2;
            for (std::size_t n = 0; n < steps.size(); ++n) {
                EXPECT_EQ(steps[n].name, std::to_string(tonalSteps[n]));
                ASSERT_TRUE(steps[n].color) << what;
                baseSteps += *steps[n].color == base;
                if (pin && n == *pin) {
                    EXPECT_EQ(*steps[n].color, base) << what;
                }
                const double lightness = toOklch(*steps[n].color).L;
                // Beyond white and black there is no room, and near white none for a step
                // between every two 8-bit colours.
                const bool room = base != clWhite && base != clBlack;
                if (room && previous < 0.95) {
                    EXPECT_LT(lightness, previous) << what << ' ' << steps[n].name;
                } else if (room) {
                    EXPECT_LE(lightness, previous) << what << ' ' << steps[n].name;
                }
                previous = lightness;
                EXPECT_DOUBLE_EQ(steps[n].ratioOnWhite, contrastRatio(*steps[n].color, clWhite));
                EXPECT_DOUBLE_EQ(steps[n].lcOnBlack, apcaContrast(*steps[n].color, clBlack));
            }
            EXPECT_GE(baseSteps, 1) << what;
        }
    }
    // #2563EB has lightness 0.546: by itself it is step 600, not 500; #FFFF00 is the palest step.
    EXPECT_EQ(*tonalScale(RGB(0x25, 0x63, 0xEB))[6].color, RGB(0x25, 0x63, 0xEB));
    EXPECT_EQ(*tonalScale(RGB(0xFF, 0xFF, 0x00))[0].color, RGB(0xFF, 0xFF, 0x00));
    EXPECT_EQ(tonalStepIndex(500), 5u);
    EXPECT_FALSE(tonalStepIndex(550));
}

// The scale of a family's 500 pinned at 500 against the family's own steps, all mapped into sRGB.
TEST(ColorScale, TonalScalesComeNearAPublishedPalette)
{
    for (const Family& family : tailwindFamilies) {
        const std::vector<ScaleStep> steps = tonalScale(inSrgb(family.steps[5]), tonalStepIndex(500));
        double sum = 0;
        for (std::size_t n = 0; n < steps.size(); ++n)
            sum += distance(*steps[n].color, inSrgb(family.steps[n]));
        EXPECT_LE(sum / 11, 0.03) << family.name << ", fitted at " << family.measured;
    }
    // The shapes designers expect: greys reach near-black, yellows darken towards amber, blues
    // towards violet, and chroma peaks in the middle.
    const auto scaleOf = [](const char* name) {
        for (const Family& family : tailwindFamilies) {
            if (std::string(name) == family.name)
                return tonalScale(inSrgb(family.steps[5]), tonalStepIndex(500));
        }
        return std::vector<ScaleStep>{};
    };
    const auto lch = [](const ScaleStep& step) { return toOklch(*step.color); };
    const double grey950 = lch(scaleOf("neutral")[10]).L;
    EXPECT_GE(grey950, 0.13);
    EXPECT_LE(grey950, 0.16);
    const std::vector<ScaleStep> yellow = scaleOf("yellow");
    EXPECT_LT(hueDifference(lch(yellow[5]).h, lch(yellow[9]).h), -15) << "yellow 900 goes amber";
    const std::vector<ScaleStep> blue = scaleOf("blue");
    EXPECT_GT(hueDifference(lch(blue[5]).h, lch(blue[10]).h), 3) << "blue 950 goes violet";
    EXPECT_LT(lch(blue[0]).C, lch(blue[5]).C / 4);
    EXPECT_LT(lch(blue[10]).C, lch(blue[6]).C / 2);
}

// The Display P3 scale of each family's 500 as Tailwind writes it (beyond sRGB for most) against
// the steps as written: every step inside P3, its fallback what an sRGB screen shows of it.
TEST(ColorScale, DisplayP3ScalesComeNearThePaletteAsWritten)
{
    for (const Family& family : tailwindFamilies) {
        const auto lchOf = [](const std::array<double, 3>& s) { return Oklch{s[0] / 100, s[1], s[2]}; };
        const std::vector<ScaleStep> steps = displayP3Scale(lchOf(family.steps[5]), tonalStepIndex(500));
        ASSERT_EQ(steps.size(), 11u);
        double sum = 0;
        for (std::size_t n = 0; n < steps.size(); ++n) {
            ASSERT_TRUE(steps[n].wide && steps[n].color) << family.name;
            const Oklab wide = oklabFromOklch(*steps[n].wide), want = oklabFromOklch(lchOf(family.steps[n]));
            sum += std::hypot(wide.L - want.L, wide.a - want.a, wide.b - want.b);
            EXPECT_TRUE(inRgbGamut(rgbFromXyzD65(RgbSpace::DisplayP3, xyzD65FromOklab(wide)))) << family.name << n;
            EXPECT_EQ(*steps[n].color, gamutMapped(*steps[n].wide)) << family.name << n;
        }
        EXPECT_LE(sum / 11, 0.03) << family.name;
        EXPECT_NEAR(steps[5].wide->C, family.steps[5][1], 1e-6) << family.name << ": the base itself at 500";
    }
    // P3 holds more chroma than sRGB: the P3 scale of a vivid green is more colourful at 600.
    const Oklch green{0.723, 0.219, 149.579};
    EXPECT_GT(displayP3Scale(green, 5)[6].wide->C, toOklch(*tonalScale(gamutMapped(green), 5)[6].color).C + 0.01);
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
    // APCA counts less than Lc 15 as no visible contrast, though a colour would reach it.
    EXPECT_FALSE(reached(clWhite, 14.9, ContrastMeasure::Apca));
    EXPECT_TRUE(reached(clWhite, 15, ContrastMeasure::Apca));
}

// A target that gives the colour of an earlier one names it; the steps say which metric they are in.
TEST(ColorScale, RepeatedColoursNameTheirEarlierTarget)
{
    const std::vector<ScaleStep> steps =
        contrastShades(RGB(0x25, 0x63, 0xEB), clWhite, {3, 4.5, 4.5, 7}, ContrastMeasure::Wcag);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[2].sameAs, "4.5");
    EXPECT_EQ(steps[2].color, steps[1].color);
    for (const std::size_t n : {0u, 1u, 3u})
        EXPECT_EQ(steps[n].sameAs, "") << n;
    for (const ScaleStep& step : steps)
        EXPECT_EQ(step.measure, ContrastMeasure::Wcag);
    const std::vector<ScaleStep> apca = contrastShades(RGB(0x25, 0x63, 0xEB), clWhite, {45, 60}, ContrastMeasure::Apca);
    EXPECT_EQ(apca[0].measure, ContrastMeasure::Apca);
    EXPECT_EQ(apca[1].sameAs, "");
    EXPECT_EQ(tonalScale(RGB(0x25, 0x63, 0xEB))[3].measure, ContrastMeasure::Wcag);
}
