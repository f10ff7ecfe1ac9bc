#include "rules/modulerules.h"

#include "color/mix.h"

namespace Tintara {

std::array<std::optional<TColor>, 288> schemeGradations(const std::array<TColor, 16>& colors,
                                                        const std::array<int, 16>& used, int mode)
{
    std::array<std::optional<TColor>, 288> shades;
    const int step = mode == 0 ? 10 : mode == 1 ? 5 : -5;
    for (int c = 1; c <= 16; ++c) {
        int amount = mode == 0 ? -100 : 0;
        for (int r = 1; r <= 18; ++r) {
            amount += step;
            if (used[c - 1] == 1)
                shades[16 * (r - 1) + c - 1] = ShadeColor(colors[c - 1], amount);
        }
    }
    return shades;
}

std::array<TColor, 200> brightnessGradient(TColor start)
{
    std::array<TColor, 200> shades{};
    for (int n = 1; n <= 200; ++n)
        shades[n - 1] = ShadeColor(start, n - 100);
    return shades;
}

std::array<TColor, 256> colourGradient(TColor start, TColor end, MixSpace space)
{
    std::array<TColor, 256> steps{};
    for (int n = 1; n <= 256; ++n)
        steps[n - 1] = mixIn(space, end, start, n - 1);
    return steps;
}

std::optional<SchemeSlots> withColoursInFreeSlots(const SchemeSlots& scheme, const std::vector<WideColor>& colours,
                                                  const std::vector<QString>& infos)
{
    SchemeSlots filled = scheme;
    std::size_t next = 0;
    for (std::size_t n = 0; n < filled.used.size() && next < colours.size(); ++n) {
        if (filled.used[n] == 0) {
            if (next < infos.size())
                filled.infos[n] = infos[next];
            filled.colors[n] = colours[next].srgb;
            filled.wide[n] = colours[next++].wide;
            filled.used[n] = 1;
        }
    }
    if (next != colours.size())
        return std::nullopt;
    return filled;
}

TColor webSafeColor(int n)
{
    const int i = (n - 1) / 36;
    const int j = (n - 1) / 6 % 6;
    const int k = (n - 1) % 6;
    return RGB(51 * i, 51 * j, 51 * k);
}

} // namespace Tintara
