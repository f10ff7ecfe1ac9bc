#include "mainwindow/schemeswatches.h"

#include "controls/tcolorshape.h"

namespace Tintara {

SchemeSwatches::SchemeSwatches(const std::array<TColorShape*, 16>& swatches, QObject* parent)
    : QObject(parent), m_slots(swatches)
{
}

int SchemeSwatches::PalettenCheck(const QObject* control) const
{
    const auto found = std::find(m_slots.begin(), m_slots.end(), control);
    return found == m_slots.end() ? 0 : static_cast<int>(found - m_slots.begin()) + 1;
}

bool SchemeSwatches::anyUsed() const
{
    return std::find(m_used.begin(), m_used.end(), 1) != m_used.end();
}

bool SchemeSwatches::isEmptySlot(const QObject* control) const
{
    const int slot = PalettenCheck(control);
    return slot > 0 && m_used[slot - 1] != 1;
}

void SchemeSwatches::setSlot(int slot, TColor color, int used)
{
    m_slots[slot - 1]->setColor(color);
    m_used[slot - 1] = used;
    m_slots[slot - 1]->setDragMode(used == 1 ? TColorShape::DragMode::Automatic : TColorShape::DragMode::Manual);
}

void SchemeSwatches::setSlotInfo(int slot, const QString& text)
{
    m_slots[slot - 1]->setHint(text);
    if (!text.isEmpty())
        m_slots[slot - 1]->setShowHint(true);
}

void SchemeSwatches::setInfoTexts(const std::array<QString, 16>& texts)
{
    for (int n = 0; n < 16; ++n) {
        m_slots[n]->setHint(texts[n]);
        m_slots[n]->setShowHint(!texts[n].isEmpty());
    }
}

SchemeSlots SchemeSwatches::snapshot() const
{
    SchemeSlots scheme;
    for (int n = 0; n < 16; ++n) {
        scheme.colors[n] = m_slots[n]->color();
        scheme.used[n] = m_used[n];
        scheme.infos[n] = m_slots[n]->hint();
    }
    return scheme;
}

void SchemeSwatches::load(const SchemeSlots& scheme)
{
    for (int n = 1; n <= 16; ++n) {
        m_slots[n - 1]->setColor(scheme.colors[n - 1]);
        m_used[n - 1] = scheme.used[n - 1];
        if (scheme.used[n - 1] == 1)
            m_slots[n - 1]->setDragMode(TColorShape::DragMode::Automatic);
        setSlotInfo(n, scheme.infos[n - 1]);
    }
}

SchemeState SchemeSwatches::state() const
{
    SchemeState state{snapshot(), {}};
    for (int n = 0; n < 16; ++n)
        state.draggable[n] = m_slots[n]->dragMode() == TColorShape::DragMode::Automatic;
    return state;
}

void SchemeSwatches::restore(const SchemeState& state)
{
    for (int n = 1; n <= 16; ++n) {
        setSlot(n, state.scheme.colors[n - 1], state.scheme.used[n - 1]);
        m_slots[n - 1]->setDragMode(state.draggable[n - 1] ? TColorShape::DragMode::Automatic
                                                           : TColorShape::DragMode::Manual);
    }
    setInfoTexts(state.scheme.infos);
}

} // namespace Tintara
