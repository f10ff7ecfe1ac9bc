#include "pages/z_palette.h"

#include "color/mix.h"
#include "controls/tcolorshape.h"
#include "rules/configformat.h"

#include "ui_z_palette.h"

namespace Tintara {

Z_Palette::Z_Palette(QWidget* parent)
    : ModulePage(parent)
    , ui(std::make_unique<Ui::Z_Palette>())
{
    setUpForm(*ui);
    m_fields = {ui->shPal9, ui->shPal10, ui->shPal11, ui->shPal12};
    for (TColorShape* field : m_fields) {
        connect(field, &TColorShape::colorChanged, this, &ModulePage::settingsChanged);
        connect(field, &TColorShape::brushStyleChanged, this, &ModulePage::settingsChanged);
    }
    connect(ui->cbPalettenmischer, &QScrollBar::valueChanged, this, &ModulePage::settingsChanged);
    FarbpaletteFuellen();
}

Z_Palette::~Z_Palette() = default;

QList<QWidget*> Z_Palette::backgroundCaptions() const
{
    return {ui->Label18, ui->Label19, ui->Label20};
}

void Z_Palette::FarbpaletteFuellen()
{
    ui->shPal1->setColor(RGB(255, 0, 0));
    ui->shPal2->setColor(RGB(255, 0, 255));
    ui->shPal3->setColor(RGB(0, 0, 255));
    ui->shPal4->setColor(RGB(0, 0, 0));
    ui->shPal5->setColor(RGB(255, 255, 255));
    ui->shPal6->setColor(RGB(255, 128, 0));
    ui->shPal7->setColor(RGB(0, 255, 0));
    ui->shPal8->setColor(RGB(255, 255, 0));
}

void Z_Palette::DragDropPalette(TColorShape* field, TColorShape* source)
{
    mixIn(field, source->color());
}

void Z_Palette::mixIn(TColorShape* field, TColor color)
{
    const bool empty = field->brushStyle() == TColorShape::BrushStyle::Clear;
    field->setColor(empty ? color : MixColors(color, field->color(), ui->cbPalettenmischer->value()));
    field->setBrushStyle(TColorShape::BrushStyle::Solid);
}

void Z_Palette::writeSettings(PageSettings& config) const
{
    for (int i = 0; i < 4; ++i) {
        config.pal[i] = m_fields[i]->color();
        config.palGes[i] = m_fields[i]->brushStyle() == TColorShape::BrushStyle::Solid ? 1 : 0;
    }
    config.deckkraft = ui->cbPalettenmischer->value();
}

// A field is filled only where its flag is exactly 1; the bar clamps the opacity to 0..255.
void Z_Palette::restoreSettings(const PageSettings& config)
{
    ui->cbPalettenmischer->setValue(config.deckkraft);
    for (int i = 0; i < 4; ++i) {
        m_fields[i]->setColor(config.pal[i]);
        m_fields[i]->setBrushStyle(config.palGes[i] == 1 ? TColorShape::BrushStyle::Solid
                                                         : TColorShape::BrushStyle::Clear);
    }
}

} // namespace Tintara
