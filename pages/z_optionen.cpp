#include "pages/z_optionen.h"

#include "ui_z_optionen.h"

#include <QSignalBlocker>

namespace Tintara {

Z_Optionen::Z_Optionen(QWidget* parent)
    : ModulePage(parent)
    , ui(std::make_unique<Ui::Z_Optionen>())
{
    ui->setupUi(this);
    connect(ui->cbTrayFormat, &QComboBox::currentIndexChanged, this, &Z_Optionen::copyFormatChanged);
    connect(ui->BitBtn1, &QPushButton::clicked, this, [this] { Q_EMIT converterClicked(ui->BitBtn1); });
}

Z_Optionen::~Z_Optionen() = default;

bool Z_Optionen::option(int n) const
{
    return findChild<QCheckBox*>(QStringLiteral("cbOpt_%1").arg(n))->isChecked();
}

void Z_Optionen::setOption(int n, bool on)
{
    findChild<QCheckBox*>(QStringLiteral("cbOpt_%1").arg(n))->setChecked(on);
}

int Z_Optionen::copyFormat() const
{
    return ui->cbTrayFormat->currentIndex();
}

void Z_Optionen::selectCopyFormat(int index)
{
    const QSignalBlocker blocker(ui->cbTrayFormat);
    ui->cbTrayFormat->setCurrentIndex(index >= 0 && index < ui->cbTrayFormat->count() ? index : -1);
}

} // namespace Tintara
