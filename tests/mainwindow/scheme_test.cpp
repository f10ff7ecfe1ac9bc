#include "windowfixture.h"

#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

void enter(QWidget* widget)
{
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(widget, &event);
}

// Each question keeps its first line; the line that said it could not be undone went with undo.
const QString takeOverQuestion = "Soll das bestehende Farbschema überschrieben werden?";

} // namespace

TEST_F(WindowTest, SlotsStartEmptyAndOnlySixteenIsFixedInPlace)
{
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(swatch(QString("Palette%1").arg(n))->color(), clBtnFace);
        EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(n), 0);
    }
    EXPECT_EQ(swatch("Palette15")->dragMode(), TColorShape::DragMode::Automatic);
    EXPECT_EQ(swatch("Palette16")->dragMode(), TColorShape::DragMode::Manual);
    EXPECT_EQ(partOf<SchemeSwatches>(*window).PalettenCheck(swatch("Palette7")), 7);
    EXPECT_EQ(partOf<SchemeSwatches>(*window).PalettenCheck(swatch("Farbanzeige")), 0);
}

TEST_F(WindowTest, HoverShowsValuesButIgnoresEmptySlots)
{
    swatch("Vorschlag1")->setColor(RGB(255, 0, 0));
    enter(swatch("Vorschlag1"));
    EXPECT_EQ(control<QLabel>("lbHex")->text(), "#FF0000");
    EXPECT_EQ(control<QLabel>("lbDelphi")->text(), "$000000FF");
    EXPECT_EQ(partOf<ValuePanel>(*window).hoverSwatch(), swatch("Vorschlag1"));

    enter(swatch("Palette3"));
    EXPECT_EQ(control<QLabel>("lbHex")->text(), "#FF0000");
    EXPECT_EQ(partOf<ValuePanel>(*window).hoverSwatch(), swatch("Vorschlag1"));

    partOf<SchemeSwatches>(*window).setSlot(3, RGB(0, 0, 255), 1);
    enter(swatch("Palette3"));
    EXPECT_EQ(control<QLabel>("lbRGB")->text(), "0,0,255");
    EXPECT_EQ(partOf<ValuePanel>(*window).hoverColor(), RGB(0, 0, 255));
}

TEST_F(WindowTest, HoverIgnoresDecorations)
{
    enter(swatch("Farbanzeige"));
    const QString shown = control<QLabel>("lbHex")->text();
    enter(swatch("shRot"));
    EXPECT_EQ(control<QLabel>("lbHex")->text(), shown);
    EXPECT_EQ(partOf<ValuePanel>(*window).hoverSwatch(), swatch("Farbanzeige"));
}

TEST_F(WindowTest, NewSchemeEmptiesSlotsKeepsTextsAndForgetsTheFileName)
{
    visitEveryPage();
    partOf<SchemeSwatches>(*window).setSlot(2, RGB(1, 2, 3), 1);
    control<QLineEdit>("edPalInfo2")->setText("Rot");
    control<QAbstractButton>("PalettenInfosSetzen")->click();

    desktop.messages.answers = {false};
    control<QAbstractButton>("ToolButton10")->click();
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(2), 1);

    desktop.messages.answers = {true};
    control<QAction>("mmNeu")->trigger();
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(2), 0);
    EXPECT_EQ(swatch("Palette2")->color(), clBtnFace);
    EXPECT_EQ(swatch("Palette2")->dragMode(), TColorShape::DragMode::Manual);
    EXPECT_EQ(swatch("Palette2")->hint(), "Rot");
    EXPECT_EQ(swatch("Palette2")->toolTip(), "Rot");
    EXPECT_EQ(desktop.messages.questions.last(), "Soll das aktuelle Farbschema durch ein neues ersetzt werden?");
}

TEST_F(WindowTest, InfoPageAppliesAndDiscardsTexts)
{
    visitEveryPage();
    auto* first = control<QLineEdit>("edPalInfo1");
    first->setText("   ");
    control<QLineEdit>("edPalInfo16")->setText("Link blau");
    control<QAbstractButton>("PalettenInfosSetzen")->click();
    EXPECT_TRUE(swatch("Palette1")->showHint()) << "blanks count as a text";
    EXPECT_EQ(swatch("Palette1")->toolTip(), "   ");
    EXPECT_EQ(swatch("Palette16")->hint(), "Link blau");
    EXPECT_FALSE(swatch("Palette2")->showHint());
    EXPECT_EQ(desktop.messages.messages,
              QStringList{"Informationen wurden übernommen. Zur dauerhaften Hinterlegung bitte Palette speichern."});

    first->setText("verworfen");
    control<QAbstractButton>("PalettenInfosLesen")->click();
    EXPECT_EQ(first->text(), "   ");
}

TEST_F(WindowTest, InfoFieldsTakeThirtyTypedCharactersButShowLongerTextsWhole)
{
    visitEveryPage();
    auto* field = control<QLineEdit>("edPalInfo5");
    field->setFocus();
    QTest::keyClicks(field, QString(35, u'x'));
    EXPECT_EQ(field->text().size(), 30);

    partOf<SchemeSwatches>(*window).setSlotInfo(5, QString(40, u'y'));
    control<QAbstractButton>("PalettenInfosLesen")->click();
    EXPECT_EQ(field->text().size(), 40);
}

TEST_F(WindowTest, TakingProposalsOverAsksOnlyWhenASlotIsUsed)
{
    window->setActiveColor(RGB(255, 128, 0));
    control<QAbstractButton>("ToolButton14")->click();
    EXPECT_TRUE(desktop.messages.questions.isEmpty());
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(swatch(QString("Palette%1").arg(k))->color(), swatch(QString("Vorschlag%1").arg(k))->color());
    EXPECT_EQ(swatch("Palette13")->color(), swatch("AktiveFarbe")->color());
    EXPECT_EQ(swatch("Palette14")->color(), swatch("AktiveFarbeD")->color());
    EXPECT_EQ(swatch("Palette15")->color(), swatch("AktiveFarbeH")->color());
    EXPECT_EQ(swatch("Palette16")->color(), swatch("KompFarbe")->color());
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(16), 1);
    EXPECT_EQ(swatch("Palette16")->dragMode(), TColorShape::DragMode::Automatic);

    window->setActiveColor(RGB(0, 0, 255));
    desktop.messages.answers = {false};
    control<QAction>("mmUebernehmen")->trigger();
    EXPECT_EQ(desktop.messages.questions, QStringList{takeOverQuestion});
    EXPECT_EQ(swatch("Palette13")->color(), RGB(255, 128, 0));

    desktop.messages.answers = {true};
    control<QAbstractButton>("ToolButton14")->click();
    EXPECT_EQ(swatch("Palette13")->color(), RGB(0, 0, 255));
}
