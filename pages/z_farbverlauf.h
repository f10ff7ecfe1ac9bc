#pragma once

#include "color/mix.h"
#include "pages/modulepage.h"

#include <memory>
#include <vector>

namespace Ui {
class Z_Farbverlauf;
}

namespace Tintara {

class TColorShape;

// The gradient between two colours in 256 steps, and the mixer of the same two.
class Z_Farbverlauf : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Farbverlauf(QWidget* parent = nullptr);
    ~Z_Farbverlauf() override;

    TColor startColour() const;
    TColor endColour() const;
    void setEnds(TColor start, TColor end);
    bool mixesInOklab() const;
    void writeSettings(PageSettings& settings) const override;
    void restoreSettings(const PageSettings& settings) override;
    void setMixingInOklab(bool on);
    QList<QWidget*> backgroundCaptions() const override;

private:
    MixSpace mixSpace() const;
    void Farbverlauferstellung();
    void sbFarbmischerChange();

    std::unique_ptr<Ui::Z_Farbverlauf> ui;
    std::vector<TColorShape*> m_grid;
};

} // namespace Tintara
