#include "color/gamutmap.h"
#include "color/oklab.h"
#include "color/theme.h"
#include "color/wcag.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Tintara;

namespace {

// A theme of own colours, no slots.
ThemeColors themeOf(std::initializer_list<std::pair<Role, TColor>> light,
                    std::initializer_list<std::pair<Role, TColor>> dark = {})
{
    ThemeRoles roles;
    for (const auto& [role, color] : light)
        roles.light[roleIndex(role)] = RoleColor{0, color};
    for (const auto& [role, color] : dark)
        roles.dark[roleIndex(role)] = color;
    return themeColors(roles, {}, {});
}

double hueDistance(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360 - d);
}

} // namespace

// On white, each colour's dark counterpart against the derived dark background keeps the light
// pair's WCAG ratio within 0.05 and its hue. colorjs.io 0.5.2 gives the light ratios 12.635, 4.835,
// 5.169, 4.829, 3.296 and 1.238, and the dark neutral #121212 OKLCH L 0.1822.
TEST(Theme, DarkColoursKeepTheLightPairsContrastAndHue)
{
    const struct {
        Role role;
        TColor light;
        double ratio;
    } rows[] = {
        {Role::Text, RGB(0x33, 0x33, 0x33), 12.635},   {Role::TextMuted, RGB(0x6B, 0x72, 0x80), 4.835},
        {Role::Primary, RGB(0x25, 0x63, 0xEB), 5.169}, {Role::Danger, RGB(0xDC, 0x26, 0x26), 4.829},
        {Role::Success, RGB(0x16, 0xA3, 0x4A), 3.296}, {Role::Border, RGB(0xE5, 0xE7, 0xEB), 1.238},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ratio);
        const ThemeColors theme = themeOf({{Role::Background, clWhite}, {row.role, row.light}});
        const TColor background = *theme.darkOf(Role::Background);
        EXPECT_EQ(background, RGB(0x12, 0x12, 0x12));
        const TColor dark = *theme.darkOf(row.role);
        EXPECT_NEAR(contrastRatio(row.light, clWhite), row.ratio, 0.001);
        EXPECT_NEAR(contrastRatio(dark, background), row.ratio, 0.05);
        EXPECT_GT(relativeLuminance(dark), relativeLuminance(background)) << "lighter than the dark background";
        EXPECT_TRUE(theme.derived[roleIndex(row.role)]);
        EXPECT_FALSE(theme.unreachable[roleIndex(row.role)]);
        const Oklch lightLch = toOklch(row.light), darkLch = toOklch(dark);
        if (lightLch.C > 0.02) {
            // 8-bit channels hold the hue of a greyish colour less closely.
            EXPECT_LT(hueDistance(lightLch.h, darkLch.h), lightLch.C > 0.05 ? 2.0 : 5.0);
            EXPECT_GT(darkLch.C, lightLch.C * 0.8) << "the chroma too, where sRGB allows";
        }
    }
    const ThemeColors tinted = themeOf({{Role::Background, RGB(0xF0, 0xF4, 0xFF)}, {Role::Surface, RGB(0xE0, 0xE8, 0xFF)}});
    const Oklch background = toOklch(*tinted.darkOf(Role::Background)), surface = toOklch(*tinted.darkOf(Role::Surface));
    EXPECT_NEAR(background.L, 0.18, 0.01);
    EXPECT_NEAR(surface.L, 0.23, 0.01) << "a step lighter";
    EXPECT_LT(hueDistance(background.h, toOklch(RGB(0xF0, 0xF4, 0xFF)).h), 8.0) << "a dark neutral of the light hue";
}

// Black on white (21:1) cannot be had on a dark background: the nearest colour is taken and marked.
// Text on the primary follows the primary of each mode, and turns dark where white cannot reach the
// light pair's ratio on the lighter dark primary. A dark colour given is kept.
TEST(Theme, UnreachableContrastIsMarkedAndGivenColoursStay)
{
    const ThemeColors black = themeOf({{Role::Text, clBlack}});
    EXPECT_TRUE(black.unreachable[roleIndex(Role::Text)]);
    EXPECT_EQ(*black.darkOf(Role::Text), clWhite);

    const ThemeColors primary = themeOf({{Role::Primary, RGB(0x25, 0x63, 0xEB)}, {Role::OnPrimary, clWhite}});
    const TColor darkPrimary = *primary.darkOf(Role::Primary), darkOn = *primary.darkOf(Role::OnPrimary);
    EXPECT_NEAR(contrastRatio(darkOn, darkPrimary), 5.169, 0.05);
    EXPECT_LT(relativeLuminance(darkOn), relativeLuminance(darkPrimary));
    EXPECT_FALSE(primary.unreachable[roleIndex(Role::OnPrimary)]);

    const ThemeColors given = themeOf({{Role::Text, clBlack}}, {{Role::Text, RGB(0xEE, 0xEE, 0xEE)}});
    EXPECT_EQ(*given.darkOf(Role::Text), RGB(0xEE, 0xEE, 0xEE));
    EXPECT_FALSE(given.derived[roleIndex(Role::Text)]);
    EXPECT_FALSE(given.unreachable[roleIndex(Role::Text)]);
    EXPECT_FALSE(given.darkOf(Role::Link)) << "a role without a light colour has neither";
}

