#pragma once

#include "color/hsv.h"
#include "model/documentmodel.h"

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
// bar and the active colour display, kept in step whichever of them the user works in. It shows the
// model's active colour and writes the user's changes to it.
class ColorEditor : public QObject
{
    Q_OBJECT

public:
    using DisplayMode = DocumentModel::DisplayMode;

    ColorEditor(const EditorControls& controls, DocumentModel& model, const Platform& platform, QObject* parent);

    TColor activeColor() const { return m_model.activeColor(); }
    // The colour the program starts with, in every control; the first random draw asks nothing.
    void showStartColor();
    // A colour set by an editor beside this one; `source` is the control the user works in.
    void setActiveColorFrom(const WideColor& color, const QObject* source);
    // A colour picked from the screen, as if the RGB bars had been moved to it.
    void takePickedColor(const WideColor& color);
    // The update routine: every control of the editor from `color`.
    void ScrollbarAnpassung(TColor color);
    const QObject* changeSource() const { return m_model.changeSource(); }
    TColor brightnessBase() const { return m_model.brightnessBase(); }
    DisplayMode displayMode() const { return m_model.displayMode(); }
    void Anzeigemodus(DisplayMode mode);
    void runColorDialog();
    // Asks first unless the active colour is still the last random one.
    void RandomColor();

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
    // A change made in these controls, which show it already, goes to the model.
    void commit(const WideColor& color, const QObject* source, DocumentModel::Base base = DocumentModel::Base::Follows);
    void commit(TColor color, const QObject* source, DocumentModel::Base base = DocumentModel::Base::Follows)
    {
        commit(WideColor{color, std::nullopt}, source, base);
    }
    // A change made elsewhere: every control shows it.
    void activeColorChanged();

    const EditorControls m_controls;
    DocumentModel& m_model;
    const Platform& m_platform;
    TColor m_dialogColor = clBlack;
    bool m_inScrollbarWechsel = false;
    bool m_committing = false;
    TColor m_lastRandomColor = 0;
};

} // namespace Tintara
