#include "mainwindow/tform1.h"

#include "controls/tcolorshape.h"
#include "rules/modulerules.h"
#include "platform/systemcolors.h"

#include "ui_tform1.h"
#include "ui_z_testbild.h"

namespace Tintara {

void TForm1::connectTestImages()
{
    connect(uiTestbild->BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(uiTestbild->BitBtn3); });
    connect(uiTestbild->BitBtn4, &QPushButton::clicked, this, [this] { BitBtn3Click(uiTestbild->BitBtn4); });
}

void TForm1::BitBtn3Click(QObject* sender)
{
    const bool automatic = sender == uiTestbild->BitBtn4;
    if (!m_platform.messages.askYesNo(
            automatic ? QStringLiteral("Sollen die aktuellen Farben wirklich durch automatisch vergebene ersetzt werden?")
                      : QStringLiteral("Sollen die aktuellen Farben wirklich durch die Vorgaben ersetzt werden?")))
        return;
    if (automatic)
        m_platform.random.randomize();
    for (int group = 1; group <= 4; ++group) {
        for (int i = 1; i <= testImageGroupSizes[group - 1]; ++i) {
            // "Automatik" draws from slots 1 to 15, empty or not; slot 16 is never drawn.
            const TColor color = automatic ? m_slots[m_platform.random.random(15)]->color()
                                           : testImageResetColors[group - 1];
            ui->Z_Testbild->findChild<TColorShape*>(QStringLiteral("sh%1_%2").arg(group).arg(i))->setColor(color);
        }
    }
    updateTestImagePreview();
}

// The preview text takes the colour of sh4_5, its background that of sh1_8.
void TForm1::updateTestImagePreview()
{
    setTextColor(uiTestbild->lbVorschau, uiTestbild->sh4_5->color());
    uiTestbild->shVorschau->setColor(uiTestbild->sh1_8->color());
}

} // namespace Tintara
