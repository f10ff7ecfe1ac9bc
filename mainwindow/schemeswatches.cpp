#include "mainwindow/schemeswatches.h"

#include "controls/tcolorshape.h"

namespace Tintara {

SchemeSwatches::SchemeSwatches(const std::array<TColorShape*, 16>& swatches, DocumentModel& model, QObject* parent)
    : QObject(parent), m_slots(swatches), m_model(model)
{
    SchemeState fromForm;
    for (std::size_t n = 0; n < 16; ++n) {
        fromForm.scheme.colors[n] = m_slots[n]->color();
        fromForm.draggable[n] = m_slots[n]->dragMode() == TColorShape::DragMode::Automatic;
    }
    m_model.restoreScheme(fromForm);
    connect(&m_model, &DocumentModel::schemeChanged, this, &SchemeSwatches::show);
    show();
}

int SchemeSwatches::PalettenCheck(const QObject* control) const
{
    const auto found = std::find(m_slots.begin(), m_slots.end(), control);
    return found == m_slots.end() ? 0 : static_cast<int>(found - m_slots.begin()) + 1;
}

bool SchemeSwatches::anyUsed() const
{
    const auto& used = m_model.scheme().scheme.used;
    return std::find(used.begin(), used.end(), 1) != used.end();
}

bool SchemeSwatches::isEmptySlot(const QObject* control) const
{
    const int slot = PalettenCheck(control);
    return slot > 0 && usedFlag(slot) != 1;
}

void SchemeSwatches::show()
{
    const SchemeState& state = m_model.scheme();
    for (std::size_t n = 0; n < 16; ++n) {
        TColorShape* swatch = m_slots[n];
        if (swatch->color() != state.scheme.colors[n])
            swatch->setColor(state.scheme.colors[n]);
        swatch->setDragMode(state.draggable[n] ? TColorShape::DragMode::Automatic : TColorShape::DragMode::Manual);
        swatch->setShowHint(m_model.showsInfo(int(n) + 1));
        swatch->setHint(state.scheme.infos[n]);
    }
}

} // namespace Tintara
