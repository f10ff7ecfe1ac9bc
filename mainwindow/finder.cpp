#include "mainwindow/tform1.h"

#include "controls/tcolorshape.h"
#include "pages/z_abstufungen.h"
#include "rules/finderring.h"

#include "ui_tform1.h"
#include "ui_z_vorschlag.h"

namespace Tintara {

void TForm1::connectFinder()
{
    for (int k = 1; k <= 36; ++k)
        m_proposals[k - 1] = ui->Z_Vorschlag->findChild<TColorShape*>(QStringLiteral("Vorschlag%1").arg(k));
    connect(uiVorschlag->cbVorschlag, &QComboBox::currentIndexChanged, this, &TForm1::cbVorschlagChange);
    connect(uiVorschlag->sbHellDunkel, &QScrollBar::valueChanged, this, &TForm1::HellDunkel);
    connect(uiVorschlag->cbRahmen, &QCheckBox::clicked, this, &TForm1::cbRahmenClick);
}

// Makes `centre` the finder's centre, with its HSV as the base triple, and recomputes the ring.
void TForm1::recomputeFinder(TColor centre)
{
    uiVorschlag->AktiveFarbe->setColor(centre);
    m_currentHsv = RGBnachHSV(centre);
    Farbvorschlag();
}

void TForm1::Farbvorschlag()
{
    const int mode = uiVorschlag->cbVorschlag->currentIndex();
    int randomHue = 0;
    if (mode == FinderKreativ) {
        m_platform.random.randomize();
        randomHue = m_platform.random.random(360);
    }
    const FinderRing ring = finderRing(activeColor(), uiVorschlag->AktiveFarbe->color(), m_currentHsv, mode, randomHue);
    m_currentHsv = ring.centreHsv;
    for (int k = 0; k < 36; ++k)
        m_proposals[k]->setColor(ring.proposals[k]);
    uiVorschlag->AktiveFarbe->setColor(ring.centre);
    uiVorschlag->AktiveFarbeD->setColor(ring.darker);
    uiVorschlag->AktiveFarbeH->setColor(ring.lighter);
    uiVorschlag->KompFarbe->setColor(ring.inverse);
    uiVorschlag->FontColor->setColor(ring.font);
}

void TForm1::cbVorschlagChange()
{
    {
        const QSignalBlocker blocker(uiVorschlag->sbHellDunkel);
        uiVorschlag->sbHellDunkel->setValue(0);
    }
    recomputeFinder(activeColor());
}

void TForm1::HellDunkel()
{
    // The ring follows the shaded centre exactly, not one slider step behind.
    recomputeFinder(ShadeColor(activeColor(), uiVorschlag->sbHellDunkel->value()));
}

void TForm1::cbRahmenClick()
{
    const auto pen = uiVorschlag->cbRahmen->isChecked() ? TColorShape::PenStyle::Solid : TColorShape::PenStyle::Clear;
    for (TColorShape* proposal : m_proposals)
        proposal->setPenStyle(pen);
    for (TColorShape* swatch : {uiVorschlag->AktiveFarbe, uiVorschlag->AktiveFarbeD, uiVorschlag->AktiveFarbeH,
                                uiVorschlag->KompFarbe, uiVorschlag->FontColor})
        swatch->setPenStyle(pen);
}

void TForm1::InPaletteClick()
{
    const bool anyUsed = std::find(m_used.begin(), m_used.end(), 1) != m_used.end();
    if (!anyUsed
        || m_platform.messages.askYesNo(QStringLiteral("Soll das bestehende Farbschema überschrieben werden?\n\n"
                                                       "(Dieser Vorgang ist nicht rückgängig zu machen)"))) {
        for (int k = 1; k <= 12; ++k)
            setSlot(k, m_proposals[k - 1]->color(), 1);
        setSlot(13, uiVorschlag->AktiveFarbe->color(), 1);
        setSlot(14, uiVorschlag->AktiveFarbeD->color(), 1);
        setSlot(15, uiVorschlag->AktiveFarbeH->color(), 1);
        setSlot(16, uiVorschlag->KompFarbe->color(), 1);
    }
    m_abstufungen->Helligkeitsabstufungen();
}

} // namespace Tintara
