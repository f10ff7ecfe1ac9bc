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
    ui->setupUi(this);
    connect(&host.events(), &PageEvents::schemeChanged, this, &Z_Kontrastmatrix::schemeChanged);
    connect(&host.events(), &PageEvents::schemeLoaded, this, &Z_Kontrastmatrix::schemeChanged);
    connect(ui->gvMatrix, &ContrastGridView::cellClicked, this, &Z_Kontrastmatrix::takePair);
}

Z_Kontrastmatrix::~Z_Kontrastmatrix() = default;

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
    for (int n = 0; n < 16; ++n) {
        if (scheme.used[n] == 1) {
            colors.push_back(scheme.colors[n]);
            slotNumbers.push_back(n + 1);
        }
    }
    ui->gvMatrix->setColors(colors, slotNumbers);
    ui->gvMatrix->setVisible(!colors.empty());
    ui->lbMatrixLegende->setVisible(!colors.empty());
    ui->lbMatrixLeer->setVisible(colors.empty());
}

void Z_Kontrastmatrix::takePair(const ContrastCell& cell)
{
    m_host.showContrastPair(cell.text, cell.background);
}

} // namespace Tintara
