#include "pages/z_kontrastmatrix.h"

#include "pages/contrastgridview.h"
#include "pages/pagehost.h"

#include "ui_z_kontrastmatrix.h"

namespace Tintara {

Z_Kontrastmatrix::Z_Kontrastmatrix(PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Kontrastmatrix>())
{
    setUpForm(*ui);
    connect(&host.events(), &PageEvents::schemeChanged, this, &Z_Kontrastmatrix::schemeChanged);
    connect(&host.events(), &PageEvents::schemeLoaded, this, &Z_Kontrastmatrix::schemeChanged);
    connect(ui->gvMatrix, &ContrastGridView::cellClicked, this, &Z_Kontrastmatrix::takePair);
    connect(ui->rbMatrixApca, &QRadioButton::toggled, this, &Z_Kontrastmatrix::showMeasure);
    showMeasure();
}

void Z_Kontrastmatrix::showMeasure()
{
    const bool apca = ui->rbMatrixApca->isChecked();
    ui->gvMatrix->setMeasure(apca ? ContrastMeasure::Apca : ContrastMeasure::Wcag);
    ui->lbMatrixLegende->setText(
        (apca ? tr("Lampe grün: ab APCA Lc 75 (Fließtext), gelb: ab Lc 60 (sonstiger Text), rot: darunter.")
              : tr("Lampe grün: AA erfüllt, gelb: AA nur für große Schrift, rot: nicht erfüllt."))
        + tr(" Der Hinweis eines Feldes nennt die Werte; ein Klick übernimmt das Paar in den Farbkontrast."));
}

Z_Kontrastmatrix::~Z_Kontrastmatrix() = default;

void Z_Kontrastmatrix::languageChanged()
{
    showMeasure();
    schemeChanged();
}

void Z_Kontrastmatrix::schemeChanged()
{
    if (isCurrentPage())
        showMatrix();
}

void Z_Kontrastmatrix::showMatrix()
{
    const SchemeSlots scheme = m_host.schemeSlots();
    std::vector<TColor> colors;
    std::vector<int> slotNumbers;
    std::vector<QString> slotNames;
    for (int n = 0; n < 16; ++n) {
        if (scheme.used[n] == 1) {
            colors.push_back(scheme.colors[n]);
            slotNumbers.push_back(n + 1);
            slotNames.push_back(slotName(n + 1, scheme.infos[n]));
        }
    }
    ui->gvMatrix->setColors(colors, slotNumbers, slotNames);
    ui->gvMatrix->setVisible(!colors.empty());
    ui->lbMatrixLegende->setVisible(!colors.empty());
    ui->lbMatrixLeer->setVisible(colors.empty());
}

void Z_Kontrastmatrix::takePair(const ContrastCell& cell)
{
    m_host.showContrastPair(cell.text, cell.background);
}

} // namespace Tintara
