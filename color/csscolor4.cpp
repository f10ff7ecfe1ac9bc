#include "color/csscolor4.h"

#include "color/cssvalues.h"
#include "color/gamutmap.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Tintara {

namespace {

// A part as a number, a percentage scaled so that 100 % is `full`.
std::optional<double> scaled(std::string_view part, double full)
{
    const auto n = number(part);
    if (!n)
        return std::nullopt;
    return n->percent ? n->value / 100 * full : n->value;
}

Xyz fromLab(double L, double a, double b)
{
    return xyzD65FromD50(xyzD50FromLab({std::clamp(L, 0.0, 100.0), a, b}));
}

// The blank-separated words between "color(" and ")", before any "/ alpha".
std::vector<std::string_view> words(std::string_view text)
{
    text = text.substr(0, std::min(text.find('/'), text.size()));
    std::vector<std::string_view> found;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || isBlank(text[i])) {
            if (i > start)
                found.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return found;
}

} // namespace

std::optional<Xyz> cssLab(const std::vector<std::string_view>& parts)
{
    const auto L = scaled(parts[0], 100), a = scaled(parts[1], 125), b = scaled(parts[2], 125);
    if (!L || !a || !b)
        return std::nullopt;
    return fromLab(*L, *a, *b);
}

std::optional<Xyz> cssLch(const std::vector<std::string_view>& parts)
{
    const auto L = scaled(parts[0], 100), C = scaled(parts[1], 150);
    const auto h = hueDegrees(parts[2]);
    if (!L || !C || !h)
        return std::nullopt;
    const double chroma = std::max(*C, 0.0), radians = *h * std::numbers::pi / 180;
    return fromLab(*L, chroma * std::cos(radians), chroma * std::sin(radians));
}

std::optional<Xyz> cssOklab(const std::vector<std::string_view>& parts)
{
    const auto L = scaled(parts[0], 1), a = scaled(parts[1], 0.4), b = scaled(parts[2], 0.4);
    if (!L || !a || !b)
        return std::nullopt;
    return xyzD65FromOklab({std::clamp(*L, 0.0, 1.0), *a, *b});
}

std::optional<std::array<double, 3>> cssHwb(const std::vector<std::string_view>& parts)
{
    const auto h = hueDegrees(parts[0]);
    const auto white = scaled(parts[1], 100), black = scaled(parts[2], 100);
    if (!h || !white || !black)
        return std::nullopt;
    double w = std::clamp(*white / 100, 0.0, 1.0), b = std::clamp(*black / 100, 0.0, 1.0);
    if (w + b >= 1) {
        const double grey = w / (w + b);
        return std::array<double, 3>{grey, grey, grey};
    }
    // The fully saturated colour of the hue, then whiteness and blackness laid over it.
    const auto f = [&](double n) {
        const double k = std::fmod(n + *h / 30, 12);
        const double pure = 0.5 - 0.5 * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
        return pure * (1 - w - b) + w;
    };
    return std::array<double, 3>{f(0), f(8), f(4)};
}

std::optional<ColorFunction> cssColorFunction(std::string_view text)
{
    if (!text.starts_with("color") || !text.ends_with(')'))
        return std::nullopt;
    text = trimmed(text.substr(5));
    if (!text.starts_with('('))
        return std::nullopt;
    const std::vector<std::string_view> parts = words(text.substr(1, text.size() - 2));
    if (parts.size() != 4)
        return std::nullopt;
    ColorFunction color;
    color.rgb = rgbSpaceNamed(parts[0]);
    color.d50 = parts[0] == "xyz-d50";
    if (!color.rgb && !color.d50 && parts[0] != "xyz" && parts[0] != "xyz-d65")
        return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto value = scaled(parts[i + 1], 1);
        if (!value)
            return std::nullopt;
        color.components[i] = *value;
    }
    return color;
}

Xyz xyzOf(const ColorFunction& color)
{
    const auto& c = color.components;
    if (color.rgb)
        return xyzD65FromRgb(*color.rgb, c);
    const Xyz xyz{c[0], c[1], c[2]};
    return color.d50 ? xyzD65FromD50(xyz) : xyz;
}

TColor shownInSrgb(const std::array<double, 3>& encoded)
{
    if (!inRgbGamut(encoded))
        return gamutMapped(oklchFromOklab(oklabFromXyzD65(xyzD65FromRgb(RgbSpace::Srgb, encoded))));
    const auto channel = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return RGB(channel(encoded[0]), channel(encoded[1]), channel(encoded[2]));
}

TColor shownInSrgb(const Xyz& xyz)
{
    return shownInSrgb(rgbFromXyzD65(RgbSpace::Srgb, xyz));
}

} // namespace Tintara
