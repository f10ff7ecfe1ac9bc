#include "pages/z_testbild.h"

#include "controls/tcolorshape.h"
#include "pages/pagehost.h"
#include "platform/systemcolors.h"
#include "rules/modulerules.h"

#include "ui_z_testbild.h"

#include <algorithm>

namespace Tintara {

Z_Testbild::Z_Testbild(const PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Testbild>())
{
    setUpForm(*ui);
    connect(ui->BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(ui->BitBtn3); });
    connect(ui->BitBtn4, &QPushButton::clicked, this, [this] { BitBtn3Click(ui->BitBtn4); });
    for (TColorShape* sample : {ui->sh4_5, ui->sh1_8})
        connect(sample, &TColorShape::colorChanged, this, &Z_Testbild::updateTestImagePreview);
}

Z_Testbild::~Z_Testbild() = default;

QList<QWidget*> Z_Testbild::backgroundCaptions() const
{
    return {ui->Label11, ui->Label12};
}

void Z_Testbild::BitBtn3Click(QObject* sender)
{
    const bool automatic = sender == ui->BitBtn4;
    const SchemeSlots scheme = m_host.schemeSlots();
    if (!m_host.platform().messages.askYesNo(
            automatic ? tr("Sollen die aktuellen Farben wirklich durch automatisch vergebene ersetzt werden?")
                      : tr("Sollen die aktuellen Farben wirklich durch die Vorgaben ersetzt werden?")))
        return;
    if (automatic)
        m_host.platform().random.randomize();
    for (int group = 1; group <= 4; ++group) {
        for (int i = 1; i <= testImageGroupSizes[group - 1]; ++i) {
            // "Automatik" draws from slots 1 to 15, empty or not; slot 16 is never drawn.
            const TColor color = automatic ? scheme.colors[m_host.platform().random.random(15)]
                                           : testImageResetColors[group - 1];
            findChild<TColorShape*>(QStringLiteral("sh%1_%2").arg(group).arg(i))->setColor(color);
        }
    }
}

QPixmap Z_Testbild::grabTestImage(int n)
{
    // The six pictures stand in two rows of three; the fifth is the text preview with its fields.
    static constexpr QRect areas[] = {{6, 6, 160, 161},   {181, 6, 161, 160},   {355, 6, 159, 161},
                                      {6, 178, 160, 161}, {181, 178, 172, 160}, {355, 178, 159, 161}};
    return grab(areas[std::clamp(n, 1, 6) - 1]);
}

// The preview text takes the colour of sh4_5, its background that of sh1_8.
void Z_Testbild::updateTestImagePreview()
{
    setTextColor(ui->lbVorschau, ui->sh4_5->color());
    ui->shVorschau->setColor(ui->sh1_8->color());
}

} // namespace Tintara
