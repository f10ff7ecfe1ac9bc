// How near the tonal scale comes to published 50–950 palettes: for every family, the scale of its
// 500 (mapped into sRGB) pinned at 500 against the family's own steps (each mapped into sRGB),
// as the mean OKLab distance over the eleven steps. Reads Tailwind CSS's palettes: v4's theme.css
// (oklch() custom properties) and v3's lib/public/colors.js (hex); bench/scale_fit.sh fetches them.
#include "color/colorscale.h"
#include "color/gamutmap.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

using namespace Tintara;

namespace {

using Family = std::map<int, TColor>; // step → colour in sRGB

std::map<std::string, Family> readPalette(const std::string& text)
{
    std::map<std::string, Family> families;
    const std::regex oklch(R"(--color-([a-z]+)-(\d+):\s*oklch\(([\d.]+)%\s+([\d.]+)\s+([\d.]+|none)\))");
    for (std::sregex_iterator m(text.begin(), text.end(), oklch), end; m != end; ++m) {
        const double hue = (*m)[5] == "none" ? 0 : std::stod((*m)[5]);
        families[(*m)[1]][std::stoi((*m)[2])] = gamutMapped({std::stod((*m)[3]) / 100, std::stod((*m)[4]), hue});
    }
    const std::regex block(R"((\w+): \{([^}]*)\})"), entry(R"((\d+): "#([0-9a-f]{6})\")");
    for (std::sregex_iterator b(text.begin(), text.end(), block), end; b != end; ++b) {
        const std::string body = (*b)[2];
        Family family;
        for (std::sregex_iterator e(body.begin(), body.end(), entry); e != end; ++e) {
            const unsigned long v = std::stoul((*e)[2], nullptr, 16);
            family[std::stoi((*e)[1])] = RGB(int(v >> 16), int(v >> 8 & 0xFF), int(v & 0xFF));
        }
        if (family.size() == tonalSteps.size())
            families[(*b)[1]] = family;
    }
    return families;
}

double distance(TColor a, TColor b)
{
    const Oklab p = toOklab(a), q = toOklab(b);
    return std::hypot(p.L - q.L, p.a - q.a, p.b - q.b);
}

} // namespace

int main(int argc, char** argv)
{
    for (int arg = 1; arg < argc; ++arg) {
        std::ifstream file(argv[arg]);
        std::stringstream text;
        text << file.rdbuf();
        const auto families = readPalette(text.str());
        double sum = 0, worst = 0, worstStep = 0;
        std::string worstName;
        for (const auto& [name, family] : families) {
            const std::vector<ScaleStep> scale = tonalScale(family.at(500), tonalStepIndex(500));
            double familySum = 0;
            for (std::size_t n = 0; n < tonalSteps.size(); ++n) {
                const double d = distance(*scale[n].color, family.at(tonalSteps[n]));
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
        std::printf("%s: %zu families, mean ΔE OK %.4f, worst family %.4f (%s), worst step %.4f\n", argv[arg],
                    families.size(), families.empty() ? 0.0 : sum / double(families.size()), worst,
                    worstName.c_str(), worstStep);
    }
}
