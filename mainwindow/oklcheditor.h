#pragma once

#include "color/oklchtrack.h"
#include "mainwindow/coloreditor.h"

#include <QList>
#include <QObject>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace Tintara {

class ColorTrack;

// The OKLCH mode of the editor: bars and fields for lightness, chroma and hue where the RGB and
// HSV bars stand. They keep the values the user asked for and the active colour becomes their
// gamut-mapped colour, so that a sweep through a narrow part of the gamut and back drifts nowhere.
// The gamut is sRGB or Display P3; in P3 the active colour keeps the P3 colour as its wide colour
// and shows its sRGB fallback.
class OklchEditor : public QObject
{
    Q_OBJECT

public:
    OklchEditor(QWidget& panel, ColorEditor& editor, DocumentModel& model);

    // The bars and fields, whose release or leaving ends an undo step.
    QList<QWidget*> controls() const;

private:
    struct Channel {
        OklchChannel which;
        QLabel* caption;
        ColorTrack* track;
        QLineEdit* field;
    };

    void showMode(ColorEditor::DisplayMode mode);
    void gamutChanged(EditorGamut gamut);
    void activeColorChanged();
    void trackMoved(const Channel& channel);
    void fieldEdited(const Channel& channel);
    void apply(const QObject* source);
    void showValues(const QLineEdit* typedIn);
    void paintTracks();

    ColorEditor& m_editor;
    DocumentModel& m_model;
    std::array<Channel, 3> m_channels;
    QComboBox* m_gamut;
    Oklch m_requested;
    bool m_applying = false;
};

} // namespace Tintara
