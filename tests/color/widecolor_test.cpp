#include "color/notation.h"
#include "color/oklchtrack.h"
#include "color/widecolor.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace Tintara;

namespace {

void expectNear(const Oklch& got, const Oklch& expected, double tolerance)
{
    EXPECT_NEAR(got.L, expected.L, tolerance);
    EXPECT_NEAR(got.C, expected.C, tolerance);
    EXPECT_NEAR(got.h, expected.h, 100 * tolerance);
}

// The three numbers of "name(a b c)".
std::array<double, 3> numbersOf(const std::string& text, const std::string& opening)
{
    EXPECT_EQ(text.rfind(opening, 0), 0u) << text;
    std::istringstream in(text.substr(opening.size(), text.size() - opening.size() - 1));
    in.imbue(std::locale::classic());
    std::array<double, 3> numbers{};
    in >> numbers[0] >> numbers[1] >> numbers[2];
    return numbers;
}

} // namespace

// Expected values are colorjs.io 0.5.2's toGamut({space: "p3", method: "css"}) of the request, and
// of that toGamut({space: "srgb", method: "css"}) for the fallback.
TEST(WideColor, TheEditorMapsIntoItsGamutAndKeepsTheFallback)
{
    struct Row {
        Oklch requested;
        EditorGamut gamut;
        TColor fallback;
        std::optional<Oklch> wide;
    };
    const Row rows[] = {
        {{0.7, 0.3, 145}, EditorGamut::Srgb, RGB(0x00, 0xC3, 0x00), std::nullopt},
        {{0.7, 0.3, 145}, EditorGamut::DisplayP3, RGB(0x00, 0xC3, 0x00), Oklch{0.70007, 0.29935, 145.0718}},
        {{0.6, 0.26, 30}, EditorGamut::DisplayP3, RGB(0xF5, 0x00, 0x00), Oklch{0.6, 0.26, 30}}, // inside P3 as asked
        {{0.62, 0.25, 264}, EditorGamut::DisplayP3, RGB(0x35, 0x75, 0xFF), Oklch{0.60937, 0.227, 263.3895}},
        {{0.6, 0.1, 250}, EditorGamut::DisplayP3, RGB(0x4F, 0x84, 0xBA), std::nullopt}, // sRGB holds it
        {{1.0, 0.2, 100}, EditorGamut::DisplayP3, RGB(0xFF, 0xFF, 0xFF), std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.requested.C);
        const WideColor got = editorColor(row.requested, row.gamut);
        EXPECT_EQ(got.srgb, row.fallback);
        ASSERT_EQ(got.wide.has_value(), row.wide.has_value());
        if (row.wide)
            expectNear(*got.wide, *row.wide, 0.0005);
    }
}

// The notations that can write a wide colour write it; the others, and every notation of a colour
// without one, write the fallback.
TEST(WideColor, NotationsWriteTheWideColourWhereTheyCan)
{
    const WideColor green = editorColor({0.7, 0.3, 145}, EditorGamut::DisplayP3);
    const auto p3 = numbersOf(wideNotation(green, NotationCssDisplayP3), "color(display-p3 ");
    EXPECT_NEAR(p3[0], 0.10099, 0.0006); // colorjs.io: 0.10099 0.77115 0
    EXPECT_NEAR(p3[1], 0.77115, 0.0006);
    EXPECT_NEAR(p3[2], 0.0, 0.0006);
    const auto lch = numbersOf(wideNotation(green, NotationCssOklch), "oklch(");
    EXPECT_NEAR(lch[0], 0.70007, 0.0006);
    EXPECT_NEAR(lch[1], 0.29935, 0.0006);
    EXPECT_NEAR(lch[2], 145.07, 0.06);
    EXPECT_EQ(wideNotation(green, NotationHtml), "#00C300");
    EXPECT_EQ(wideNotation(green, NotationCssRgb), "rgb(0 195 0)");
    const WideColor plain{RGB(0x00, 0xC3, 0x00), std::nullopt};
    EXPECT_EQ(wideNotation(plain, NotationCssOklch), ColorNotation(plain.srgb, NotationCssOklch));
    EXPECT_EQ(wideNotation(plain, NotationCssDisplayP3), ColorNotation(plain.srgb, NotationCssDisplayP3));
}

// The chroma track at L 0.7, h 145: colorjs.io puts the sRGB edge at C 0.2202 and the P3 edge at
// 0.2988. A P3 track marks the band between them and hatches beyond it; an sRGB track hatches from
// the sRGB edge and marks nothing.
TEST(WideColor, TracksTellTheBandOnlyP3HoldsFromWhatNeitherHolds)
{
    const int steps = 371; // 0.001 per stop
    const auto p3 = oklchTrack(OklchChannel::Chroma, {0.7, 0.3, 145}, steps, EditorGamut::DisplayP3);
    const auto srgb = oklchTrack(OklchChannel::Chroma, {0.7, 0.3, 145}, steps, EditorGamut::Srgb);
    const auto at = [](double chroma) { return static_cast<std::size_t>(chroma * 1000); };
    for (const double chroma : {0.0, 0.1, 0.219}) {
        EXPECT_TRUE(p3[at(chroma)].inGamut && !p3[at(chroma)].onlyInP3) << chroma;
        EXPECT_TRUE(srgb[at(chroma)].inGamut) << chroma;
    }
    for (const double chroma : {0.222, 0.26, 0.297}) {
        EXPECT_TRUE(p3[at(chroma)].inGamut && p3[at(chroma)].onlyInP3) << chroma;
        EXPECT_FALSE(srgb[at(chroma)].inGamut || srgb[at(chroma)].onlyInP3) << chroma;
        EXPECT_EQ(p3[at(chroma)].color, srgb[at(chroma)].color) << "both show the clipped colour";
    }
    for (const double chroma : {0.3, 0.37})
        EXPECT_FALSE(p3[at(chroma)].inGamut || p3[at(chroma)].onlyInP3) << chroma;
}
