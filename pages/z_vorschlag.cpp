#include "pages/z_vorschlag.h"

#include "controls/ramp.h"
#include "controls/tcolorshape.h"
#include "pages/pagehost.h"
#include "rules/configformat.h"
#include "rules/finderring.h"

#include "ui_z_vorschlag.h"

#include <QSignalBlocker>

namespace Tintara {

Z_Vorschlag::Z_Vorschlag(const PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Vorschlag>())
{
    setUpForm(*ui);
    for (int k = 1; k <= 36; ++k)
        m_proposals[k - 1] = findChild<TColorShape*>(QStringLiteral("Vorschlag%1").arg(k));
    paintGreyRamp();
    connect(ui->cbVorschlag, &QComboBox::currentIndexChanged, this, &Z_Vorschlag::cbVorschlagChange);
    connect(ui->sbHellDunkel, &QScrollBar::valueChanged, this, &Z_Vorschlag::HellDunkel);
    connect(ui->cbRahmen, &QCheckBox::clicked, this, &Z_Vorschlag::cbRahmenClick);
    connect(ui->cbVorschlag, &QComboBox::currentIndexChanged, this, &ModulePage::settingsChanged);
    connect(ui->cbRahmen, &QCheckBox::toggled, this, &ModulePage::settingsChanged);
    connect(&host.events(), &PageEvents::activeColorChanged, this,
            [this] { updateWhenShown([this] { activeColorChanged(); }); });
}

Z_Vorschlag::~Z_Vorschlag() = default;

std::array<TColor, 16> Z_Vorschlag::schemeColours()
{
    catchUp();
    std::array<TColor, 16> colours{};
    for (int k = 0; k < 12; ++k)
        colours[k] = m_proposals[k]->color();
    colours[12] = ui->AktiveFarbe->color();
    colours[13] = ui->AktiveFarbeD->color();
    colours[14] = ui->AktiveFarbeH->color();
    colours[15] = ui->KompFarbe->color();
    return colours;
}

int Z_Vorschlag::rule() const
{
    return ui->cbVorschlag->currentIndex();
}

bool Z_Vorschlag::frames() const
{
    return ui->cbRahmen->isChecked();
}

void Z_Vorschlag::paintGreyRamp()
{
    ui->Image3->setPixmap(ramp({108, 10}, Qt::Horizontal, {{0, Qt::black}, {1, Qt::white}}, devicePixelRatioF()));
}

void Z_Vorschlag::writeSettings(PageSettings& settings) const
{
    settings.vorschlag = rule();
    settings.rahmen = frames();
}

void Z_Vorschlag::restoreSettings(const PageSettings& settings)
{
    restoreRule(settings.vorschlag);
    restoreFrames(settings.rahmen);
}

// An index that names no item leaves the list without a selection.
void Z_Vorschlag::restoreRule(int index)
{
    {
        const QSignalBlocker blocker(ui->cbVorschlag);
        ui->cbVorschlag->setCurrentIndex(index >= 0 && index < ui->cbVorschlag->count() ? index : -1);
    }
    Q_EMIT settingsChanged(); // the choice is kept, though no change handler ran
}

void Z_Vorschlag::restoreFrames(bool on)
{
    if (ui->cbRahmen->isChecked() == on)
        return;
    ui->cbRahmen->setChecked(on);
    cbRahmenClick();
}

QList<QWidget*> Z_Vorschlag::backgroundCaptions() const
{
    return {ui->Label10, ui->cbRahmen, ui->Label23, ui->Label4, ui->Label5};
}

void Z_Vorschlag::activeColorChanged()
{
    {
        const QSignalBlocker blocker(ui->sbHellDunkel);
        ui->sbHellDunkel->setValue(0);
    }
    recompute(m_host.activeColor());
}

// Makes `centre` the finder's centre, with its HSV as the base triple, and recomputes the ring.
void Z_Vorschlag::recompute(TColor centre)
{
    ui->AktiveFarbe->setColor(centre);
    m_currentHsv = RGBnachHSV(centre);
    Farbvorschlag();
}

void Z_Vorschlag::Farbvorschlag()
{
    const int mode = ui->cbVorschlag->currentIndex();
    int randomHue = 0;
    if (mode == FinderKreativ) {
        m_host.platform().random.randomize();
        randomHue = m_host.platform().random.random(360);
    }
    const FinderRing ring = finderRing(m_host.activeColor(), ui->AktiveFarbe->color(), m_currentHsv, mode, randomHue);
    m_currentHsv = ring.centreHsv;
    for (int k = 0; k < 36; ++k)
        m_proposals[k]->setColor(ring.proposals[k]);
    ui->AktiveFarbe->setColor(ring.centre);
    ui->AktiveFarbeD->setColor(ring.darker);
    ui->AktiveFarbeH->setColor(ring.lighter);
    ui->KompFarbe->setColor(ring.inverse);
    ui->FontColor->setColor(ring.font);
}

void Z_Vorschlag::cbVorschlagChange()
{
    activeColorChanged();
}

void Z_Vorschlag::HellDunkel()
{
    // The ring follows the shaded centre exactly, not one slider step behind.
    recompute(ShadeColor(m_host.activeColor(), ui->sbHellDunkel->value()));
}

void Z_Vorschlag::cbRahmenClick()
{
    const auto pen = ui->cbRahmen->isChecked() ? TColorShape::PenStyle::Solid : TColorShape::PenStyle::Clear;
    for (TColorShape* proposal : m_proposals)
        proposal->setPenStyle(pen);
    for (TColorShape* swatch : {ui->AktiveFarbe, ui->AktiveFarbeD, ui->AktiveFarbeH, ui->KompFarbe, ui->FontColor})
        swatch->setPenStyle(pen);
}

} // namespace Tintara
