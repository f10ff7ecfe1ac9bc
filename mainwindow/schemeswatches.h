#pragma once

#include "model/documentmodel.h"

#include <QObject>

#include <array>

namespace Tintara {

class TColorShape;

// The sixteen swatches of the colour scheme, showing the model's slots. Slot n is 1..16.
class SchemeSwatches : public QObject
{
    Q_OBJECT

public:
    // `swatches` are the swatches of slots 1 to 16; the model takes what the form gives them.
    SchemeSwatches(const std::array<TColorShape*, 16>& swatches, DocumentModel& model, QObject* parent);

    // The slot `control` is, or 0.
    int PalettenCheck(const QObject* control) const;
    int usedFlag(int slot) const { return m_model.usedFlag(slot); }
    bool anyUsed() const;
    // A slot without a colour: it gives none, only takes one.
    bool isEmptySlot(const QObject* control) const;
    void setSlot(int slot, TColor color, int used) { m_model.setSlot(slot, color, used); }
    void setSlot(int slot, const WideColor& color, int used) { m_model.setSlot(slot, color, used); }
    void setSlotInfo(int slot, const QString& text) { m_model.setSlotInfo(slot, text); }
    void setInfoTexts(const std::array<QString, 16>& texts) { m_model.setInfoTexts(texts); }
    SchemeSlots snapshot() const { return m_model.scheme().scheme; }
    void load(const SchemeSlots& scheme) { m_model.loadScheme(scheme); }
    SchemeState state() const { return m_model.scheme(); }
    void restore(const SchemeState& state) { m_model.restoreScheme(state); }

private:
    void show();

    std::array<TColorShape*, 16> m_slots{};
    DocumentModel& m_model;
};

} // namespace Tintara
