#include "pages/z_farbverlauf.h"

#include "color/mix.h"
#include "controls/tcolorshape.h"
#include "pages/numberentry.h"
#include "pages/swatchgrid.h"
#include "rules/configformat.h"
#include "rules/modulerules.h"

#include "ui_z_farbverlauf.h"

namespace Tintara {

Z_Farbverlauf::Z_Farbverlauf(QWidget* parent)
    : ModulePage(parent)
    , ui(std::make_unique<Ui::Z_Farbverlauf>())
{
    setUpForm(*ui);
    m_grid = createSwatchGrid(this, "Verlauf");
    new NumberEntry(ui->edMischwert, ui->sbFarbmischer, 255, 0);
    connect(ui->sbFarbmischer, &QScrollBar::valueChanged, this, &Z_Farbverlauf::sbFarbmischerChange);
    // A new end colour remixes and rebuilds the gradient.
    for (TColorShape* end : {ui->shStart, ui->shEnde}) {
        connect(end, &TColorShape::colorChanged, this, [this] {
            sbFarbmischerChange();
            Farbverlauferstellung();
        });
        connect(end, &TColorShape::colorChanged, this, &ModulePage::settingsChanged);
    }
    connect(ui->cbOklab, &QCheckBox::toggled, this, [this] {
        sbFarbmischerChange();
        Farbverlauferstellung();
    });
    connect(ui->cbOklab, &QCheckBox::toggled, this, &ModulePage::settingsChanged);
    ui->sbFarbmischer->setValue(127);
    Farbverlauferstellung();
}

Z_Farbverlauf::~Z_Farbverlauf() = default;

TColor Z_Farbverlauf::startColour() const
{
    return ui->shStart->color();
}

TColor Z_Farbverlauf::endColour() const
{
    return ui->shEnde->color();
}

void Z_Farbverlauf::setEnds(TColor start, TColor end)
{
    ui->shStart->setColor(start);
    ui->shEnde->setColor(end);
}

bool Z_Farbverlauf::mixesInOklab() const
{
    return ui->cbOklab->isChecked();
}

void Z_Farbverlauf::setMixingInOklab(bool on)
{
    ui->cbOklab->setChecked(on);
}

void Z_Farbverlauf::writeSettings(PageSettings& settings) const
{
    settings.verlaufStart = startColour();
    settings.verlaufEnde = endColour();
    settings.oklabGradient = mixesInOklab();
}

void Z_Farbverlauf::restoreSettings(const PageSettings& settings)
{
    setEnds(settings.verlaufStart, settings.verlaufEnde);
    setMixingInOklab(settings.oklabGradient);
}

MixSpace Z_Farbverlauf::mixSpace() const
{
    return mixesInOklab() ? MixSpace::Oklab : MixSpace::Rgb;
}

QList<QWidget*> Z_Farbverlauf::backgroundCaptions() const
{
    return {ui->Label13, ui->Label14, ui->Label15, ui->Label16, ui->Label17, ui->cbOklab};
}

void Z_Farbverlauf::Farbverlauferstellung()
{
    const auto steps = colourGradient(ui->shStart->color(), ui->shEnde->color(), mixSpace());
    for (int n = 0; n < 256; ++n)
        m_grid[n]->setColor(steps[n]);
}

void Z_Farbverlauf::sbFarbmischerChange()
{
    const int weight = ui->sbFarbmischer->value();
    ui->shFarbmischung->setColor(mixIn(mixSpace(), ui->shEnde->color(), ui->shStart->color(), weight));
    ui->edMischwert->setText(QString::number(weight));
}

} // namespace Tintara
