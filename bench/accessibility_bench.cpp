#include "color/cvd.h"
#include "rules/contrastrules.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace Tintara;

// The contrast matrix of a full scheme: 16 x 16 ratios, as the page computes them on every change.
static void ContrastMatrixOfSixteenColours(benchmark::State& state)
{
    std::vector<TColor> colors;
    for (int n = 0; n < 16; ++n)
        colors.push_back(RGB(n * 16, 255 - n * 13, (n * 97) % 256));
    for (auto _ : state)
        benchmark::DoNotOptimize(contrastMatrix(colors));
}
BENCHMARK(ContrastMatrixOfSixteenColours)->Unit(benchmark::kMicrosecond);

// The deficiency filter over a grab of the module area (512 x 364 pixels).
static void DeficiencyFilterOverAPageGrab(benchmark::State& state)
{
    std::vector<std::uint32_t> pixels(512 * 364);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u & 0xFFFFFF);
    const Matrix3 matrix = deficiencyMatrix(Deficiency::Deuteranopia, 0.55);
    for (auto _ : state) {
        std::vector<std::uint32_t> copy = pixels;
        simulateDeficiency(copy, matrix);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(DeficiencyFilterOverAPageGrab)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
