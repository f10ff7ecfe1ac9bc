// How near the tonal scale comes to published 50–950 palettes: for every family, the scale of its
// 500 (mapped into sRGB) pinned at 500 against the family's own steps (each mapped into sRGB),
// as the mean OKLab distance over the eleven steps; for a palette given in OKLCH also the Display
// P3 scale of its 500 as it stands against its steps as they stand. Reads Tailwind CSS's palettes:
// v4's theme.css (oklch() custom properties) and v3's lib/public/colors.js (hex);
// bench/scale_fit.sh fetches them.
#include "color/colorscale.h"
#include "color/gamutmap.h"

#include <algorithm>
#include <optional>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

using namespace Tintara;

namespace {

struct Entry {
    TColor srgb = 0;          // mapped into sRGB
    std::optional<Oklch> raw; // as the palette writes it, where it is written in OKLCH
};
using Family = std::map<int, Entry>; // by step

std::map<std::string, Family> readPalette(const std::string& text)
{
    std::map<std::string, Family> families;
    const std::regex oklch(R"(--color-([a-z]+)-(\d+):\s*oklch\(([\d.]+)%\s+([\d.]+)\s+([\d.]+|none)\))");
    for (std::sregex_iterator m(text.begin(), text.end(), oklch), end; m != end; ++m) {
        const double hue = (*m)[5] == "none" ? 0 : std::stod((*m)[5]);
        const Oklch raw{std::stod((*m)[3]) / 100, std::stod((*m)[4]), hue};
        families[(*m)[1]][std::stoi((*m)[2])] = {gamutMapped(raw), raw};
    }
    const std::regex block(R"((\w+): \{([^}]*)\})"), entry(R"((\d+): "#([0-9a-f]{6})\")");
    for (std::sregex_iterator b(text.begin(), text.end(), block), end; b != end; ++b) {
        const std::string body = (*b)[2];
        Family family;
        for (std::sregex_iterator e(body.begin(), body.end(), entry); e != end; ++e) {
            const unsigned long v = std::stoul((*e)[2], nullptr, 16);
            family[std::stoi((*e)[1])] = {RGB(int(v >> 16), int(v >> 8 & 0xFF), int(v & 0xFF)), std::nullopt};
        }
        if (family.size() == tonalSteps.size())
            families[(*b)[1]] = family;
    }
    return families;
}

double distance(const Oklab& p, const Oklab& q)
{
    return std::hypot(p.L - q.L, p.a - q.a, p.b - q.b);
}

// The mean distance of each family's scale to its steps, family by family, and over all.
template <typename Scale, typename Steps>
void report(const char* what, const std::map<std::string, Family>& families, Scale scaleOf, Steps stepOf)
{
    double sum = 0, worst = 0, worstStep = 0;
    std::string worstName;
    for (const auto& [name, family] : families) {
        const std::vector<Oklab> scale = scaleOf(family);
        double familySum = 0;
        for (std::size_t n = 0; n < tonalSteps.size(); ++n) {
            const double d = distance(scale[n], stepOf(family.at(tonalSteps[n])));
            familySum += d;
            worstStep = std::max(worstStep, d);
        }
        const double mean = familySum / double(tonalSteps.size());
        std::printf("  %-8s %.4f\n", name.c_str(), mean);
        sum += mean;
        if (mean > worst) {
            worst = mean;
            worstName = name;
        }
    }
    std::printf("%s: %zu families, mean ΔE OK %.4f, worst family %.4f (%s), worst step %.4f\n", what, families.size(),
                families.empty() ? 0.0 : sum / double(families.size()), worst, worstName.c_str(), worstStep);
}

} // namespace

int main(int argc, char** argv)
{
    for (int arg = 1; arg < argc; ++arg) {
        std::ifstream file(argv[arg]);
        std::stringstream text;
        text << file.rdbuf();
        const auto families = readPalette(text.str());
        report(argv[arg], families,
               [](const Family& family) {
                   std::vector<Oklab> scale;
                   for (const ScaleStep& step : tonalScale(family.at(500).srgb, tonalStepIndex(500)))
                       scale.push_back(toOklab(*step.color));
                   return scale;
               },
               [](const Entry& entry) { return toOklab(entry.srgb); });
        if (families.empty() || !families.begin()->second.at(500).raw)
            continue;
        const std::string p3 = std::string(argv[arg]) + " in Display P3, unmapped";
        report(p3.c_str(), families,
               [](const Family& family) {
                   std::vector<Oklab> scale;
                   for (const ScaleStep& step : displayP3Scale(*family.at(500).raw, tonalStepIndex(500)))
                       scale.push_back(oklabFromOklch(*step.wide));
                   return scale;
               },
               [](const Entry& entry) { return oklabFromOklch(*entry.raw); });
    }
}
