#pragma once

#include "color/tcolor.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// Marks the labels for the translation tools; Qt's own definition, for code without Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace Tintara {

// The colour roles of a theme, each with a light and a dark colour.
enum class Role { Background, Surface, Text, TextMuted, Border, Primary, OnPrimary, Accent, Link, Success, Warning, Danger };
inline constexpr std::size_t roleCount = 12;

struct RoleRow {
    Role role;
    const char* key;   // in files and on the command line
    const char* label; // in the window
};
inline constexpr std::array<RoleRow, roleCount> roleTable = {{
    {Role::Background, "background", QT_TRANSLATE_NOOP("Farbrollen", "Hintergrund")},
    {Role::Surface, "surface", QT_TRANSLATE_NOOP("Farbrollen", "Fläche")},
    {Role::Text, "text", QT_TRANSLATE_NOOP("Farbrollen", "Text")},
    {Role::TextMuted, "text-muted", QT_TRANSLATE_NOOP("Farbrollen", "Text gedämpft")},
    {Role::Border, "border", QT_TRANSLATE_NOOP("Farbrollen", "Rand")},
    {Role::Primary, "primary", QT_TRANSLATE_NOOP("Farbrollen", "Primär")},
    {Role::OnPrimary, "on-primary", QT_TRANSLATE_NOOP("Farbrollen", "Text auf Primär")},
    {Role::Accent, "accent", QT_TRANSLATE_NOOP("Farbrollen", "Akzent")},
    {Role::Link, "link", QT_TRANSLATE_NOOP("Farbrollen", "Link")},
    {Role::Success, "success", QT_TRANSLATE_NOOP("Farbrollen", "Erfolg")},
    {Role::Warning, "warning", QT_TRANSLATE_NOOP("Farbrollen", "Warnung")},
    {Role::Danger, "danger", QT_TRANSLATE_NOOP("Farbrollen", "Fehler")},
}};
constexpr std::size_t roleIndex(Role role) { return static_cast<std::size_t>(role); }
std::optional<Role> roleNamed(std::string_view key);

// A role's light colour: the scheme slot it follows (1..16), or a colour of its own (slot 0).
struct RoleColor {
    int slot = 0;
    TColor color = 0;
    bool operator==(const RoleColor&) const = default;
};

// What the user gave: light colours, and the dark colours dropped on purpose; the others are derived.
struct ThemeRoles {
    std::array<std::optional<RoleColor>, roleCount> light{};
    std::array<std::optional<TColor>, roleCount> dark{};
    bool empty() const;
    bool operator==(const ThemeRoles&) const = default;
};

// Both modes as the theme shows them: a role without a light colour has neither.
struct ThemeColors {
    std::array<std::optional<TColor>, roleCount> light{}, dark{};
    std::array<bool, roleCount> derived{};     // the dark colour follows from the light one
    std::array<bool, roleCount> unreachable{}; // derived, and the light pair's contrast cannot be had
    std::optional<TColor> lightOf(Role role) const { return light[roleIndex(role)]; }
    std::optional<TColor> darkOf(Role role) const { return dark[roleIndex(role)]; }
};

// The colours of `roles`, a slot's colour for a role that follows a used slot of `colors`. A dark
// colour not given is derived: background and surface as dark neutrals of their light colours'
// hue (OKLCH L 0.18 and 0.23); every other role keeps its light colour's hue and, as far as sRGB
// allows, its chroma, at the lightness where its contrast with its reference in the dark mode equals
// the light pair's (the reference is the background, for on-primary the primary). Where that
// contrast cannot be had, the nearest is taken and the role marked.
ThemeColors themeColors(const ThemeRoles& roles, const std::array<TColor, 16>& colors, const std::array<int, 16>& used);

// The pairs used together, and what each must reach: WCAG 2.2 4.5:1 for text, 3:1 for other
// things; APCA Lc 60 for body text, 45 for secondary text, 30 for other things.
enum class PairUse { BodyText, SecondaryText, NonText };
struct RolePair {
    Role foreground;
    Role background;
    PairUse use;
};
extern const std::array<RolePair, 10> checkedPairs;
double minimumRatio(PairUse use);
double minimumLc(PairUse use);

struct PairVerdict {
    TColor foreground = 0, background = 0;
    double ratio = 1; // WCAG 2.2
    double lc = 0;    // APCA, without its sign
    bool passesWcag = false;
    bool passesApca = false;
    bool passes() const { return passesWcag && passesApca; }
};
PairVerdict pairVerdict(TColor foreground, TColor background, PairUse use);
// Each checked pair whose two roles have colours, in the light and the dark mode.
struct PairCheck {
    RolePair pair;
    PairVerdict light, dark;
};
std::vector<PairCheck> checkTheme(const ThemeColors& theme);

// The colour of `foreground`'s hue and chroma at the lightness nearest its own that passes both
// thresholds against `background`; none where no lightness does.
std::optional<TColor> nearestPassingColor(TColor foreground, TColor background, PairUse use);

} // namespace Tintara
