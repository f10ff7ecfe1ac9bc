#pragma once

#include "color/oklchtrack.h"
#include "mainwindow/coloreditor.h"

#include <QList>
#include <QObject>

#include <array>

class QLabel;
class QLineEdit;
class QWidget;

namespace Tintara {

class ColorTrack;

// The OKLCH mode of the editor: bars and fields for lightness, chroma and hue where the RGB and
// HSV bars stand. They keep the values the user asked for and the active colour becomes their
// gamut-mapped colour, so that a sweep through a narrow part of the gamut and back drifts nowhere.
class OklchEditor : public QObject
{
    Q_OBJECT

public:
    OklchEditor(QWidget& panel, ColorEditor& editor, const DocumentModel& model);

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
    void activeColorChanged();
    void trackMoved(const Channel& channel);
    void fieldEdited(const Channel& channel);
    void apply(const QObject* source);
    void showValues(const QLineEdit* typedIn);
    void paintTracks();

    ColorEditor& m_editor;
    std::array<Channel, 3> m_channels;
    Oklch m_requested;
    bool m_applying = false;
};

} // namespace Tintara
