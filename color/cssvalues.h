#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace Tintara {

// The pieces CSS colour functions are written in, read as CSS Color 4 reads them.

bool isBlank(char c);
std::string_view trimmed(std::string_view text);

struct Number {
    double value;
    bool percent;
};

// A number, a percentage, or "none", which CSS Color 4 reads as zero.
std::optional<Number> number(std::string_view text);

// The three parts of "name(a b c)", "name(a, b, c)" or either with "/ alpha" or a fourth part.
std::optional<std::vector<std::string_view>> functionArguments(std::string_view text, std::string_view name);

// A hue in degrees 0 to 360, written as a plain number or with a CSS angle unit.
std::optional<double> hueDegrees(std::string_view text);

} // namespace Tintara
