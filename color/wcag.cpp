#include "color/wcag.h"

#include "color/decimal.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Tintara {

namespace {

const std::array<double, 256>& linearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int v = 0; v < 256; ++v) {
            const double c = v / 255.0;
            values[v] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return values;
    }();
    return table;
}

} // namespace

double linearChannel(int value)
{
    return linearTable()[std::clamp(value, 0, 255)];
}

double relativeLuminance(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return 0.2126 * linearChannel(redOf(rgb)) + 0.7152 * linearChannel(greenOf(rgb))
        + 0.0722 * linearChannel(blueOf(rgb));
}

double contrastRatio(TColor first, TColor second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

WcagLevel wcagTextLevel(double ratio)
{
    if (ratio >= 7)
        return WcagLevel::Aaa;
    if (ratio >= 4.5)
        return WcagLevel::Aa;
    return ratio >= 3 ? WcagLevel::AaLargeTextOnly : WcagLevel::Fail;
}

WcagLevel wcagLargeTextLevel(double ratio)
{
    if (ratio >= 4.5)
        return WcagLevel::Aaa;
    return ratio >= 3 ? WcagLevel::Aa : WcagLevel::Fail;
}

bool meetsNonTextContrast(double ratio)
{
    return ratio >= 3;
}

std::optional<TColor> nearestPassingShade(TColor text, TColor background, double minimum)
{
    for (int step = 1; step <= 100; ++step) {
        const TColor darker = ShadeColor(text, -step);
        const TColor lighter = ShadeColor(text, step);
        const double darkRatio = contrastRatio(darker, background);
        const double lightRatio = contrastRatio(lighter, background);
        if (darkRatio >= minimum || lightRatio >= minimum)
            return darkRatio >= lightRatio ? darker : lighter;
    }
    return std::nullopt;
}

double cutContrastRatio(double ratio)
{
    // A hair above the cut absorbs the binary error of ratios like 21 that are exact in decimal.
    return std::floor(ratio * 100 + 1e-9) / 100;
}

std::string formatContrastRatio(double ratio)
{
    return decimalCommaText(cutContrastRatio(ratio), 2) + ":1";
}

} // namespace Tintara
