#pragma once

#include "color/mix.h"
#include "rules/schemeformat.h"

#include <array>
#include <optional>
#include <vector>

namespace Tintara {

// Scheme gradations: column c is slot c, row r step r; swatch n = 16 (r - 1) + c at index n - 1.
// Empty slots leave their column hidden (no colour). Mode 0 dark to light, 1 lighter, 2 darker.
std::array<std::optional<TColor>, 288> schemeGradations(const std::array<TColor, 16>& colors,
                                                        const std::array<int, 16>& used, int mode);

// HD1..HD200: the start colour shaded by -99 .. +100 percent.
std::array<TColor, 200> brightnessGradient(TColor start);

// Verlauf1..Verlauf256 from the start colour to the end colour.
std::array<TColor, 256> colourGradient(TColor start, TColor end, MixSpace space = MixSpace::Rgb);

// The scheme with `colours` in its free slots (used flag 0), from the left, each slot given the
// info text of its colour where `infos` has one; none where fewer slots are free than there are
// colours. A wide colour goes into its slot with its sRGB fallback.
std::optional<SchemeSlots> withColoursInFreeSlots(const SchemeSlots& scheme, const std::vector<WideColor>& colours,
                                                  const std::vector<QString>& infos = {});

// WS1..WS216: every channel one of 0, 51, ..., 255; blue changes fastest.
TColor webSafeColor(int n);

// The colours "Zurücksetzen" gives the four groups of test-image areas, and their sizes.
inline constexpr std::array<TColor, 4> testImageResetColors = {0xDCE1EA, 0xCBCFD2, 0xA1A4A6, 0x646667};
inline constexpr std::array<int, 4> testImageGroupSizes = {9, 8, 3, 6};

} // namespace Tintara
