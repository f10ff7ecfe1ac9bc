#pragma once

#include "color/notation.h"
#include "color/tcolor.h"
#include "controls/clicktracker.h"

#include <QObject>

#include <array>
#include <functional>

class QLabel;
class QWidget;

namespace Tintara {

class TColorShape;
class Z_Optionen;

// The panel's captions and values, under their names in the window's form.
struct ValuePanelLabels {
    QLabel *Label6, *lbHex;    // HTML
    QLabel *Label8, *lbRGB;    // RGB
    QLabel *Label3, *lbDelphi; // Delphi
    QLabel *Label7, *lbCpp;    // C++
};

// The value panel under the editor: the HTML, RGB, Delphi and C++ values of the swatch last
// pointed at. A click on a caption or a value chooses that notation as the copy format.
class ValuePanel : public QObject
{
    Q_OBJECT

public:
    // Pointing at any swatch of `window` but decorations shows it; an empty slot does not.
    ValuePanel(QWidget& window, const ValuePanelLabels& labels, Z_Optionen& options,
               std::function<bool(const TColorShape*)> isEmptySlot);

    // Swatches of `area` too, a page made later.
    void watch(const QWidget& area);
    void Farbwerte(TColor color);
    TColorShape* hoverSwatch() const { return m_hoverSwatch; }
    TColor hoverColor() const { return m_hoverColor; }
    // Highlights the caption of the copy format the options page shows.
    void cbTrayFormatChange();

Q_SIGNALS:
    void copyFormatShown(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AufShape(TColorShape* swatch);
    void FormatZwischenablage(QObject* sender);
    struct Field {
        QWidget* caption;
        QObject* value;
        Notation notation;
    };
    std::array<Field, 4> fields() const;

    const ValuePanelLabels m_labels;
    Z_Optionen& m_options;
    std::function<bool(const TColorShape*)> m_isEmptySlot;
    ClickTracker m_clicks;
    TColorShape* m_hoverSwatch = nullptr;
    TColor m_hoverColor = 0;
};

} // namespace Tintara
