#include "color/mix.h"
#include "color/wcag.h"
#include "rules/modulerules.h"
#include "mainwindow/windowfixture.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

class ModuleTest : public WindowTest
{
protected:
    void show(const char* button) { control<QAbstractButton>(button)->click(); }
    void useSlot(int n, TColor color) { partOf<SchemeSwatches>(*window).setSlot(n, color, 1); }
};

} // namespace

TEST_F(ModuleTest, StartUpFillsEveryModule)
{
    visitEveryPage();
    EXPECT_EQ(swatch("WS43")->color(), RGB(51, 51, 0));
    EXPECT_EQ(control<QScrollBar>("sbFarbmischer")->value(), 127);
    EXPECT_EQ(control<QLineEdit>("edMischwert")->text(), "127");
    EXPECT_EQ(swatch("Verlauf1")->color(), MixColors(0x008000, 0x800000, 0));
    EXPECT_EQ(control<QScrollBar>("sbHelligkeit")->value(), 0);
    EXPECT_EQ(control<QLineEdit>("edHelligkeitWert")->text(), "100");
    EXPECT_EQ(swatch("shHelligkeit")->color(), RGB(0, 128, 0));
    EXPECT_EQ(swatch("HD100")->color(), RGB(0, 128, 0));
    EXPECT_EQ(swatch("HD200")->color(), clWhite);
    EXPECT_EQ(swatch("shPal6")->color(), RGB(255, 128, 0));
    EXPECT_EQ(swatch("shPal5")->color(), clWhite);
}

TEST_F(ModuleTest, GradationPageShowsTheSchemeAndFollowsIt)
{
    show("ToolButton3");
    EXPECT_TRUE(control("lbHinweisHelligkeitsverlauf")->isVisible());
    EXPECT_FALSE(swatch("Abstuf1")->isVisible());

    swatch("Vorschlag1")->setColor(RGB(200, 100, 0)); // proposals stay reachable by drag only on their page
    useSlot(2, RGB(200, 100, 0));
    drag(swatch("Palette2"), swatch("Palette3"));
    EXPECT_FALSE(control("lbHinweisHelligkeitsverlauf")->isVisible());
    EXPECT_TRUE(swatch("Abstuf3")->isVisible());
    EXPECT_EQ(swatch("Abstuf3")->color(), RGB(20, 10, 0));
    EXPECT_EQ(swatch("Abstuf275")->color(), RGB(244, 224, 204));

    control<QComboBox>("cbAbstufung")->setCurrentIndex(2);
    EXPECT_EQ(swatch("Abstuf3")->color(), ShadeColor(RGB(200, 100, 0), -5));

    drag(swatch("Palette3"), control("Image1"));
    EXPECT_FALSE(swatch("Abstuf3")->isVisible());
}

TEST_F(ModuleTest, DropOnTheActiveColourDoesNotRecomputeGradations)
{
    show("ToolButton3");
    useSlot(1, RGB(1, 2, 3)); // a change the page has not seen yet
    drag(swatch("Palette1"), swatch("Farbanzeige"));
    EXPECT_FALSE(swatch("Abstuf1")->isVisible());
    drag(swatch("Palette1"), swatch("shZwischenspeicher2"));
    EXPECT_TRUE(swatch("Abstuf1")->isVisible());
}

TEST_F(ModuleTest, DropOnAGradientEndRebuildsGradientAndMixer)
{
    show("ToolButton5");
    useSlot(1, clWhite);
    useSlot(2, clBlack);
    drag(swatch("Palette2"), swatch("shStart"));
    drag(swatch("Palette1"), swatch("shEnde"));
    EXPECT_EQ(swatch("Verlauf129")->color(), RGB(127, 127, 127));
    EXPECT_EQ(swatch("Verlauf256")->color(), RGB(254, 254, 254));
    EXPECT_EQ(swatch("shFarbmischung")->color(), RGB(126, 126, 126));
    control<QScrollBar>("sbFarbmischer")->setValue(255);
    EXPECT_EQ(swatch("shFarbmischung")->color(), RGB(254, 254, 254));
    EXPECT_EQ(control<QLineEdit>("edMischwert")->text(), "255");
}

