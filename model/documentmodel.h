#pragma once

#include "color/widecolor.h"
#include "rules/configformat.h"

#include <QObject>
#include <QPoint>

#include <optional>

namespace Tintara {

// What undo keeps of the slots: the scheme and each slot's drag mode, which a load leaves
// automatic on a slot that was used before and is empty now.
struct SchemeState {
    SchemeSlots scheme;
    std::array<bool, 16> draggable{};
    bool operator==(const SchemeState&) const = default;
};

// What the user works on, kept apart from the controls that show it: the active colour with the
// base the brightness bar shades and the control the last change came from, the colour under the
// pointer while a pick is under way, the scheme's sixteen slots, the copy history, the module
// background, the editor's display mode and every other setting of tintara.ini. Every change goes through a setter, and each setter tells its observers once.
class DocumentModel : public QObject
{
    Q_OBJECT

public:
    // Which group of controls edits the colour; stored in tintara.ini as its number.
    enum class DisplayMode { Rgb = 0, Hsv = 1, Picker = 2, Oklch = 3 };
    // What becomes of the brightness base when the active colour changes: it takes the new colour,
    // or it stays, as while the brightness bar shades it.
    enum class Base { Follows, Stays };

    explicit DocumentModel(TColor startColor, QObject* parent = nullptr);

    TColor activeColor() const { return m_active; }
    // The active colour with its wide colour, where it lies beyond sRGB.
    WideColor activeWideColor() const { return {m_active, m_wide}; }
    TColor brightnessBase() const { return m_base; }
    // The control of the last change to the active colour, while the user works in it; none for a
    // change made in one go (a drop, a pick, the dialog, a random colour, an undo).
    const QObject* changeSource() const { return m_source; }
    // The one way to change the active colour; an sRGB colour has no wide colour.
    void setActiveColor(const WideColor& color, const QObject* source = nullptr, Base base = Base::Follows);
    void setActiveColor(TColor color, const QObject* source = nullptr, Base base = Base::Follows)
    {
        setActiveColor(WideColor{color, std::nullopt}, source, base);
    }
    // The active colour, as it is now, becomes the colour the brightness bar shades.
    void takeBrightnessBase() { m_base = m_active; }

    // The colour display shows the pixel under the pointer while a pick from the screen is under
    // way, and the active colour otherwise.
    TColor shownColor() const { return m_pickPreview.value_or(m_active); }
    void setPickPreview(TColor color);
    // A pick given up: the display shows the active colour again.
    void endPickPreview();

    // The scheme; slot n is 1..16.
    const SchemeState& scheme() const { return m_scheme; }
    int usedFlag(int slot) const { return m_scheme.scheme.used[slot - 1]; }
    // Whether the slot shows its info text as a tooltip.
    bool showsInfo(int slot) const { return m_infoShown[slot - 1]; }
    // A used slot can be dragged; an empty one cannot.
    void setSlot(int slot, const WideColor& color, int used);
    void setSlot(int slot, TColor color, int used) { setSlot(slot, WideColor{color, std::nullopt}, used); }
    WideColor slotColor(int slot) const { return m_scheme.scheme.slotColor(slot); }
    // An empty text keeps the tooltip switch as it was.
    void setSlotInfo(int slot, const QString& text);
    // A text switches the slot's tooltip on, none switches it off.
    void setInfoTexts(const std::array<QString, 16>& texts);
    // The theme's colour roles, kept with the scheme.
    const ThemeRoles& roles() const { return m_scheme.scheme.roles; }
    void setRoles(const ThemeRoles& roles);
    // A loaded scheme makes its used slots draggable and leaves the others as they were.
    void loadScheme(const SchemeSlots& scheme);
    // Exactly `state`, as an undo step gives it back.
    void restoreScheme(const SchemeState& state);

    DisplayMode displayMode() const { return m_displayMode; }
    void setDisplayMode(DisplayMode mode);
    // The gamut the OKLCH mode works in.
    EditorGamut editorGamut() const { return m_gamut; }
    void setEditorGamut(EditorGamut gamut);

    // The five colours of the copy history, newest first.
    const std::array<TColor, 5>& colourHistory() const { return m_kept.clipbrd; }
    void setColourHistory(const std::array<TColor, 5>& colours);
    // The module background as tintara.ini keeps it: whether the user chose one, and the last one
    // shown other than the standard.
    int customBackground() const { return m_kept.backgrndS; }
    TColor storedBackground() const { return m_kept.backgrnd; }
    void setCustomBackground(int flag) { m_kept.backgrndS = flag; }
    void setStoredBackground(TColor color) { m_kept.backgrnd = color; }
    // The item of the magnifier's zoom list; -1 for none.
    void setZoomIndex(int index) { m_kept.zoomfaktor = index; }
    // The window's zoom in percent and its appearance (0 like the desktop, 1 light, 2 dark).
    void setWindowZoom(int percent) { m_kept.zoom = percent; }
    void setAppearance(int appearance) { m_kept.appearance = appearance; }
    // The language tintara.ini keeps, "de" or "en".
    void setLanguage(const QString& language) { m_kept.sprache = language; }
    // Everything tintara.ini keeps, with the window at `position`.
    Configuration configuration(QPoint position) const;

    // The settings of the pages, as tintara.ini keeps them; a page not made yet has the value it
    // takes when it is made.
    const PageSettings& pageSettings() const { return m_pageSettings; }
    void setPageSettings(const PageSettings& settings);

Q_SIGNALS:
    void activeColorChanged();
    // What the colour display shows changed: the active colour, or the colour under the pointer.
    void shownColorChanged();
    void displayModeChanged(DisplayMode mode);
    void editorGamutChanged(EditorGamut gamut);
    // A slot's colour, used flag, drag mode or info text changed.
    void schemeChanged();
    void pageSettingsChanged();
    void colourHistoryChanged();

private:
    TColor m_active;
    std::optional<Oklch> m_wide;
    TColor m_base;
    const QObject* m_source = nullptr;
    std::optional<TColor> m_pickPreview;
    SchemeState m_scheme;
    std::array<bool, 16> m_infoShown{};
    DisplayMode m_displayMode = DisplayMode::Hsv;
    EditorGamut m_gamut = EditorGamut::Srgb;
    PageSettings m_pageSettings;
    Configuration m_kept; // what the other parts of the window keep in tintara.ini
};

} // namespace Tintara
