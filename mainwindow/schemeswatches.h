#pragma once

#include "rules/schemeformat.h"

#include <QObject>

#include <array>

namespace Tintara {

class TColorShape;

// What undo keeps of the slots: the scheme and each slot's drag mode, which a load leaves
// automatic on a slot that was used before and is empty now.
struct SchemeState {
    SchemeSlots scheme;
    std::array<bool, 16> draggable{};
    bool operator==(const SchemeState&) const = default;
};

// The sixteen slots of the colour scheme: their swatches, used flags and info texts. Slot n is 1..16.
class SchemeSwatches : public QObject
{
    Q_OBJECT

public:
    // `swatches` are the swatches of slots 1 to 16.
    SchemeSwatches(const std::array<TColorShape*, 16>& swatches, QObject* parent);

    // The slot `control` is, or 0.
    int PalettenCheck(const QObject* control) const;
    int usedFlag(int slot) const { return m_used[slot - 1]; }
    bool anyUsed() const;
    // A slot without a colour: it gives none, only takes one.
    bool isEmptySlot(const QObject* control) const;
    // A used slot can be dragged; an empty one cannot.
    void setSlot(int slot, TColor color, int used);
    // An empty text keeps the tooltip switch as it was.
    void setSlotInfo(int slot, const QString& text);
    // A text switches the slot's tooltip on, none switches it off.
    void setInfoTexts(const std::array<QString, 16>& texts);
    SchemeSlots snapshot() const;
    // A loaded scheme makes its used slots draggable and leaves the others as they were.
    void load(const SchemeSlots& scheme);
    SchemeState state() const;
    // Exactly `state`, texts, tooltips and drag modes included, as an undo step gives it back.
    void restore(const SchemeState& state);

private:
    std::array<TColorShape*, 16> m_slots{};
    std::array<int, 16> m_used{};
};

} // namespace Tintara
