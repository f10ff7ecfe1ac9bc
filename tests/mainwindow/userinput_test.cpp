#include "windowfixture.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

// Input as X11 delivers it: real clicks, wheel turns and keys with their text.
class UserInputTest : public WindowTest
{
protected:
    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }
    QScrollBar* bar(const char* name) const { return control<QScrollBar>(name); }

    // A click into a bar's lower trough: one large step down, as the mouse does it.
    void stepDown(QScrollBar* scrollBar) { QTest::mouseClick(scrollBar, Qt::LeftButton, {}, {12, scrollBar->height() - 30}); }

    void turnWheel(QWidget* widget, int notches)
    {
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        QWheelEvent wheel(at, widget->mapToGlobal(at), {}, {0, -120 * notches}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(widget, &wheel);
    }

    void pressDelete(QWidget* widget)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QCoreApplication::sendEvent(widget, &press);
    }
};

} // namespace

TEST_F(UserInputTest, AClickOnABlankSpotKeepsTheBrightnessBase)
{
    window->setActiveColor(RGB(128, 128, 128));
    for (int step = 0; step < 3; ++step)
        stepDown(bar("sbHell"));
    EXPECT_EQ(field("edHTML")->text(), "#A6A6A6");
    QTest::mouseClick(field("edHTML"), Qt::LeftButton);
    QTest::mouseClick(control("Z_Vorschlag"), Qt::LeftButton, {}, {515, 380});
    QTest::mouseClick(control("Panel3"), Qt::LeftButton, {}, {520, 30});
    stepDown(bar("sbHell"));
    EXPECT_EQ(field("edHTML")->text(), "#B2B2B2") << "four steps from the unchanged base";
    EXPECT_EQ(partOf<ColorEditor>(*window).brightnessBase(), RGB(128, 128, 128));
}

TEST_F(UserInputTest, TheWheelOverABarMovesBarFieldAndColourTogether)
{
    window->setActiveColor(RGB(200, 100, 50));
    for (const char* name : {"sbS", "sbV", "sbH"}) {
        field("edHTML")->setFocus();
        turnWheel(bar(name), 1);
        EXPECT_TRUE(bar(name)->hasFocus()) << name;
        const QString expected = QString::number(bar(name)->value());
        EXPECT_EQ(field(QString(name).replace("sb", "ed").toLatin1().constData())->text(), expected) << name;
        EXPECT_EQ(window->activeColor(),
                  HSVnachRGB(bar("sbH")->value(), bar("sbS")->value(), bar("sbV")->value())) << name;
    }
    control<QAbstractButton>("ToolButton18")->click();
    field("edHTML")->setFocus();
    turnWheel(bar("sbRot"), -2);
    EXPECT_EQ(field("edRot")->text(), QString::number(bar("sbRot")->value()));
    EXPECT_EQ(redOf(window->activeColor()), bar("sbRot")->value());

    window->setActiveColor(RGB(128, 128, 128));
    field("edHTML")->setFocus();
    turnWheel(bar("sbHell"), 1); // three lines of one per cent
    EXPECT_EQ(window->activeColor(), ShadeColor(RGB(128, 128, 128), 3));
}

TEST_F(UserInputTest, DeleteWorksInEveryNumberField)
{
    for (const char* name : {"edH", "edS", "edV", "edRot", "edGruen", "edBlau"}) {
        if (QString(name) == "edRot")
            control<QAbstractButton>("ToolButton18")->click();
        QLineEdit* edit = field(name);
        edit->setFocus();
        edit->setText("123");
        edit->setCursorPosition(0);
        pressDelete(edit);
        EXPECT_EQ(edit->text(), "23") << name;
    }
}

TEST_F(UserInputTest, ValueCaptionsAndRoleLabelsTakeOnlyAClick)
{
    QLabel* rgb = control<QLabel>("lbRGB");
    QTest::mousePress(rgb, Qt::LeftButton);
    QTest::mouseRelease(rgb, Qt::LeftButton, {}, {rgb->width() + 40, 5}); // released elsewhere
    QTest::mouseClick(rgb, Qt::RightButton);
    EXPECT_EQ(control<QComboBox>("cbTrayFormat")->currentIndex(), 0);
    QTest::mouseClick(rgb, Qt::LeftButton);
    EXPECT_EQ(control<QComboBox>("cbTrayFormat")->currentIndex(), 2);

    control<QAbstractButton>("ToolButton6")->click();
    QWidget* role = control("ColorDialog3");
    QTest::mousePress(role, Qt::LeftButton);
    QTest::mouseRelease(role, Qt::LeftButton, {}, {-20, -20});
    QTest::mouseClick(role, Qt::MiddleButton);
    EXPECT_TRUE(desktop.colorDialog.shownWith.empty());
    QTest::mouseClick(role, Qt::LeftButton);
    EXPECT_EQ(desktop.colorDialog.shownWith.size(), 1u);
}

TEST_F(UserInputTest, LeavingAChannelFieldClampsAPastedNumber)
{
    const struct {
        const char *mode, *name, *pasted, *clamped;
    } cases[] = {{"ToolButton18", "edRot", "300", "255"}, {"ToolButton19", "edH", "400", "360"}};
    for (const auto& c : cases) {
        control<QAbstractButton>(c.mode)->click();
        QLineEdit* edit = field(c.name);
        edit->setFocus();
        edit->selectAll();
        edit->insert(c.pasted);
        field("edHTML")->setFocus();
        EXPECT_EQ(edit->text(), c.clamped) << c.name;
    }
}
