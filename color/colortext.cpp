#include "color/colortext.h"

#include "color/csscolor4.h"
#include "color/cssnames.h"
#include "color/cssvalues.h"
#include "color/notation.h"
#include "color/gamutmap.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace Tintara {

namespace {

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

std::optional<unsigned> hexValue(std::string_view digits, std::size_t minimum, std::size_t maximum)
{
    if (digits.size() < minimum || digits.size() > maximum)
        return std::nullopt;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

// #rgb, #rgba, #rrggbb and #rrggbbaa (the alpha is dropped), or six digits alone.
std::optional<TColor> htmlColor(std::string_view digits)
{
    if (digits.size() == 4 || digits.size() == 8)
        digits.remove_suffix(digits.size() / 4);
    const auto value = hexValue(digits, 3, 6);
    if (!value || (digits.size() != 3 && digits.size() != 6))
        return std::nullopt;
    if (digits.size() == 3) {
        const auto doubled = [&](int shift) { return static_cast<int>((*value >> shift) & 0xF) * 17; };
        return RGB(doubled(8), doubled(4), doubled(0));
    }
    return RGB(static_cast<int>(*value >> 16), static_cast<int>((*value >> 8) & 0xFF), static_cast<int>(*value & 0xFF));
}

bool allHexDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; });
}

// $00bbggrr, 0xbbggrr and &Hbbggrr hold the colour as stored.
std::optional<TColor> storedColor(std::string_view digits)
{
    const auto value = hexValue(digits, 1, 8);
    if (!value || *value > 0xFFFFFF)
        return std::nullopt;
    return *value;
}

int channel(double value) { return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0))); }

std::optional<TColor> cssRgb(const std::vector<std::string_view>& parts)
{
    int values[3];
    for (int i = 0; i < 3; ++i) {
        const auto n = number(parts[i]);
        if (!n)
            return std::nullopt;
        values[i] = channel(n->percent ? n->value / 100 * 255 : n->value);
    }
    return RGB(values[0], values[1], values[2]);
}

std::optional<TColor> cssHsl(const std::vector<std::string_view>& parts)
{
    const auto hue = hueDegrees(parts[0]);
    const auto saturation = number(parts[1]), lightness = number(parts[2]);
    if (!hue || !saturation || !lightness)
        return std::nullopt;
    const double s = std::clamp(saturation->value / 100, 0.0, 1.0);
    const double l = std::clamp(lightness->value / 100, 0.0, 1.0);
    const double a = s * std::min(l, 1 - l);
    const auto f = [&](double n) {
        const double k = std::fmod(n + *hue / 30, 12);
        return 255 * (l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0})));
    };
    return RGB(channel(f(0)), channel(f(8)), channel(f(4)));
}

std::optional<Oklch> cssOklchParts(const std::vector<std::string_view>& parts)
{
    const auto lightness = number(parts[0]), chroma = number(parts[1]);
    const auto hue = hueDegrees(parts[2]);
    if (!lightness || !chroma || !hue)
        return std::nullopt;
    const double L = lightness->percent ? lightness->value / 100 : lightness->value;
    const double C = std::max(0.0, chroma->percent ? chroma->value * 0.004 : chroma->value);
    return Oklch{L, C, *hue};
}

std::optional<TColor> cssOklch(const std::vector<std::string_view>& parts)
{
    const auto lch = cssOklchParts(parts);
    return lch ? std::optional(gamutMapped(*lch)) : std::nullopt; // as a browser shows a colour outside sRGB
}

std::optional<Xyz> cssOklchXyz(const std::vector<std::string_view>& parts)
{
    const auto lch = cssOklchParts(parts);
    return lch ? std::optional(xyzD65FromOklab(oklabFromOklch({std::clamp(lch->L, 0.0, 1.0), lch->C, lch->h})))
               : std::nullopt;
}

// A CSS Color 4 function's colour as an sRGB screen shows it.
template <auto read>
std::optional<TColor> shown(const std::vector<std::string_view>& parts)
{
    const auto color = read(parts);
    return color ? std::optional(shownInSrgb(*color)) : std::nullopt;
}

