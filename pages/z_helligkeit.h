#pragma once

#include "color/tcolor.h"
#include "pages/modulepage.h"

#include <memory>
#include <vector>

namespace Ui {
class Z_Helligkeit;
}

namespace Tintara {

class TColorShape;

// The brightness gradient: 200 shades of a start colour and a slider for one of them.
class Z_Helligkeit : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Helligkeit(QWidget* parent = nullptr);
    ~Z_Helligkeit() override;

    TColor startColour() const;
    void writeSettings(PageSettings& settings) const override;
    void restoreSettings(const PageSettings& settings) override;
    // A new start colour: the slider back to 0, the result and all 200 shades anew.
    void setStartColour(TColor colour);
    QList<QWidget*> backgroundCaptions() const override;

private:
    void Helligkeitverlauf();
    void sbHelligkeitChange();
    void newBrightnessStart();

    std::unique_ptr<Ui::Z_Helligkeit> ui;
    std::vector<TColorShape*> m_grid;
};

} // namespace Tintara
