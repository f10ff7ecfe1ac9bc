#pragma once

#include "color/colorscale.h"
#include "pages/modulepage.h"
#include "platform/filedialog.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QLabel;

namespace Ui {
class Z_Farbskala;
}

namespace Tintara {

class PageHost;
class TColorShape;
struct ScaleFormatRow;

// A design system's scale of the base colour: the tonal scale 50 to 950, or the shades that reach
// contrast targets against a background; each step draggable, with its ratios on white and black.
// The scale goes into the scheme's free slots, to the clipboard or into a file.
class Z_Farbskala : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Farbskala(PageHost& host, QWidget* parent = nullptr);
    ~Z_Farbskala() override;

    const std::vector<ScaleStep>& steps() const { return m_steps; }

protected:
    void languageChanged() override;

private:
    // The texts the page composes: list items, hints, the targets with the language's decimals.
    void showTexts();
    void showTargetsHint();
    static constexpr int mostSteps = 13;

    // A step's swatch and its columns: name, #RRGGBB, on white, on black.
    struct StepRow {
        TColorShape* swatch;
        std::array<QLabel*, 4> columns;
    };

    void activeColorChanged();
    void baseChanged();
    void targetsEntered();
    ContrastMeasure measure() const;
    // The targets of the chosen metric.
    std::vector<double>& chosenTargets();
    std::optional<std::size_t> pinnedStep() const;
    void showScale();
    const ScaleFormatRow& chosenFormat() const;
    QByteArray scaleFileBytes() const;
    void copyScale();
    void saveScale();
    void addToScheme();

    PageHost& m_host;
    std::unique_ptr<Ui::Z_Farbskala> ui;
    std::vector<StepRow> m_rows;
    std::vector<ScaleStep> m_steps;
    bool m_targetsRefused = false;
    std::array<std::vector<double>, 2> m_targets = {defaultContrastTargets, defaultApcaTargets}; // WCAG, APCA
    FileDialog m_saveDialog;
    bool m_baseFollows = true;
    bool m_following = false;
};

} // namespace Tintara
