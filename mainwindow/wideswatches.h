#pragma once

#include "color/widecolor.h"

namespace Tintara {

class DocumentModel;
class SchemeSwatches;
class TColorShape;

// The swatches that stand for a colour which may lie beyond sRGB: the colour display for the
// active colour, the scheme's swatches for their slots. Every other swatch holds an sRGB colour.
class WideSwatches
{
public:
    WideSwatches(const DocumentModel& model, const TColorShape& display, const SchemeSwatches& scheme);

    // The colour a swatch gives to a drag or a copy.
    WideColor colorOf(const TColorShape* swatch) const;

private:
    const DocumentModel& m_model;
    const TColorShape& m_display;
    const SchemeSwatches& m_scheme;
};

} // namespace Tintara
