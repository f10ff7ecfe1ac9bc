#include "color/wcag.h"

#include "color/decimal.h"
#include "color/oklab.h"

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
    const auto firstPassing = [&](int direction) -> std::optional<TColor> {
        for (int step = 1; step <= 100; ++step) {
            if (const TColor shade = ShadeColor(text, direction * step); contrastRatio(shade, background) >= minimum)
                return shade;
        }
        return std::nullopt;
    };
    // A step count says little (the last percent towards white may be a smaller change than 98 %
    // towards black), so of the first passing shade on each side the smaller change in OKLab wins.
    const Oklab original = toOklab(text);
    const auto change = [&](TColor shade) {
        const Oklab lab = toOklab(shade);
        return std::hypot(lab.L - original.L, lab.a - original.a, lab.b - original.b);
    };
    const std::optional<TColor> darker = firstPassing(-1), lighter = firstPassing(1);
    if (!darker || !lighter)
        return darker ? darker : lighter;
    const double difference = change(*darker) - change(*lighter);
    if (std::abs(difference) > 1e-12)
        return difference < 0 ? darker : lighter;
    return contrastRatio(*darker, background) >= contrastRatio(*lighter, background) ? darker : lighter;
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
