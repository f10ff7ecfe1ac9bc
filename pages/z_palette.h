#pragma once

#include "color/tcolor.h"
#include "pages/modulepage.h"

#include <array>
#include <memory>

namespace Ui {
class Z_Palette;
}

namespace Tintara {

struct PageSettings;
class TColorShape;

// Eight base colours and four mixing fields that lay colours over each other by opacity.
class Z_Palette : public ModulePage
{
    Q_OBJECT

public:
    explicit Z_Palette(QWidget* parent = nullptr);
    ~Z_Palette() override;

    // A clear mixing field takes the first colour as it is; later ones are laid over it.
    void DragDropPalette(TColorShape* field, TColorShape* source);
    void mixIn(TColorShape* field, TColor color);

    void writeSettings(PageSettings& config) const override;
    void restoreSettings(const PageSettings& config) override;
    QList<QWidget*> backgroundCaptions() const override;

private:
    void FarbpaletteFuellen();

    std::unique_ptr<Ui::Z_Palette> ui;
    std::array<TColorShape*, 4> m_fields{};
};

} // namespace Tintara
