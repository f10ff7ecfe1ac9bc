#pragma once

#include "color/hsv.h"
#include "pages/modulepage.h"

#include <array>
#include <memory>

namespace Ui {
class Z_Vorschlag;
}

namespace Tintara {

class PageHost;
class TColorShape;

// The colour finder: twelve related colours of the active colour by one of eight rules, each with
// a darker and a lighter variant, the centre's shades, its inverse and its best font colour.
class Z_Vorschlag : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Vorschlag(const PageHost& host, QWidget* parent = nullptr);
    ~Z_Vorschlag() override;

    // The HSV triple the ring was last built from.
    Hsv currentHsv() const { return m_currentHsv; }
    // The twelve proposals, the centre, its darker and lighter shade and its inverse.
    std::array<TColor, 16> schemeColours();

    int rule() const;
    void writeSettings(PageSettings& settings) const override;
    void restoreSettings(const PageSettings& settings) override;
    bool frames() const;
    // Restored from the configuration: the rule without recomputing, the frames applied.
    void restoreRule(int index);
    void restoreFrames(bool on);
    QList<QWidget*> backgroundCaptions() const override;
    void deviceResolutionChanged() override { paintGreyRamp(); }

    // The active colour changed: the brightness slider back to 0 and the ring anew around it.
    void activeColorChanged();

private:
    void paintGreyRamp();
    void recompute(TColor centre);
    void Farbvorschlag();
    void cbVorschlagChange();
    void HellDunkel();
    void cbRahmenClick();

    const PageHost& m_host;
    std::unique_ptr<Ui::Z_Vorschlag> ui;
    std::array<TColorShape*, 36> m_proposals{};
    Hsv m_currentHsv;
};

} // namespace Tintara
