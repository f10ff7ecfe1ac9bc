#pragma once

#include "rules/configformat.h"

#include <QObject>

#include <optional>

namespace Tintara {

// What the user works on, kept apart from the controls that show it: the active colour with the
// base the brightness bar shades and the control the last change came from, the colour under the
// pointer while a pick is under way, the editor's display mode and the settings the module pages
// keep. Every change goes through a setter, and each setter tells its observers once.
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
    TColor brightnessBase() const { return m_base; }
    // The control of the last change to the active colour, while the user works in it; none for a
    // change made in one go (a drop, a pick, the dialog, a random colour, an undo).
    const QObject* changeSource() const { return m_source; }
    // The one way to change the active colour.
    void setActiveColor(TColor color, const QObject* source = nullptr, Base base = Base::Follows);
    // The active colour, as it is now, becomes the colour the brightness bar shades.
    void takeBrightnessBase() { m_base = m_active; }

    // The colour display shows the pixel under the pointer while a pick from the screen is under
    // way, and the active colour otherwise.
    TColor shownColor() const { return m_pickPreview.value_or(m_active); }
    void setPickPreview(TColor color);

    DisplayMode displayMode() const { return m_displayMode; }
    void setDisplayMode(DisplayMode mode);

    // The settings of the pages, as tintara.ini keeps them; a page not made yet has the value it
    // takes when it is made.
    const PageSettings& pageSettings() const { return m_pageSettings; }
    void setPageSettings(const PageSettings& settings);

Q_SIGNALS:
    void activeColorChanged();
    // What the colour display shows changed: the active colour, or the colour under the pointer.
    void shownColorChanged();
    void displayModeChanged(DisplayMode mode);
    void pageSettingsChanged();

private:
    TColor m_active;
    TColor m_base;
    const QObject* m_source = nullptr;
    std::optional<TColor> m_pickPreview;
    DisplayMode m_displayMode = DisplayMode::Hsv;
    PageSettings m_pageSettings;
};

} // namespace Tintara
