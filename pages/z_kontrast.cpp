#include "pages/z_kontrast.h"

#include "controls/eventhook.h"
#include "controls/tcolorshape.h"
#include "pages/pagehost.h"
#include "platform/systemcolors.h"
#include "rules/contrastrules.h"

#include "ui_z_kontrast.h"

namespace Tintara {

namespace {

void showText(QLabel* label, const QString& text, TColor color)
{
    label->setText(text);
    setTextColor(label, color);
}

void showSentence(QLabel* label, const ContrastSentence& sentence)
{
    showText(label, sentence.text, sentence.color);
}

} // namespace

Z_Kontrast::Z_Kontrast(PageHost& host, QWidget* parent)
    : ModulePage(parent)
    , m_host(host)
    , ui(std::make_unique<Ui::Z_Kontrast>())
{
    setUpForm(*ui);
    // A lighter shade of the chrome behind the results; it follows the chrome into the dark,
    // where half way to white would not carry light text.
    const auto shadeChrome = [this] { ui->Shape12->setColor(ShadeColor(clBtnFace, darkChrome() ? 20 : 50)); };
    shadeChrome();
    installEventFilter(new EventHook(
        [shadeChrome](QObject*, QEvent* event) {
            if (event->type() == QEvent::PaletteChange)
                shadeChrome();
            return false;
        },
        this));
    m_shown = pair();
    connect(ui->shVorder, &TColorShape::colorChanged, this, &Z_Kontrast::pairChanged);
    connect(ui->shHinter, &TColorShape::colorChanged, this, &Z_Kontrast::pairChanged);
    showHints();
    for (TColorShape* suggestion : {ui->shWcagVorschlag, ui->shWcagVorschlagHinter})
        suggestion->setShowHint(true);
    connect(ui->shWcagVorschlag, &TColorShape::clicked, this,
            [this] { ui->shVorder->setColor(ui->shWcagVorschlag->color()); });
    connect(ui->shWcagVorschlagHinter, &TColorShape::clicked, this,
            [this] { ui->shHinter->setColor(ui->shWcagVorschlagHinter->color()); });
    showWcag();
}

Z_Kontrast::~Z_Kontrast() = default;

void Z_Kontrast::showHints()
{
    const QString howToUse = tr(" Ein Klick übernimmt sie (Strg+Z nimmt das zurück); ziehen lässt sie "
                                "sich wie jede Farbe.");
    ui->shWcagVorschlag->setHint(tr("Die nächste Abstufung der Schriftfarbe, die AA erfüllt.") + howToUse);
    ui->shWcagVorschlagHinter->setHint(tr("Die nächste Abstufung der Hintergrundfarbe, die AA erfüllt.") + howToUse);
}

void Z_Kontrast::languageChanged()
{
    showHints();
    KontrastCheck();
}

void Z_Kontrast::KontrastCheck()
{
    const TColor foreground = ui->shVorder->color();
    const TColor background = ui->shHinter->color();
    showText(ui->lbBeispiel, ui->lbBeispiel->text(), foreground);
    ui->shBeispiel->setColor(background);

    const ContrastVerdict verdict = contrastCheck(foreground, background);
    ui->lbResultHell->setText(QString::number(verdict.brightnessDifference));
    ui->lbResultFarb->setText(QString::number(verdict.colorDifference));
    ui->shResultHell->setColor(verdict.brightnessLamp);
    ui->shResultFarb->setColor(verdict.colorLamp);
    showSentence(ui->lbHellKontrast, verdict.brightness);
    showSentence(ui->lbFarbW3C, verdict.w3c);
    showSentence(ui->lbFarbHP, verdict.hp);
    showWcag();
}

void Z_Kontrast::setPair(TColor text, TColor background)
{
    showPair({text, background});
    pairChanged();
}

bool Z_Kontrast::holdsPair(const QObject* control) const
{
    return control == ui->shVorder || control == ui->shHinter;
}

Z_Kontrast::Pair Z_Kontrast::pair() const
{
    return {ui->shVorder->color(), ui->shHinter->color()};
}

void Z_Kontrast::showPair(const Pair& pair)
{
    m_restoring = true;
    ui->shVorder->setColor(pair.text);
    ui->shHinter->setColor(pair.background);
    m_restoring = false;
}

void Z_Kontrast::pairChanged()
{
    KontrastCheck();
    if (m_restoring)
        return;
    const Pair before = std::exchange(m_shown, pair());
    if (before.text == m_shown.text && before.background == m_shown.background)
        return;
    m_host.recordPageStep([] { return tr("Kontrastpaar"); }, [this, before, after = m_shown](bool undo) {
        m_shown = undo ? before : after;
        showPair(m_shown);
    });
}

void Z_Kontrast::showWcag()
{
    const WcagLine wcag = wcagLine(ui->shVorder->color(), ui->shHinter->color());
    ui->lbWcag->setText(wcag.text);
    ui->lbWcag->setToolTip(wcag.hint);
    ui->shResultWcag->setColor(wcag.lamp);
    const auto offer = [](QLabel* caption, TColorShape* swatch, const std::optional<TColor>& shade) {
        caption->setVisible(shade.has_value());
        swatch->setVisible(shade.has_value());
        if (shade)
            swatch->setColor(*shade);
    };
    offer(ui->lbWcagVorschlag, ui->shWcagVorschlag, wcag.suggestion);
    offer(ui->lbWcagVorschlagHinter, ui->shWcagVorschlagHinter, wcag.backgroundSuggestion);
}

} // namespace Tintara
