#include "color/widecolor.h"

#include "color/gamutmap.h"
#include "color/notation.h"

namespace Tintara {

Xyz xyzOf(const Oklch& color)
{
    return xyzD65FromOklab(oklabFromOklch(color));
}

std::optional<Xyz> beyondSrgb(const std::optional<Oklch>& wide)
{
    if (!wide || wide->L <= 0 || wide->L >= 1)
        return std::nullopt; // black and white, as the mapping takes them
    const Xyz xyz = xyzOf(*wide);
    return insideSrgb(xyz) ? std::nullopt : std::optional(xyz);
}

WideColor wideColorOf(const Oklch& color)
{
    WideColor result{gamutMapped(color), std::nullopt};
    if (beyondSrgb(color))
        result.wide = color;
    return result;
}

WideColor editorColor(const Oklch& requested, EditorGamut gamut)
{
    if (gamut == EditorGamut::Srgb)
        return {gamutMapped(requested), std::nullopt};
    const Xyz inP3 = xyzD65FromRgb(RgbSpace::DisplayP3, gamutMappedInto(RgbSpace::DisplayP3, requested));
    const Oklch mapped = oklchFromOklab(oklabFromXyzD65(inP3));
    return wideColorOf(mapped);
}

std::string wideNotation(const WideColor& color, int notation)
{
    return color.wide ? wideColorNotation(color.srgb, xyzOf(*color.wide), notation) : ColorNotation(color.srgb, notation);
}

} // namespace Tintara
