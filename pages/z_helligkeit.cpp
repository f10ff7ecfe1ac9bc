#include "pages/z_helligkeit.h"

#include "controls/tcolorshape.h"
#include "pages/numberentry.h"
#include "pages/swatchgrid.h"
#include "rules/configformat.h"
#include "rules/modulerules.h"

#include "ui_z_helligkeit.h"

namespace Tintara {

Z_Helligkeit::Z_Helligkeit(QWidget* parent)
    : ModulePage(parent)
    , ui(std::make_unique<Ui::Z_Helligkeit>())
{
    setUpForm(*ui);
    m_grid = createSwatchGrid(this, "HD");
    new NumberEntry(ui->edHelligkeitWert, ui->sbHelligkeit, 200, 100);
    connect(ui->sbHelligkeit, &QScrollBar::valueChanged, this, &Z_Helligkeit::sbHelligkeitChange);
    // A start colour dropped or pasted is a new start.
    connect(ui->shHelligkeitStart, &TColorShape::colorChanged, this, &Z_Helligkeit::newBrightnessStart);
    connect(ui->shHelligkeitStart, &TColorShape::colorChanged, this, &ModulePage::settingsChanged);
    ui->sbHelligkeit->setValue(0); // the layout holds 1: the result and its field show the start
    Helligkeitverlauf();
}

Z_Helligkeit::~Z_Helligkeit() = default;

TColor Z_Helligkeit::startColour() const
{
    return ui->shHelligkeitStart->color();
}

void Z_Helligkeit::setStartColour(TColor colour)
{
    ui->shHelligkeitStart->setColor(colour);
}

void Z_Helligkeit::writeSettings(PageSettings& settings) const
{
    settings.helligkeit = startColour();
}

void Z_Helligkeit::restoreSettings(const PageSettings& settings)
{
    setStartColour(settings.helligkeit);
}

QList<QWidget*> Z_Helligkeit::backgroundCaptions() const
{
    return {ui->Label2, ui->Label25, ui->Label26, ui->Label27, ui->Label28};
}

void Z_Helligkeit::Helligkeitverlauf()
{
    const auto shades = brightnessGradient(ui->shHelligkeitStart->color());
    for (int n = 0; n < 200; ++n)
        m_grid[n]->setColor(shades[n]);
}

void Z_Helligkeit::sbHelligkeitChange()
{
    const int position = ui->sbHelligkeit->value();
    ui->shHelligkeit->setColor(ShadeColor(ui->shHelligkeitStart->color(), position));
    ui->edHelligkeitWert->setText(QString::number(position + 100));
}

void Z_Helligkeit::newBrightnessStart()
{
    ui->sbHelligkeit->setValue(0);
    ui->shHelligkeit->setColor(ui->shHelligkeitStart->color());
    Helligkeitverlauf();
}

} // namespace Tintara
