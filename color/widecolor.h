#pragma once

#include "color/colorspaces.h"
#include "color/oklab.h"

#include <optional>
#include <string>

namespace Tintara {

// A colour as the window keeps it on the colour display and the scheme: the 8-bit sRGB colour that
// every control and the notations of old show and, where the colour lies beyond sRGB, the colour
// itself in OKLCH.
struct WideColor {
    TColor srgb = 0;
    std::optional<Oklch> wide;
    bool operator==(const WideColor&) const = default;
};

// The gamut the OKLCH editor works in; kept in tintara.ini as its number.
enum class EditorGamut { Srgb = 0, DisplayP3 = 1 };

// A colour that may lie beyond sRGB, with the sRGB fallback a browser on an sRGB screen shows
// (CSS gamut mapping); the wide part only where sRGB cannot hold it.
WideColor wideColorOf(const Oklch& color);
// The colour the editor makes of the values asked for: mapped into its gamut as CSS maps, so that
// in Display P3 a colour beyond sRGB stays beyond it as far as P3 reaches.
WideColor editorColor(const Oklch& requested, EditorGamut gamut);

Xyz xyzOf(const Oklch& color);
// The colour beyond sRGB, where `wide` is one: in CSS's oklch() and color(display-p3).
std::optional<Xyz> beyondSrgb(const std::optional<Oklch>& wide);
// `color` in a notation: the wide colour in those that can write it, the fallback in the others.
std::string wideNotation(const WideColor& color, int notation);

} // namespace Tintara
