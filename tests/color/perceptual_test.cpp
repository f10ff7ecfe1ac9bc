#include "color/apca.h"
#include "color/gamutmap.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Tintara;

// Figures published with OKLab (Ottosson), as culori computes them.
TEST(Perceptual, OklabAndOklchOfThePrimariesAndTheEnds)
{
    const struct {
        TColor color;
        double L, a, b, C, h;
    } cases[] = {
        {clWhite, 1.0, 0.0, 0.0, 0.0, 0.0},
        {clBlack, 0.0, 0.0, 0.0, 0.0, 0.0},
        {RGB(255, 0, 0), 0.627955, 0.224863, 0.125846, 0.257683, 29.2339},
        {RGB(0, 255, 0), 0.866440, -0.233888, 0.179498, 0.294827, 142.4953},
        {RGB(0, 0, 255), 0.452014, -0.032457, -0.311528, 0.313214, 264.0520},
    };
    for (const auto& c : cases) {
        const Oklch lch = toOklch(c.color);
        const Oklab lab = oklabFromOklch(lch);
        EXPECT_NEAR(lab.L, c.L, 1e-4) << c.color;
        EXPECT_NEAR(lab.a, c.a, 1e-4) << c.color;
        EXPECT_NEAR(lab.b, c.b, 1e-4) << c.color;
        EXPECT_NEAR(lch.C, c.C, 1e-4) << c.color;
        EXPECT_NEAR(lch.h, c.h, 1e-3) << c.color;
        EXPECT_EQ(gamutMapped(lch), c.color) << "back to sRGB";
    }
}

// Expected colours from colorjs.io's toGamut({method: "css"}) and culori's toGamut, which agree.
TEST(Perceptual, GamutMappingShowsWhatCssShows)
{
    const struct {
        Oklch requested;
        TColor shown;
    } cases[] = {
        {{0.7, 0.4, 30}, RGB(0xFF, 0x58, 0x43)},
        {{0.9, 0.3, 140}, RGB(0x62, 0xFF, 0x30)},
        {{0.5, 0.35, 270}, RGB(0x34, 0x25, 0xFF)},
        {{1.2, 0.2, 100}, clWhite},
        {{1.0, 0.1, 30}, clWhite},
        {{-0.1, 0.2, 100}, clBlack},
        {{0.0, 0.1, 30}, clBlack},
        {{0.6, 0.3, 0}, RGB(0xED, 0x00, 0x7A)},
        {{0.6, 0.3, 360}, RGB(0xED, 0x00, 0x7A)},
        {{0.623, 0.214, 259.8}, RGB(0x2B, 0x7F, 0xFF)},
        {{0.8, 0.37, 200}, RGB(0x00, 0xDA, 0xE5)},
        {{0.3, 0.3, 145}, RGB(0x00, 0x3C, 0x00)},
        {{0.95, 0.05, 90}, RGB(0xFB, 0xEE, 0xC9)}, // inside: unchanged
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gamutMapped(c.requested), c.shown)
            << c.requested.L << ' ' << c.requested.C << ' ' << c.requested.h;
        EXPECT_TRUE(inSrgbGamut(gamutMappedLinear(c.requested)));
    }
    EXPECT_FALSE(inSrgbGamut(linearFromOklab(oklabFromOklch({0.7, 0.4, 30}))));
    EXPECT_EQ(gamutMapped({0.5, std::numeric_limits<double>::infinity(), 30}), clBlack);
    EXPECT_EQ(gamutMapped({0.5, 0.1, std::numeric_limits<double>::quiet_NaN()}), clBlack);
    EXPECT_EQ(gamutMapped({0.5, 1e300, 30}), gamutMapped({0.5, 0.4, 30})) << "a huge chroma ends at the edge too";
}

// The check values published with APCA-W3 (and colorjs.io's contrastAPCA for the last rows).
TEST(Perceptual, ApcaCheckValues)
{
    const struct {
        TColor text, background;
        double lc;
    } cases[] = {
        {RGB(0x88, 0x88, 0x88), clWhite, 63.056469930209424},
        {clWhite, RGB(0x88, 0x88, 0x88), -68.54146436644962},
        {clBlack, RGB(0xAA, 0xAA, 0xAA), 58.146262578561334},
        {RGB(0xAA, 0xAA, 0xAA), clBlack, -56.24113336839742},
        {RGB(0x11, 0x22, 0x33), RGB(0xDD, 0xEE, 0xFF), 91.66830811481631},
        {RGB(0xDD, 0xEE, 0xFF), RGB(0x11, 0x22, 0x33), -93.06770049484275},
        {RGB(0x11, 0x22, 0x33), RGB(0x22, 0x33, 0x44), 0.0},
        {RGB(0x22, 0x33, 0x44), RGB(0x11, 0x22, 0x33), 0.0},
        {RGB(0x11, 0x22, 0x33), RGB(0x44, 0x44, 0x44), 8.32326136957393},
        {RGB(0x44, 0x44, 0x44), RGB(0x11, 0x22, 0x33), -7.526878460278154},
        {clBlack, clWhite, 106.04067321268862},
        {clWhite, clBlack, -107.88473318309848},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(apcaContrast(c.text, c.background), c.lc, 0.1) << c.text << " on " << c.background;
}
