#pragma once

#include "color/colorscale.h"
#include "color/dominantcolors.h"
#include "color/notation.h"
#include "color/wcag.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace Tintara {

// What `--format json` prints: one object each, keys that stay as they are, numbers as JSON
// numbers rounded as the text output rounds them, colours as "#RRGGBB", null for what is not.

// What a ratio meets, as both outputs write it: "AAA", "AA" or "fail".
QString wcagLevelName(WcagLevel level);

// --convert: the colour an sRGB screen shows, every notation (or the one asked for) by its
// copy-format name, whether the colour as written lies inside sRGB and Display P3, and its
// Display P3 components.
QByteArray convertJson(const QString& input, TColor color, const Xyz& wide, const std::optional<int>& only);

struct ContrastReport {
    TColor text = 0, background = 0;
    double ratio = 1;  // WCAG, cut to two decimals
    double lc = 0;     // APCA, signed
    double minimum = 4.5;
    std::optional<double> minimumLc;
    bool passes = true; // meets every minimum given
    std::optional<TColor> passingText, passingBackground;
};
QByteArray contrastJson(const ContrastReport& report);

// --scale: the base, how the steps were made, and each step with its contrast on white and black.
struct ScaleReport {
    QString name;
    TColor base = 0;
    std::optional<int> pinnedStep;      // the tonal scale's step that is the base, where chosen
    std::optional<TColor> background;   // contrast targets' background
    std::optional<ContrastMeasure> measure;
};
QByteArray scaleJson(const ScaleReport& report, const std::vector<ScaleStep>& steps);

// --extract: the picture's colours with their share of its area (0 to 1).
QByteArray extractJson(const QString& picture, const std::vector<DominantColor>& colours);

} // namespace Tintara
