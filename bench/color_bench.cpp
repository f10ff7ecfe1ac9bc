#include "color/colorscale.h"
#include "color/dominantcolors.h"
#include "color/colortext.h"
#include "color/cvd.h"
#include "color/colorspaces.h"
#include "color/gamutmap.h"
#include "color/hsv.h"
#include "color/notation.h"
#include "color/theme.h"
#include "support/exactdeficiency.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

using namespace Tintara;

// Every colour through RGB -> HSV -> RGB; the counter reports the time per colour.
static void RoundTripAllColours(benchmark::State& state)
{
    constexpr double colours = 0x1000000;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        TColor sum = 0;
        for (TColor c = 0; c <= 0xFFFFFF; ++c) {
            const Hsv hsv = RGBnachHSV(c);
            sum += HSVnachRGB(hsv.h, hsv.s, hsv.v);
        }
        benchmark::DoNotOptimize(sum);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["ns_per_colour"] = seconds * 1e9 / (colours * static_cast<double>(state.iterations()));
}
BENCHMARK(RoundTripAllColours)->Unit(benchmark::kMillisecond)->Iterations(1);

// One gamut mapping of a colour outside sRGB, as a drag of an OKLCH bar needs per step; the goal
// is under 5 µs. The hue walks round so that no two calls map the same colour.
static void GamutMapping(benchmark::State& state)
{
    double hue = 0;
    for (auto _ : state) {
        hue = hue >= 359 ? 0 : hue + 1;
        benchmark::DoNotOptimize(gamutMapped({0.7, 0.3, hue}));
    }
}
BENCHMARK(GamutMapping)->Unit(benchmark::kMicrosecond);

// The same colours mapped into Display P3; the goal is under 5 µs each.
static void DisplayP3GamutMapping(benchmark::State& state)
{
    double hue = 0;
    for (auto _ : state) {
        hue = hue >= 359 ? 0 : hue + 1;
        benchmark::DoNotOptimize(gamutMappedInto(RgbSpace::DisplayP3, {0.7, 0.4, hue}));
    }
}
BENCHMARK(DisplayP3GamutMapping)->Unit(benchmark::kMicrosecond);

// A tonal scale of eleven steps, and ten contrast targets; the goal is under 0.5 ms each.
static void TonalScale(benchmark::State& state)
{
    TColor base = RGB(0x25, 0x63, 0xEB);
    for (auto _ : state) {
        base = base == 0xFFFFFF ? 0 : base + 0x010203;
        benchmark::DoNotOptimize(tonalScale(base));
    }
}
BENCHMARK(TonalScale)->Unit(benchmark::kMillisecond);

// A whole theme: every role given, each dark colour derived (with the fine search for the light
// pair's contrast), then every pair of both modes judged. The goal is under 1 ms.
static void DeriveAndCheckATheme(benchmark::State& state)
{
    ThemeRoles roles;
    const TColor lights[roleCount] = {0xFFFFFF, 0xFBFAF9, 0x37291F, 0x80726B, 0xEBE7E5, 0xEB6325,
                                      0xFFFFFF, 0xED3A7C, 0xD84E1D, 0x4AA316, 0x0B9ED9, 0x2626DC};
    for (std::size_t n = 0; n < roleCount; ++n)
        roles.light[n] = RoleColor{0, lights[n]};
    for (auto _ : state) {
        const ThemeColors theme = themeColors(roles, {}, {});
        benchmark::DoNotOptimize(checkTheme(theme));
    }
}
BENCHMARK(DeriveAndCheckATheme)->Unit(benchmark::kMicrosecond);

static void TenContrastTargets(benchmark::State& state)
{
    const ContrastMeasure measure = state.range(0) ? ContrastMeasure::Apca : ContrastMeasure::Wcag;
    const std::vector<double> targets =
        measure == ContrastMeasure::Wcag ? defaultContrastTargets
                                         : std::vector<double>{15, 25, 30, 40, 45, 60, 70, 75, 90, 100};
    TColor base = RGB(0x25, 0x63, 0xEB);
    for (auto _ : state) {
        base = base == 0xFFFFFF ? 0 : base + 0x010203;
        benchmark::DoNotOptimize(contrastShades(base, clWhite, targets, measure));
    }
}
BENCHMARK(TenContrastTargets)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The worst picture for the colour extraction: 256 x 256 pixels, every one a colour of its own.
static void DominantColoursOfNoise(benchmark::State& state)
{
    std::mt19937 random(1);
    std::vector<TColor> pixels;
    for (int n = 0; n < 256 * 256; ++n)
        pixels.push_back(random() & 0xFFFFFF);
    for (auto _ : state)
        benchmark::DoNotOptimize(dominantColors(pixels, static_cast<int>(state.range(0))));
}
BENCHMARK(DominantColoursOfNoise)->Arg(8)->Arg(16)->Unit(benchmark::kMillisecond);

static void NotationsOfOneColour(benchmark::State& state)
{
    for (auto _ : state) {
        for (int n = 0; n < NotationCount; ++n)
            benchmark::DoNotOptimize(ColorNotation(0x00ABCDEF, n));
    }
}
BENCHMARK(NotationsOfOneColour);

// Every one of the 16.7 million colours through each copied notation and back; the counter
// "wrong" must stay 0 (the test suite checks every 97th colour).
static void EveryNotationReadsBackForAllColours(benchmark::State& state)
{
    const NotationRow& row = notationTable[static_cast<std::size_t>(state.range(0))];
    long wrong = 0;
    for (auto _ : state) {
        for (TColor c = 0; c <= 0xFFFFFF; ++c)
            wrong += row.read(row.format(c)) != c;
    }
    state.counters["wrong"] = static_cast<double>(wrong);
}
BENCHMARK(EveryNotationReadsBackForAllColours)->DenseRange(0, NotationCount - 1)->Unit(benchmark::kSecond)->Iterations(1);

// Every colour as seen with each deficiency against the exact computation; the counter "wrong"
// must stay 0 (the test suite checks every 97th colour).
static void EveryColourAsSeenIsRoundedExactly(benchmark::State& state)
{
    const Matrix3 m = deficiencyMatrix(static_cast<Deficiency>(state.range(0)), 1.0);
    long wrong = 0;
    for (auto _ : state) {
        for (TColor c = 0; c <= 0xFFFFFF; ++c)
            wrong += simulateDeficiency(c, m) != Testing::exactlySeen(c, m);
    }
    state.counters["wrong"] = static_cast<double>(wrong);
}
BENCHMARK(EveryColourAsSeenIsRoundedExactly)
    ->Arg(static_cast<int>(Deficiency::Protanopia))
    ->Arg(static_cast<int>(Deficiency::Deuteranopia))
    ->Arg(static_cast<int>(Deficiency::Tritanopia))
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