TEST(Theme, RolesFollowUsedSlots)
{
    ThemeRoles roles;
    roles.light[roleIndex(Role::Background)] = RoleColor{3, 0};
    roles.light[roleIndex(Role::Text)] = RoleColor{4, 0};
    std::array<TColor, 16> colors{};
    std::array<int, 16> used{};
    colors[2] = RGB(0xFA, 0xFA, 0xF9);
    used[2] = 1;
    colors[3] = RGB(1, 2, 3); // not used: no colour
    const ThemeColors theme = themeColors(roles, colors, used);
    EXPECT_EQ(theme.lightOf(Role::Background), RGB(0xFA, 0xFA, 0xF9));
    EXPECT_FALSE(theme.lightOf(Role::Text));
    EXPECT_EQ(roleNamed("text-muted"), Role::TextMuted);
    EXPECT_FALSE(roleNamed("Text"));
}

// The verdicts of both modes. colorjs.io: #6B7280 on white 4.835 and APCA Lc 73.55; its derived dark
// counterpart #7A8290 on #121212 4.838 and Lc -34.88, below the 45 of secondary text; the border's
// 1.238 fails the 3:1 of non-text in both modes.
TEST(Theme, PairsAreJudgedInBothModes)
{
    const ThemeColors theme = themeOf({{Role::Background, clWhite},
                                       {Role::Text, RGB(0x33, 0x33, 0x33)},
                                       {Role::TextMuted, RGB(0x6B, 0x72, 0x80)},
                                       {Role::Border, RGB(0xE5, 0xE7, 0xEB)}});
    const std::vector<PairCheck> checks = checkTheme(theme);
    ASSERT_EQ(checks.size(), 3u) << "text, muted text and border on the background; the others lack a role";
    EXPECT_TRUE(checks[0].light.passes() && checks[0].dark.passes());
    const PairCheck& muted = checks[1];
    EXPECT_EQ(muted.pair.foreground, Role::TextMuted);
    EXPECT_NEAR(muted.light.ratio, 4.835, 0.001);
    EXPECT_NEAR(muted.light.lc, 73.55, 0.01);
    EXPECT_TRUE(muted.light.passes());
    EXPECT_EQ(muted.dark.foreground, RGB(0x7A, 0x82, 0x90));
    EXPECT_NEAR(muted.dark.lc, 34.88, 0.01);
    EXPECT_TRUE(muted.dark.passesWcag);
    EXPECT_FALSE(muted.dark.passesApca);
    EXPECT_FALSE(checks[2].light.passesWcag || checks[2].dark.passesWcag);
    EXPECT_EQ(minimumRatio(PairUse::NonText), 3.0);
    EXPECT_EQ(minimumLc(PairUse::BodyText), 60.0);

    // The nearest passing shade of the dark muted text: lighter, passing, and the first that does.
    const auto fixed = nearestPassingColor(RGB(0x7A, 0x82, 0x90), RGB(0x12, 0x12, 0x12), PairUse::SecondaryText);
    ASSERT_TRUE(fixed);
    EXPECT_TRUE(pairVerdict(*fixed, RGB(0x12, 0x12, 0x12), PairUse::SecondaryText).passes());
    EXPECT_GT(relativeLuminance(*fixed), relativeLuminance(RGB(0x7A, 0x82, 0x90)));
    const Oklch before = toOklch(*fixed);
    EXPECT_FALSE(pairVerdict(gamutMapped({before.L - 0.004, before.C, before.h}), RGB(0x12, 0x12, 0x12),
                             PairUse::SecondaryText).passes());
    // The grey nearest white that passes on white is the well-known #767676 (4.54:1, Lc 71.57).
    EXPECT_EQ(nearestPassingColor(clWhite, clWhite, PairUse::BodyText), RGB(0x76, 0x76, 0x76));
}
