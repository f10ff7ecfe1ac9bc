#include "color/dominantcolors.h"

#include "color/oklab.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <unordered_map>

namespace Tintara {

namespace {

constexpr int maximumRounds = 50;
constexpr double settled = 1e-4;
constexpr std::uint32_t seed = 0x7a1c0de;

// A distinct colour of the picture, in OKLab, with how much it counts and how many pixels have it.
struct Point {
    Oklab lab;
    double weight;
    double pixels;
};

// How much an accent counts beside its area: a strong colour (OKLCH chroma 0.15 and more) a
// hundred times a grey, growing with the square of the chroma between.
double accentWeight(const Oklab& lab)
{
    constexpr double strong = 0.15, greyShare = 0.01;
    const double chroma = std::min(std::hypot(lab.a, lab.b) / strong, 1.0);
    return greyShare + (1 - greyShare) * chroma * chroma;
}

double distanceSquared(const Oklab& a, const Oklab& b)
{
    return (a.L - b.L) * (a.L - b.L) + (a.a - b.a) * (a.a - b.a) + (a.b - b.b) * (a.b - b.b);
}

std::vector<Point> distinctPoints(const std::vector<TColor>& pixels, ColorEmphasis emphasis)
{
    std::unordered_map<TColor, double> counts;
    for (const TColor pixel : pixels)
        counts[pixel & 0xFFFFFF] += 1;
    std::vector<std::pair<TColor, double>> sorted(counts.begin(), counts.end());
    std::sort(sorted.begin(), sorted.end()); // the map's order is not the same everywhere
    std::vector<Point> points;
    points.reserve(sorted.size());
    for (const auto& [color, count] : sorted) {
        const Oklab lab = toOklab(color);
        points.push_back({lab, emphasis == ColorEmphasis::Accents ? count * accentWeight(lab) : count, count});
    }
    return points;
}

// A number from 0 to below 1 drawn the same way by every standard library.
double uniform(std::mt19937& random)
{
    return random() / 4294967296.0;
}

// k-means++: each next centre drawn with a chance growing with its squared distance to the nearest.
std::vector<Oklab> seededCentres(const std::vector<Point>& points, int count)
{
    std::mt19937 random(seed);
    std::vector<Oklab> centres;
    std::vector<double> nearest(points.size(), std::numeric_limits<double>::max());
    const auto draw = [&](auto weightOf) {
        double total = 0;
        for (std::size_t i = 0; i < points.size(); ++i)
            total += weightOf(i);
        double pick = uniform(random) * total;
        for (std::size_t i = 0; i < points.size(); ++i) {
            pick -= weightOf(i);
            if (pick < 0)
                return i;
        }
        return points.size() - 1;
    };
    centres.push_back(points[draw([&](std::size_t i) { return points[i].weight; })].lab);
    while (static_cast<int>(centres.size()) < count) {
        for (std::size_t i = 0; i < points.size(); ++i)
            nearest[i] = std::min(nearest[i], distanceSquared(points[i].lab, centres.back()));
        centres.push_back(points[draw([&](std::size_t i) { return points[i].weight * nearest[i]; })].lab);
    }
    return centres;
}

} // namespace

std::vector<DominantColor> dominantColors(const std::vector<TColor>& pixels, int count, ColorEmphasis emphasis)
{
    const std::vector<Point> points = distinctPoints(pixels, emphasis);
    if (points.empty() || count < 1)
        return {};
    double total = 0;
    for (const Point& p : points)
        total += p.pixels;
    std::vector<Oklab> centres;
    std::vector<double> weights, areas;
    if (static_cast<int>(points.size()) <= count) {
        for (const Point& p : points) {
            centres.push_back(p.lab);
            weights.push_back(p.weight);
            areas.push_back(p.pixels);
        }
    } else {
        centres = seededCentres(points, count);
        for (int round = 0; round < maximumRounds; ++round) {
            std::vector<Oklab> sums(centres.size());
            weights.assign(centres.size(), 0);
            areas.assign(centres.size(), 0);
            for (const Point& p : points) {
                std::size_t best = 0;
                double bestDistance = distanceSquared(p.lab, centres[0]);
                for (std::size_t c = 1; c < centres.size(); ++c) {
                    if (const double d = distanceSquared(p.lab, centres[c]); d < bestDistance) {
                        best = c;
                        bestDistance = d;
                    }
                }
                sums[best] = {sums[best].L + p.weight * p.lab.L, sums[best].a + p.weight * p.lab.a,
                              sums[best].b + p.weight * p.lab.b};
                weights[best] += p.weight;
                areas[best] += p.pixels;
            }
            double moved = 0;
            for (std::size_t c = 0; c < centres.size(); ++c) {
                if (weights[c] == 0)
                    continue; // empty: dropped below
                const Oklab mean{sums[c].L / weights[c], sums[c].a / weights[c], sums[c].b / weights[c]};
                moved = std::max(moved, distanceSquared(mean, centres[c]));
                centres[c] = mean;
            }
            if (moved <= settled * settled)
                break;
        }
    }
    std::vector<std::pair<DominantColor, double>> ranked; // with the weight that orders it
    for (std::size_t c = 0; c < centres.size(); ++c) {
        if (weights[c] > 0)
            ranked.push_back({{clippedColor(linearFromOklab(centres[c])), areas[c] / total}, weights[c]});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<DominantColor> colors;
    for (const auto& [color, weight] : ranked)
        colors.push_back(color);
    return colors;
}

} // namespace Tintara
