#include "mainwindow/wideswatches.h"

#include "controls/tcolorshape.h"
#include "mainwindow/schemeswatches.h"

namespace Tintara {

WideSwatches::WideSwatches(const DocumentModel& model, const TColorShape& display, const SchemeSwatches& scheme)
    : m_model(model), m_display(display), m_scheme(scheme)
{
}

WideColor WideSwatches::colorOf(const TColorShape* swatch) const
{
    WideColor kept{swatch->color(), std::nullopt};
    if (swatch == &m_display)
        kept = m_model.activeWideColor();
    else if (const int slot = m_scheme.PalettenCheck(swatch))
        kept = m_model.slotColor(slot);
    // A swatch that shows another colour than the one kept (while a pick is under way) gives what it shows.
    return kept.srgb == swatch->color() ? kept : WideColor{swatch->color(), std::nullopt};
}

} // namespace Tintara