TEST_F(ModuleTest, NewBrightnessStartResetsTheSlider)
{
    show("ToolButton9");
    control<QScrollBar>("sbHelligkeit")->setValue(-100);
    EXPECT_EQ(swatch("shHelligkeit")->color(), clBlack);
    EXPECT_EQ(control<QLineEdit>("edHelligkeitWert")->text(), "0");
    useSlot(1, RGB(0, 0, 200));
    drag(swatch("Palette1"), swatch("shHelligkeitStart"));
    EXPECT_EQ(control<QScrollBar>("sbHelligkeit")->value(), 0);
    EXPECT_EQ(swatch("shHelligkeit")->color(), RGB(0, 0, 200));
    EXPECT_EQ(swatch("HD100")->color(), RGB(0, 0, 200));
}

TEST_F(ModuleTest, ContrastFollowsDropsOnItsPair)
{
    show("ToolButton32");
    useSlot(1, RGB(200, 200, 50));
    drag(swatch("Palette1"), swatch("shHinter"));
    EXPECT_EQ(control<QLabel>("lbResultHell")->text(), "182");
    EXPECT_EQ(control<QLabel>("lbResultFarb")->text(), "450");
    EXPECT_EQ(swatch("shResultFarb")->color(), 0x00FFFFu);
    EXPECT_EQ(swatch("shBeispiel")->color(), RGB(200, 200, 50));
    EXPECT_EQ(control<QLabel>("lbFarbW3C")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(control<QLabel>("lbFarbHP")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(ModuleTest, ContrastShowsTheWcagRatioAndADraggableShadeThatPasses)
{
    show("ToolButton32");
    useSlot(1, RGB(0x77, 0x77, 0x77));
    drag(swatch("Palette1"), swatch("shVorder"));
    EXPECT_EQ(control<QLabel>("lbWcag")->text().toStdString(),
              "Kontrastverhältnis (WCAG 2.2): 4,47:1 – AA nur für große Schrift · APCA Lc 71,1");
    EXPECT_EQ(control<QLabel>("lbWcag")->toolTip().toStdString(),
              "WCAG 2.2 für normale Schrift: AA nur für große Schrift\nAPCA: ab Lc 60 genügt es für sonstigen Inhaltstext");
    EXPECT_EQ(swatch("shResultWcag")->color(), 0x00FFFFu);
    ASSERT_FALSE(swatch("shWcagVorschlag")->isHidden());
    EXPECT_EQ(swatch("shWcagVorschlag")->color(), RGB(0x76, 0x76, 0x76));

    drag(swatch("shWcagVorschlag"), swatch("shVorder"));
    EXPECT_EQ(control<QLabel>("lbWcag")->text().toStdString(),
              "Kontrastverhältnis (WCAG 2.2): 4,54:1 – AA · APCA Lc 71,6");
    EXPECT_EQ(swatch("shResultWcag")->color(), 0x008000u);
    EXPECT_TRUE(swatch("shWcagVorschlag")->isHidden());
    EXPECT_TRUE(swatch("shWcagVorschlagHinter")->isHidden());
    EXPECT_EQ(control<QLabel>("lbResultHell")->text(), "137") << "255 - 118: the specified results follow as before";
}

// Light blue-grey on a pale page: white passes, and is the page's suggestion, not near-black (ratio and
// Lc of colorjs.io and apca-w3).
TEST_F(ModuleTest, ThePagesSuggestionIsTheNearestPassingShadeWhiteIncluded)
{
    show("ToolButton32");
    useSlot(1, RGB(0x67, 0x78, 0x8F));
    useSlot(2, RGB(0xF0, 0xF5, 0xFF));
    drag(swatch("Palette1"), swatch("shVorder"));
    drag(swatch("Palette2"), swatch("shHinter"));
    ASSERT_FALSE(swatch("shWcagVorschlagHinter")->isHidden());
    EXPECT_EQ(swatch("shWcagVorschlagHinter")->color(), clWhite);
    QTest::mouseClick(swatch("shWcagVorschlagHinter"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>("lbWcag")->text().toStdString(), "Kontrastverhältnis (WCAG 2.2): 4,50:1 – AA · APCA Lc 71,3");
}

// Both ways out of a failing pair, taken by a click or by a drag, are undone by Ctrl+Z one at a time.
TEST_F(ModuleTest, BothSuggestionsAreTakenByClickOrDragAndUndoneOneByOne)
{
    show("ToolButton32");
    useSlot(1, RGB(0x77, 0x77, 0x77));
    useSlot(2, clWhite);
    drag(swatch("Palette1"), swatch("shVorder"));
    drag(swatch("Palette2"), swatch("shHinter"));
    const TColor backgroundShade = swatch("shWcagVorschlagHinter")->color();
    ASSERT_FALSE(swatch("shWcagVorschlagHinter")->isHidden());
    EXPECT_GE(contrastRatio(RGB(0x77, 0x77, 0x77), backgroundShade), 4.5);

    QTest::mouseClick(swatch("shWcagVorschlagHinter"), Qt::LeftButton); // a click: the background
    EXPECT_EQ(swatch("shHinter")->color(), backgroundShade);
    EXPECT_EQ(swatch("shVorder")->color(), RGB(0x77, 0x77, 0x77));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(swatch("shHinter")->color(), clWhite);
    EXPECT_FALSE(swatch("shWcagVorschlag")->isHidden()) << "the page shows the pair it is back to";

    drag(swatch("shWcagVorschlag"), swatch("shVorder")); // a drag: the text
    EXPECT_EQ(swatch("shVorder")->color(), RGB(0x76, 0x76, 0x76));
    QTest::mouseClick(swatch("shWcagVorschlag"), Qt::LeftButton); // nothing left to suggest: hidden
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(swatch("shVorder")->color(), RGB(0x77, 0x77, 0x77));
    EXPECT_EQ(control<QLabel>("lbWcag")->text().toStdString(),
              "Kontrastverhältnis (WCAG 2.2): 4,47:1 – AA nur für große Schrift · APCA Lc 71,1");
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(swatch("shVorder")->color(), RGB(0x76, 0x76, 0x76));
}

TEST_F(ModuleTest, TestImageButtonsAskFirst)
{
    show("ToolButton2");
    desktop.messages.answers = {false};
    control<QAbstractButton>("BitBtn3")->click();
    EXPECT_EQ(swatch("sh1_1")->color(), 0xDCE1E4u);

    desktop.messages.answers = {true};
    control<QAbstractButton>("BitBtn3")->click();
    EXPECT_EQ(desktop.messages.questions.last(), "Sollen die aktuellen Farben wirklich durch die Vorgaben ersetzt werden?");
    EXPECT_EQ(swatch("sh1_9")->color(), 0xDCE1EAu);
    EXPECT_EQ(swatch("shVorschau")->color(), 0xDCE1EAu);
    EXPECT_EQ(swatch("sh4_6")->color(), 0x646667u);
}

TEST_F(ModuleTest, AutomaticFillsFromTheFirstFifteenSlots)
{
    show("ToolButton2");
    for (int n = 1; n <= 15; ++n)
        useSlot(n, RGB(0, 99, 0));
    desktop.messages.answers = {true};
    desktop.random.values = {14, 0, 7};
    control<QAbstractButton>("BitBtn4")->click();
    for (const char* area : {"sh1_1", "sh2_8", "sh3_3", "sh4_6"})
        EXPECT_EQ(swatch(area)->color(), RGB(0, 99, 0)) << area;
    EXPECT_EQ(control<QLabel>("lbVorschau")->palette().color(QPalette::WindowText), QColor(0, 99, 0));
}

TEST_F(ModuleTest, PreviewFollowsItsTwoSampleFields)
{
    show("ToolButton2");
    useSlot(1, RGB(255, 0, 0));
    drag(swatch("Palette1"), swatch("sh4_5"));
    EXPECT_EQ(control<QLabel>("lbVorschau")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    drag(swatch("Palette1"), swatch("sh1_8"));
    EXPECT_EQ(swatch("shVorschau")->color(), RGB(255, 0, 0));
}

TEST_F(ModuleTest, WebPagesTakeTheRoleColours)
{
    show("ToolButton6");
    useSlot(1, RGB(0, 0, 255));
    drag(swatch("Palette1"), swatch("WebseiteNav"));
    EXPECT_EQ(swatch("Seite1LeftNav")->color(), RGB(0, 0, 255));
    EXPECT_EQ(swatch("Seite1TopNav")->color(), RGB(0, 0, 255));

    control<QComboBox>("cbWebseite")->setCurrentIndex(1);
    EXPECT_TRUE(control("X_Seite2")->isVisible());
    EXPECT_FALSE(control("X_Seite1")->isVisible());
    EXPECT_EQ(swatch("Seite2TopNav")->color(), RGB(0, 0, 255));

    desktop.colorDialog.result = RGB(9, 8, 7);
    QTest::mouseClick(control("ColorDialog6"), Qt::LeftButton);
    EXPECT_EQ(desktop.colorDialog.shownWith.back(), clBlack);
    EXPECT_EQ(swatch("WebseiteText")->color(), RGB(9, 8, 7));
    EXPECT_EQ(control<QLabel>("Seite2Text")->palette().color(QPalette::WindowText), QColor(9, 8, 7));

    desktop.colorDialog.result = std::nullopt;
    QTest::mouseClick(control("ColorDialog1"), Qt::LeftButton);
    EXPECT_EQ(swatch("WebseiteBackground")->color(), clWhite);
}

TEST_F(ModuleTest, RandomColourAsksAtMostOnceInARow)
{
    desktop.random.values = {30, 20, 10, 1, 2, 3};
    control<QAbstractButton>("ToolButton4")->click(); // right after start: no question
    EXPECT_TRUE(desktop.messages.questions.isEmpty());
    EXPECT_EQ(window->activeColor(), RGB(10, 20, 30));
    control<QAction>("mmZufallsfarbe")->trigger();
    EXPECT_TRUE(desktop.messages.questions.isEmpty());
    EXPECT_EQ(window->activeColor(), RGB(3, 2, 1));

    window->setActiveColor(RGB(50, 50, 50));
    desktop.random.values = {7, 7, 7};
    desktop.messages.answers = {false};
    control<QAbstractButton>("ToolButton4")->click();
    EXPECT_EQ(desktop.messages.questions, QStringList{"Soll die aktive Farbe durch eine Zufallsfarbe ersetzt werden?"})
        << "undo can take the random colour back, so the question says nothing else";
    EXPECT_EQ(window->activeColor(), RGB(50, 50, 50));
}

TEST_F(ModuleTest, PastingFollowsUpLikeADrop)
{
    useSlot(1, RGB(255, 255, 255));
    drag(swatch("Palette1"), swatch("shZwischenspeicher")); // the newest buffer colour, pastable
    const auto paste = [this](const char* target) {
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2), swatch(target)->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(swatch(target), &rightClick);
        partOf<ContextMenu>(*window).menu()->hide();
        partOf<ContextMenu>(*window).PopupmenueClick(partOf<ContextMenu>(*window).menu()->findChild<QAction*>("puInsert"));
        EXPECT_EQ(swatch(target)->color(), clWhite) << target;
    };
    show("ToolButton32");
    paste("shVorder");
    EXPECT_EQ(control<QLabel>("lbResultHell")->text(), "0");

    show("ToolButton9");
    control<QScrollBar>("sbHelligkeit")->setValue(-50);
    paste("shHelligkeitStart");
    EXPECT_EQ(control<QScrollBar>("sbHelligkeit")->value(), 0);
    EXPECT_EQ(swatch("shHelligkeit")->color(), clWhite);
    EXPECT_EQ(swatch("HD1")->color(), ShadeColor(clWhite, -99));

    show("ToolButton5");
    paste("shStart");
    paste("shEnde");
    for (const char* step : {"Verlauf1", "Verlauf128", "Verlauf256", "shFarbmischung"})
        EXPECT_EQ(swatch(step)->color(), RGB(254, 254, 254)) << step << ": white mixed with white, truncated";
}

TEST_F(ModuleTest, EnteringTheTestPagesShowsTheRoleColours)
{
    visitEveryPage();
    swatch("WebseiteNav")->setColor(RGB(1, 2, 3)); // changed without a follow-up
    show("ToolButton6");
    control("cbWebseite")->setFocus();
    EXPECT_EQ(swatch("Seite1LeftNav")->color(), RGB(1, 2, 3));
}

// Every text of both mock pages fits its box inside the page, also with a font wider than the
// Arial metrics the layout was drawn for (DejaVu Sans, where Liberation Sans is missing): a line in
// its width, a wrapped paragraph in its height.
TEST_F(ModuleTest, EveryTextOfTheTestPagesFitsItsBox)
{
    for (const QString family : {"Liberation Sans", "DejaVu Sans"}) {
        start();
        QFont font(family, 8);
        window->setFont(font);
        show("ToolButton6");
        for (const char* page : {"X_Seite1", "X_Seite2"}) {
            const QWidget* panel = control(page);
            for (const QLabel* text : panel->findChildren<QLabel*>()) {
                if (text->text().isEmpty())
                    continue;
                const std::string what = family.toStdString() + ' ' + text->objectName().toStdString();
                const QSize needed = text->wordWrap() ? QSize(text->width(), text->heightForWidth(text->width()))
                                                      : text->sizeHint();
                EXPECT_LE(needed.width(), text->width()) << what;
                EXPECT_LE(needed.height(), text->height()) << what;
                EXPECT_TRUE(panel->rect().contains(text->geometry())) << what;
            }
            control<QComboBox>("cbWebseite")->setCurrentIndex(1);
        }
    }
}
