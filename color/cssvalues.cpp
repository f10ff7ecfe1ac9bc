#include "color/cssvalues.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <utility>

namespace Tintara {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<Number> number(std::string_view text)
{
    Number n{0, false};
    if (text == "none")
        return n;
    if (text.ends_with('%')) {
        n.percent = true;
        text.remove_suffix(1);
    }
    if (text.starts_with('+'))
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n.value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(n.value))
        return std::nullopt;
    return n;
}

std::optional<std::vector<std::string_view>> functionArguments(std::string_view text, std::string_view name)
{
    if (!text.starts_with(name) || !text.ends_with(')'))
        return std::nullopt;
    text = trimmed(text.substr(name.size()));
    if (!text.starts_with('('))
        return std::nullopt;
    text = text.substr(1, text.size() - 2);
    text = text.substr(0, std::min(text.find('/'), text.size()));
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || isBlank(text[i]) || text[i] == ',') {
            if (i > start)
                parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (parts.size() == 4)
        parts.pop_back(); // the legacy alpha
    if (parts.size() != 3)
        return std::nullopt;
    return parts;
}

std::optional<double> hueDegrees(std::string_view text)
{
    static constexpr std::pair<std::string_view, double> units[] = {
        {"deg", 1}, {"grad", 0.9}, {"rad", 180 / std::numbers::pi}, {"turn", 360}};
    double scale = 1;
    for (const auto& [unit, degrees] : units) {
        if (text.ends_with(unit)) {
            text.remove_suffix(unit.size());
            scale = degrees;
            break;
        }
    }
    const auto hue = number(text);
    if (!hue || hue->percent || !std::isfinite(hue->value * scale))
        return std::nullopt;
    return std::fmod(std::fmod(hue->value * scale, 360) + 360, 360);
}

} // namespace Tintara
