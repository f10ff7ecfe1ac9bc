#include "pages/z_kontrast.h"

#include "controls/tcolorshape.h"
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

Z_Kontrast::Z_Kontrast(QWidget* parent)
    : ModulePage(parent)
    , ui(std::make_unique<Ui::Z_Kontrast>())
{
    ui->setupUi(this);
    ui->Shape12->setColor(ShadeColor(clBtnFace, 50));
    connect(ui->shVorder, &TColorShape::colorChanged, this, &Z_Kontrast::KontrastCheck);
    connect(ui->shHinter, &TColorShape::colorChanged, this, &Z_Kontrast::KontrastCheck);
    ui->shWcagVorschlag->setHint(QStringLiteral("Die nächste Abstufung der Schriftfarbe, die AA erfüllt"));
    ui->shWcagVorschlag->setShowHint(true);
    showWcag();
}

Z_Kontrast::~Z_Kontrast() = default;

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
    ui->shVorder->setColor(text);
    ui->shHinter->setColor(background);
}

void Z_Kontrast::showWcag()
{
    const WcagLine wcag = wcagLine(ui->shVorder->color(), ui->shHinter->color());
    ui->lbWcag->setText(wcag.text);
    ui->shResultWcag->setColor(wcag.lamp);
    ui->lbWcagVorschlag->setVisible(wcag.suggestion.has_value());
    ui->shWcagVorschlag->setVisible(wcag.suggestion.has_value());
    if (wcag.suggestion)
        ui->shWcagVorschlag->setColor(*wcag.suggestion);
}

} // namespace Tintara
