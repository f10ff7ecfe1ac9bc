#pragma once

#include "color/hsv.h"

#include <QObject>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QScrollBar;
class QWidget;

namespace Tintara {

struct Platform;
class TColorShape;
class TMagnifier;

// The controls of the editor, under their names in the window's form.
struct EditorControls {
    QScrollBar *sbRot, *sbGruen, *sbBlau, *sbH, *sbS, *sbV, *sbHell;
    QLineEdit *edRot, *edGruen, *edBlau, *edH, *edS, *edV, *edHTML;
    TColorShape* Farbanzeige;
    QWidget *shRot, *shGruen, *shBlau, *shH, *shS, *shV; // the pictures above the bars
    // The picker's group.
    TMagnifier* Zoom;
    QWidget* Bevel14;
    QComboBox* cbZoom;
};

// The editor on the left of the window: RGB and HSV bars and fields, the HTML field, the brightness
// bar and the active colour display, kept in step whichever of them the user works in.
class ColorEditor : public QObject
{
    Q_OBJECT

public:
    // Which group of controls edits the colour; stored in tintara.ini as its number.
    enum class DisplayMode { Rgb = 0, Hsv = 1, Picker = 2, Oklch = 3 };

    ColorEditor(const EditorControls& controls, const Platform& platform, QObject* parent);

    TColor activeColor() const;
    // Makes `color` the active colour, as every command that sets it does.
    void setActiveColor(TColor color);
    // The colour the program starts with, in every control; the first random draw asks nothing.
    void showStartColor();
    // A colour set by an editor beside this one; `source` is the control the user works in.
    void setActiveColorFrom(TColor color, const QObject* source);
    // A colour picked from the screen, as if the RGB bars had been moved to it.
    void takePickedColor(TColor color);
    // The update routine: every control of the editor from `color`, which the display already shows.
    void ScrollbarAnpassung(TColor color);
    // The control of the last change to the active colour, while the user works in it; none for a
    // change made in one go (a drop, a pick, the dialog, a random colour).
    const QObject* changeSource() const { return m_changeSource; }
    // The colour the brightness bar shades.
    TColor brightnessBase() const { return m_brightnessBase; }
    DisplayMode displayMode() const { return m_displayMode; }
    void Anzeigemodus(DisplayMode mode);
    void runColorDialog();
    // Asks first unless the active colour is still the last random one.
    void RandomColor();

Q_SIGNALS:
    void activeColorChanged();
    void displayModeChanged(DisplayMode mode);

private:
    void ScrollbarWechsel();
    void FarbwertAnzeigeChange();
    void sbHellChange();
    bool WertEingabe(QLineEdit* field, QKeyEvent* event);
    void EditFuellen(QLineEdit* field);
    int channelLimit(const QLineEdit* field) const;
    // Which group of controls the user works in: the one that has the keyboard focus.
    enum class SourceKind { None, RgbFields, HsvFields, HsvBars, RgbBars };
    SourceKind sourceKind() const;
    void fieldValue(QLineEdit* field, QScrollBar* bar);
    void showRgbBars(TColor color);
    void showRgbFields();
    void showHsv(const Hsv& hsv);

    const EditorControls m_controls;
    const Platform& m_platform;
    TColor m_brightnessBase = 0;
    TColor m_dialogColor = clBlack;
    bool m_inScrollbarWechsel = false;
    DisplayMode m_displayMode = DisplayMode::Hsv;
    TColor m_lastRandomColor = 0;
    const QObject* m_changeSource = nullptr;
};

} // namespace Tintara
