#include "color/theme.h"

#include "color/apca.h"
#include "color/gamutmap.h"
#include "color/oklab.h"
#include "color/wcag.h"

#include <algorithm>
#include <cmath>

namespace Tintara {

namespace {

constexpr double darkBackgroundLightness = 0.18;
constexpr double darkSurfaceLightness = 0.23;
constexpr double darkNeutralChroma = 0.02;

// `base`'s hue at `lightness`, with its chroma or, where sRGB cannot hold that, the most it holds:
// unlike CSS's mapping, which clips at the end, this keeps the hue exactly.
TColor atLightness(const Oklch& base, double lightness)
{
    const auto linear = [&](double chroma) { return linearFromOklab(oklabFromOklch({lightness, chroma, base.h})); };
    if (inSrgbGamut(linear(base.C)))
        return clippedColor(linear(base.C));
    double inside = 0, outside = base.C;
    for (int step = 0; step < 16; ++step) {
        const double middle = (inside + outside) / 2;
        (inSrgbGamut(linear(middle)) ? inside : outside) = middle;
    }
    return clippedColor(linear(inside));
}

TColor darkNeutral(TColor light, double lightness)
{
    const Oklch lch = toOklch(light);
    return gamutMapped({lightness, std::min(lch.C, darkNeutralChroma), lch.h});
}

struct Solution {
    TColor color;
    bool reached;
};

// The colour of `base`'s hue and chroma on one side of `reference` (lighter or darker) whose
// contrast with it comes nearest `target`. Contrast grows with the distance in lightness, so the
// lightness is found by bisection; then the nearby lightnesses, whose 8-bit colours round apart,
// give the colour nearest the target.
Solution solveSide(const Oklch& base, TColor reference, double target, bool lighter)
{
    const double from = toOklch(reference).L;
    const double to = lighter ? 1.0 : 0.0;
    const auto ratioAt = [&](double lightness) { return contrastRatio(atLightness(base, lightness), reference); };
    if (ratioAt(to) < target)
        return {atLightness(base, to), false};
    double near = from, far = to;
    for (int step = 0; step < 20; ++step) {
        const double middle = (near + far) / 2;
        (ratioAt(middle) < target ? near : far) = middle;
    }
    TColor best = atLightness(base, far);
    double bestMiss = std::abs(ratioAt(far) - target);
    for (int n = -10; n <= 10; ++n) {
        const double lightness = std::clamp(far + n * 0.0004, 0.0, 1.0);
        const TColor candidate = atLightness(base, lightness);
        const double miss = std::abs(contrastRatio(candidate, reference) - target);
        if (miss < bestMiss) {
            best = candidate;
            bestMiss = miss;
        }
    }
    return {best, true};
}

// The dark colour of a role whose light colour `light` shows against `lightReference`, now against
// `darkReference`: first on the side the light pair suggests, else on the other.
Solution darkCounterpart(TColor light, TColor lightReference, TColor darkReference, bool lighterFirst)
{
    const Oklch base = toOklch(light);
    const double target = contrastRatio(light, lightReference);
    const Solution first = solveSide(base, darkReference, target, lighterFirst);
    if (first.reached)
        return first;
    const Solution second = solveSide(base, darkReference, target, !lighterFirst);
    if (second.reached)
        return second;
    return contrastRatio(first.color, darkReference) >= contrastRatio(second.color, darkReference) ? first : second;
}

} // namespace

std::optional<Role> roleNamed(std::string_view key)
{
    for (const RoleRow& row : roleTable) {
        if (key == row.key)
            return row.role;
    }
    return std::nullopt;
}

bool ThemeRoles::empty() const
{
    return std::none_of(light.begin(), light.end(), [](const auto& c) { return c.has_value(); })
        && std::none_of(dark.begin(), dark.end(), [](const auto& c) { return c.has_value(); });
}

ThemeColors themeColors(const ThemeRoles& roles, const std::array<TColor, 16>& colors, const std::array<int, 16>& used)
{
    ThemeColors theme;
    for (std::size_t n = 0; n < roleCount; ++n) {
        const auto& given = roles.light[n];
        if (!given)
            continue;
        if (given->slot == 0)
            theme.light[n] = ColorToRGB(given->color);
        else if (given->slot >= 1 && given->slot <= 16 && used[given->slot - 1] == 1)
            theme.light[n] = ColorToRGB(colors[given->slot - 1]);
    }
    const auto darkGiven = [&](Role role) -> std::optional<TColor> {
        const auto& dark = roles.dark[roleIndex(role)];
        return dark ? std::optional(ColorToRGB(*dark)) : std::nullopt;
    };
    // The references: without a background of its own the theme stands on white.
    const TColor lightBackground = theme.lightOf(Role::Background).value_or(clWhite);
    const TColor darkBackground =
        darkGiven(Role::Background).value_or(darkNeutral(lightBackground, darkBackgroundLightness));
    const auto derive = [&](Role role, TColor lightReference, TColor darkReference) {
        const std::size_t n = roleIndex(role);
        if (!theme.light[n])
            return;
        if (const auto dark = darkGiven(role)) {
            theme.dark[n] = dark;
            return;
        }
        theme.derived[n] = true;
        if (role == Role::Background || role == Role::Surface) {
            theme.dark[n] = darkNeutral(*theme.light[n],
                                        role == Role::Background ? darkBackgroundLightness : darkSurfaceLightness);
            return;
        }
        const bool lighterFirst = role == Role::OnPrimary
            ? relativeLuminance(*theme.light[n]) > relativeLuminance(lightReference)
            : relativeLuminance(darkReference) < 0.18;
        const Solution solution = darkCounterpart(*theme.light[n], lightReference, darkReference, lighterFirst);
        theme.dark[n] = solution.color;
        theme.unreachable[n] = !solution.reached;
    };
    derive(Role::Background, clWhite, clBlack);
    derive(Role::Surface, clWhite, clBlack);
    for (const RoleRow& row : roleTable) {
        if (row.role != Role::Background && row.role != Role::Surface && row.role != Role::OnPrimary)
            derive(row.role, lightBackground, darkBackground);
    }
    // Text on the primary follows the primary of each mode.
    if (theme.lightOf(Role::Primary))
        derive(Role::OnPrimary, *theme.lightOf(Role::Primary), *theme.darkOf(Role::Primary));
    return theme;
}

const std::array<RolePair, 10> checkedPairs = {{
    {Role::Text, Role::Background, PairUse::BodyText},
    {Role::Text, Role::Surface, PairUse::BodyText},
    {Role::TextMuted, Role::Background, PairUse::SecondaryText},
    {Role::Link, Role::Background, PairUse::BodyText},
    {Role::OnPrimary, Role::Primary, PairUse::BodyText},
    {Role::Primary, Role::Background, PairUse::NonText},
    {Role::Border, Role::Background, PairUse::NonText},
    {Role::Success, Role::Background, PairUse::SecondaryText},
    {Role::Warning, Role::Background, PairUse::SecondaryText},
    {Role::Danger, Role::Background, PairUse::SecondaryText},
}};

double minimumRatio(PairUse use)
{
    return use == PairUse::NonText ? 3.0 : 4.5;
}

double minimumLc(PairUse use)
{
    switch (use) {
    case PairUse::BodyText: return 60;
    case PairUse::SecondaryText: return 45;
    case PairUse::NonText: return 30;
    }
    return 60;
}

PairVerdict pairVerdict(TColor foreground, TColor background, PairUse use)
{
    PairVerdict verdict{foreground, background};
    verdict.ratio = contrastRatio(foreground, background);
    verdict.lc = std::abs(apcaContrast(foreground, background));
    // As the contrast page judges: the ratio cut to two decimals, Lc to one.
    verdict.passesWcag = cutContrastRatio(verdict.ratio) >= minimumRatio(use);
    verdict.passesApca = std::round(verdict.lc * 10) / 10 >= minimumLc(use);
    return verdict;
}

std::vector<PairCheck> checkTheme(const ThemeColors& theme)
{
    std::vector<PairCheck> checks;
    for (const RolePair& pair : checkedPairs) {
        const auto lightFore = theme.lightOf(pair.foreground), lightBack = theme.lightOf(pair.background);
        if (!lightFore || !lightBack)
            continue;
        checks.push_back({pair, pairVerdict(*lightFore, *lightBack, pair.use),
                          pairVerdict(*theme.darkOf(pair.foreground), *theme.darkOf(pair.background), pair.use)});
    }
    return checks;
}

std::optional<TColor> nearestPassingColor(TColor foreground, TColor background, PairUse use)
{
    const Oklch base = toOklch(foreground);
    for (int step = 0; step <= 500; ++step) {
        // Of two lightnesses as near, the one further from the background first.
        const bool lighterFirst = relativeLuminance(foreground) >= relativeLuminance(background);
        for (const double sign : {lighterFirst ? 1.0 : -1.0, lighterFirst ? -1.0 : 1.0}) {
            const double lightness = base.L + sign * step * 0.002;
            if (lightness < 0 || lightness > 1)
                continue;
            const TColor candidate = step == 0 ? ColorToRGB(foreground) : atLightness(base, lightness);
            if (pairVerdict(candidate, background, use).passes())
                return candidate;
        }
    }
    return std::nullopt;
}

} // namespace Tintara
