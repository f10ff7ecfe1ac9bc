#include "mainwindow/tform1.h"

#include "controls/tcolorshape.h"
#include "rules/contrastrules.h"
#include "platform/systemcolors.h"

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

void TForm1::KontrastCheck()
{
    const TColor foreground = uiKontrast->shVorder->color();
    const TColor background = uiKontrast->shHinter->color();
    showText(uiKontrast->lbBeispiel, uiKontrast->lbBeispiel->text(), foreground);
    uiKontrast->shBeispiel->setColor(background);

    const ContrastVerdict verdict = contrastCheck(foreground, background);
    uiKontrast->lbResultHell->setText(QString::number(verdict.brightnessDifference));
    uiKontrast->lbResultFarb->setText(QString::number(verdict.colorDifference));
    uiKontrast->shResultHell->setColor(verdict.brightnessLamp);
    uiKontrast->shResultFarb->setColor(verdict.colorLamp);
    showSentence(uiKontrast->lbHellKontrast, verdict.brightness);
    showSentence(uiKontrast->lbFarbW3C, verdict.w3c);
    showSentence(uiKontrast->lbFarbHP, verdict.hp);
}

} // namespace Tintara