// "r,g,b" and "r;g;b", whole numbers 0 to 255; "c;m;y;k" is the CMYK notation, whose parts
// add up to at most 255 per channel.
std::optional<TColor> channelList(std::string_view text)
{
    const char separator = text.find(';') != std::string_view::npos ? ';' : ',';
    const std::size_t count = static_cast<std::size_t>(std::count(text.begin(), text.end(), separator)) + 1;
    if (count != 3 && (count != 4 || separator != ';'))
        return std::nullopt;
    int values[4] = {0, 0, 0, 0};
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t end = std::min(text.find(separator), text.size());
        const std::string_view part = trimmed(text.substr(0, end));
        const auto [last, error] = std::from_chars(part.data(), part.data() + part.size(), values[i]);
        if (part.empty() || error != std::errc() || last != part.data() + part.size() || values[i] < 0 || values[i] > 255)
            return std::nullopt;
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    if (count == 3)
        return RGB(values[0], values[1], values[2]);
    const int key = values[3];
    if (std::max({values[0], values[1], values[2]}) + key > 255)
        return std::nullopt;
    return RGB(255 - values[0] - key, 255 - values[1] - key, 255 - values[2] - key);
}

} // namespace

std::optional<TColor> colorFromText(std::string_view text)
{
    const std::string lower = lowered(trimmed(text));
    const std::string_view t = lower;
    if (t.starts_with('#'))
        return htmlColor(t.substr(1));
    if (t.starts_with('$'))
        return storedColor(t.substr(1));
    if (t.starts_with("0x") || t.starts_with("&h"))
        return storedColor(t.substr(2));
    if (const auto color = cssColorFunction(t)) // sRGB's own components as they are, without rounding off
        return color->rgb == RgbSpace::Srgb ? shownInSrgb(color->components) : shownInSrgb(xyzOf(*color));
    using Converter = std::optional<TColor> (*)(const std::vector<std::string_view>&);
    static constexpr std::pair<std::string_view, Converter> functions[] = {
        {"rgba", cssRgb},          {"rgb", cssRgb},       {"hsla", cssHsl},      {"hsl", cssHsl},
        {"oklch", cssOklch},       {"oklab", shown<cssOklab>}, {"lab", shown<cssLab>}, {"lch", shown<cssLch>},
        {"hwb", shown<cssHwb>}};
    for (const auto& [name, convert] : functions) {
        if (t.starts_with(name)) {
            const auto parts = functionArguments(t, name);
            return parts ? convert(*parts) : std::nullopt;
        }
    }
    if (t.starts_with("cl"))
        return namedColor(t);
    if (const auto named = cssNamedColor(t))
        return named;
    if (t.size() == 6 && allHexDigits(t))
        return htmlColor(t);
    return channelList(t);
}

std::optional<Xyz> colorXyzFromText(std::string_view text)
{
    const std::string lower = lowered(trimmed(text));
    const std::string_view t = lower;
    if (const auto color = cssColorFunction(t))
        return xyzOf(*color);
    using Reader = std::optional<Xyz> (*)(const std::vector<std::string_view>&);
    static constexpr std::pair<std::string_view, Reader> functions[] = {
        {"oklch", cssOklchXyz}, {"oklab", cssOklab}, {"lab", cssLab}, {"lch", cssLch}};
    for (const auto& [name, read] : functions) {
        if (t.starts_with(name)) {
            const auto parts = functionArguments(t, name);
            return parts ? read(*parts) : std::nullopt;
        }
    }
    const auto color = colorFromText(text);
    if (!color)
        return std::nullopt;
    return xyzD65FromRgb(RgbSpace::Srgb, {redOf(*color) / 255.0, greenOf(*color) / 255.0, blueOf(*color) / 255.0});
}

std::optional<double> opacityOf(std::string_view text)
{
    if (!colorFromText(text))
        return std::nullopt;
    const std::string lower = lowered(trimmed(text));
    std::string_view t = lower;
    if (t.starts_with('#') && (t.size() == 5 || t.size() == 9)) {
        const std::size_t digits = (t.size() - 1) / 4;
        const auto value = hexValue(t.substr(t.size() - digits), 1, 2);
        return value ? std::optional(*value / (digits == 1 ? 15.0 : 255.0)) : std::nullopt;
    }
    if (!t.ends_with(')') || t.find('(') == std::string_view::npos)
        return std::nullopt;
    // "/ alpha", or the fourth part of the comma form.
    t = t.substr(t.find('(') + 1);
    t.remove_suffix(1);
    std::string_view alpha;
    if (const std::size_t slash = t.find('/'); slash != std::string_view::npos) {
        alpha = trimmed(t.substr(slash + 1));
    } else if (std::count(t.begin(), t.end(), ',') == 3) {
        alpha = trimmed(t.substr(t.rfind(',') + 1));
    } else {
        return std::nullopt;
    }
    const auto n = number(alpha);
    if (!n)
        return std::nullopt;
    return std::clamp(n->percent ? n->value / 100 : n->value, 0.0, 1.0);
}

bool namesTransparency(std::string_view text)
{
    return lowered(trimmed(text)) == "transparent";
}

} // namespace Tintara
