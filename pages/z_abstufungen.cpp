#include "pages/z_abstufungen.h"

#include "controls/tcolorshape.h"
#include "pages/pagehost.h"
#include "pages/swatchgrid.h"
#include "rules/configformat.h"
#include "rules/modulerules.h"

#include "ui_z_abstufungen.h"

#include <QSignalBlocker>

namespace Tintara {

Z_Abstufungen::Z_Abstufungen(const PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Abstufungen>())
{
    setUpForm(*ui);
    m_grid = createSwatchGrid(this, "Abstuf");
    connect(ui->cbAbstufung, &QComboBox::currentIndexChanged, this, &Z_Abstufungen::Helligkeitsabstufungen);
    connect(ui->cbAbstufung, &QComboBox::currentIndexChanged, this, &ModulePage::settingsChanged);
    connect(&host.events(), &PageEvents::schemeChanged, this, &Z_Abstufungen::schemeChanged);
    connect(&host.events(), &PageEvents::schemeLoaded, this, &Z_Abstufungen::Helligkeitsabstufungen);
}

Z_Abstufungen::~Z_Abstufungen() = default;

int Z_Abstufungen::direction() const
{
    return ui->cbAbstufung->currentIndex();
}

void Z_Abstufungen::writeSettings(PageSettings& settings) const
{
    settings.abstufungen = direction();
}

void Z_Abstufungen::restoreSettings(const PageSettings& settings)
{
    restoreDirection(settings.abstufungen);
}

// An index that names no item leaves the list without a selection.
void Z_Abstufungen::restoreDirection(int index)
{
    {
        const QSignalBlocker blocker(ui->cbAbstufung);
        ui->cbAbstufung->setCurrentIndex(index >= 0 && index < ui->cbAbstufung->count() ? index : -1);
    }
    Q_EMIT settingsChanged(); // the choice is kept, though no change handler ran
}

QList<QWidget*> Z_Abstufungen::backgroundCaptions() const
{
    return {ui->Label1};
}

void Z_Abstufungen::Helligkeitsabstufungen()
{
    const SchemeSlots scheme = m_host.schemeSlots();
    const auto shades = schemeGradations(scheme.colors, scheme.used, ui->cbAbstufung->currentIndex());
    bool anyShown = false;
    for (int n = 0; n < 288; ++n) {
        if (shades[n])
            m_grid[n]->setColor(*shades[n]);
        m_grid[n]->setVisible(shades[n].has_value());
        anyShown = anyShown || shades[n].has_value();
    }
    ui->lbHinweisHelligkeitsverlauf->setVisible(!anyShown);
    ui->Label51->setVisible(!anyShown);
}

void Z_Abstufungen::schemeChanged()
{
    if (isCurrentPage())
        Helligkeitsabstufungen();
}

} // namespace Tintara
