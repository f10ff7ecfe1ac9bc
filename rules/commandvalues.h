#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace Tintara {

// The values the command line's options take, read without a window so that they can be fuzzed.

// `--targets`: "1.15,1.3 2", numbers with a decimal point separated by commas or blanks, each
// finite and above 0; none where any part is not.
std::optional<std::vector<double>> contrastTargetList(const QString& text);

// `--count`: a whole number from 2 to 16.
std::optional<int> colourCount(const QString& text);

// `--to`: a name of the "Farbwert kopieren" menu or of the copy-format list, in German or English,
// or a short form a script writes ("html", "hex", "rgb", "cmyk", "hsl", "oklch"); compared without
// regard to case and blanks. The notation's number, none for an unknown name.
std::optional<int> notationNamed(const QString& name);

// `--metric`: "wcag" or "apca"; true for APCA.
std::optional<bool> apcaMetric(const QString& text);

// `--min`: a WCAG contrast ratio from 1 to 21 with a decimal point, or a level: "AA" (4.5), "AAA" (7),
// "AA-large" (3), in either case.
std::optional<double> contrastMinimum(const QString& text);
// `--min-apca`: an APCA Lc from 1 to 108 that the pair reaches in either polarity.
std::optional<double> apcaMinimum(const QString& text);

} // namespace Tintara
