#include "pages/z_konverter.h"

#include "controls/tcolorshape.h"
#include "pages/pagehost.h"
#include "pages/swatchgrid.h"
#include "platform/inifile.h"
#include "rules/schemeformat.h"

#include "ui_z_konverter.h"

namespace Tintara {

Z_Konverter::Z_Konverter(PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Konverter>())
{
    ui->setupUi(this);
    m_grid = createSwatchGrid(this, "PFA");
    connect(ui->btnKonvDateiOeffnen, &QPushButton::clicked, this, &Z_Konverter::btnKonvDateiOeffnen);
}

Z_Konverter::~Z_Konverter() = default;

// The scheme's open dialog, lent for old schemes; 0 marks a place without a colour.
void Z_Konverter::btnKonvDateiOeffnen()
{
    FileDialog& dialog = m_host.schemeOpenDialog();
    dialog.options.filter = QStringLiteral("Tintara Farbschema|*.ini");
    dialog.options.defaultExt = QStringLiteral("ini");
    if (dialog.execute()) {
        const auto colors = readOldScheme(IniFile(dialog.options.fileName));
        for (int n = 0; n < 48; ++n) {
            m_grid[n]->setColor(colors[n].value_or(clBtnFace));
            m_grid[n]->setPenStyle(colors[n] ? TColorShape::PenStyle::Solid : TColorShape::PenStyle::Clear);
        }
    }
    dialog.options.filter = QStringLiteral("TintaraStudio Farbschema|*.tsf");
    dialog.options.defaultExt = QStringLiteral("tsf");
}

} // namespace Tintara
