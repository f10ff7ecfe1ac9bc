#include "windowfixture.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

class EditorTest : public WindowTest
{
protected:
    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }
    QScrollBar* bar(const char* name) const { return control<QScrollBar>(name); }

    // Clears a field as a user would (select all, Delete), keeping its focus.
    void clear(QLineEdit* edit)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
    }

    void dragBar(QScrollBar* scrollBar, int value)
    {
        scrollBar->setFocus();
        scrollBar->setValue(value);
    }
};

} // namespace

TEST_F(EditorTest, StartsFromTheLayoutColourEverywhere)
{
    EXPECT_EQ(window->activeColor(), RGB(22, 174, 0));
    EXPECT_EQ(field("edHTML")->text(), "#16AE00");
    EXPECT_EQ(field("edRot")->text(), "22");
    EXPECT_EQ(bar("sbGruen")->value(), 174);
    EXPECT_EQ(partOf<Z_Vorschlag>(*window).currentHsv(), RGBnachHSV(RGB(22, 174, 0)));
    EXPECT_EQ(field("edH")->text().toInt(), bar("sbH")->value());
    EXPECT_EQ(control<QLabel>("lbHex")->text(), "#16AE00");
    EXPECT_EQ(swatch("AktiveFarbe")->color(), RGB(22, 174, 0));
}

TEST_F(EditorTest, TypingAHexValueTakesEffectAtTheSixthDigit)
{
    auto* html = field("edHTML");
    clear(html);
    QTest::keyClicks(html, "ff800");
    EXPECT_EQ(window->activeColor(), RGB(22, 174, 0));
    EXPECT_EQ(html->text(), "ff800");
    QTest::keyClicks(html, "0");
    EXPECT_EQ(window->activeColor(), RGB(255, 128, 0));
    EXPECT_EQ(html->text(), "#FF8000");
    EXPECT_EQ(html->selectedText(), "#FF8000");
    EXPECT_EQ(bar("sbRot")->value(), 255);
    EXPECT_EQ(field("edS")->text(), "255");
    QTest::keyClicks(html, "0");
    EXPECT_EQ(html->text(), "0"); // the selection made the next key start a new value
}

TEST_F(EditorTest, InvalidHexTextsLeaveTheColour)
{
    auto* html = field("edHTML");
    clear(html);
    QTest::keyClicks(html, "#GG0000");
    EXPECT_EQ(window->activeColor(), RGB(22, 174, 0));
    EXPECT_EQ(html->selectedText(), "#GG0000");

    // Typed key by key, "FF#800" would already be selected; pasted, the whole text arrives at once.
    html->selectAll();
    html->insert("FF#8000");
    EXPECT_EQ(window->activeColor(), RGB(22, 174, 0));
    EXPECT_EQ(html->text(), "#16AE00"); // rewritten with the active colour
}

TEST_F(EditorTest, ChannelFieldsFilterTheirKeys)
{
    QTest::keyClick(window.get(), Qt::Key_F2);
    auto* red = field("edRot");
    red->setFocus();
    red->selectAll();
    QTest::keyClicks(red, "x-2");
    EXPECT_EQ(red->text(), "2");
    QTest::keyClicks(red, "5");
    EXPECT_EQ(red->text(), "25");
    QTest::keyClicks(red, "9");
    EXPECT_EQ(red->text(), "255");
    EXPECT_EQ(window->activeColor(), RGB(255, 174, 0));

    QTest::keyClicks(red, "1");
    EXPECT_EQ(red->text(), "1") << "a full field is replaced by the next digit";
    QTest::keyClicks(red, "2");
    QTest::keyClick(red, Qt::Key_Backspace);
    EXPECT_EQ(red->text(), "1");
    EXPECT_EQ(window->activeColor(), RGB(1, 174, 0));

    clear(red); // an emptied field shows 0 at once
    EXPECT_EQ(red->text(), "0");
}

// Ctrl+A and a digit replace the field's text: the filter judges the text as it will be after the key.
TEST_F(EditorTest, ADigitTypedOverASelectionReplacesIt)
{
    window->setActiveColor(RGB(200, 99, 50));
    QTest::keyClick(window.get(), Qt::Key_F2);
    const auto typeOverAll = [&](const char* name, Qt::Key digit) {
        auto* edit = field(name);
        edit->setFocus();
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_A, QString("\x01"), Qt::ControlModifier); // as X11 sends it
        QTest::keyClick(edit, digit);
        return edit->text();
    };
    EXPECT_EQ(typeOverAll("edGruen", Qt::Key_1), "1");
    EXPECT_EQ(window->activeColor(), RGB(200, 1, 50));
    EXPECT_EQ(typeOverAll("edBlau", Qt::Key_5), "5");
    EXPECT_EQ(window->activeColor(), RGB(200, 1, 5));

    auto* red = field("edRot");
    red->setFocus();
    red->setSelection(1, 2); // "2|00|"
    QTest::keyClick(red, Qt::Key_4);
    EXPECT_EQ(red->text(), "24");
    red->setSelection(0, 2);
    QTest::keyClick(red, Qt::Key_Backspace); // deletes the selection, even down to an empty field
    EXPECT_EQ(red->text(), "0");
}

TEST_F(EditorTest, HueFieldStopsAt360)
{
    auto* hue = field("edH");
    hue->setFocus();
    hue->selectAll();
    QTest::keyClicks(hue, "365");
    EXPECT_EQ(hue->text(), "360");
    EXPECT_EQ(bar("sbH")->value(), 360);
}

TEST_F(EditorTest, LeavingAnEmptiedFieldWritesZero)
{
    QTest::keyClick(window.get(), Qt::Key_F2);
    auto* green = field("edGruen");
    clear(green);
    field("edBlau")->setFocus();
    EXPECT_EQ(green->text(), "0");
    EXPECT_EQ(window->activeColor(), RGB(22, 0, 0));
}

TEST_F(EditorTest, TextThatIsNoNumberGoesBackToTheBar)
{
    QTest::keyClick(window.get(), Qt::Key_F2);
    auto* blue = field("edBlau");
    blue->setFocus();
    blue->setText("ab"); // as a paste would bring it
    EXPECT_EQ(blue->text(), "0");
    EXPECT_EQ(window->activeColor(), RGB(22, 174, 0));
}

TEST_F(EditorTest, HueBarAtEitherEndIsRed)
{
    window->setActiveColor(RGB(255, 0, 0));
    dragBar(bar("sbH"), 360);
    EXPECT_EQ(window->activeColor(), RGB(255, 0, 0));
    EXPECT_EQ(field("edH")->text(), "360");
    EXPECT_EQ(field("edHTML")->text(), "#FF0000");
    dragBar(bar("sbH"), 0);
    EXPECT_EQ(window->activeColor(), RGB(255, 0, 0));
}

TEST_F(EditorTest, SaturationOnAGreyKeepsTheUsersHue)
{
    window->setActiveColor(RGB(128, 128, 128));
    EXPECT_EQ(bar("sbH")->value(), 0);
    EXPECT_EQ(bar("sbS")->value(), 0);
    dragBar(bar("sbS"), 255);
    EXPECT_EQ(window->activeColor(), RGB(128, 0, 0)) << "moving saturation from a grey gives reds";

    dragBar(bar("sbH"), 200);
    dragBar(bar("sbS"), 0); // grey again: its computed hue is 0, the bar stays
    EXPECT_EQ(window->activeColor(), RGB(128, 128, 128));
    EXPECT_EQ(bar("sbH")->value(), 200);
    EXPECT_EQ(partOf<Z_Vorschlag>(*window).currentHsv().h, 0);
}

TEST_F(EditorTest, RgbBarsFollowIntoFieldsAndHsv)
{
    QTest::keyClick(window.get(), Qt::Key_F2);
    dragBar(bar("sbBlau"), 200);
    EXPECT_EQ(field("edBlau")->text(), "200");
    EXPECT_EQ(window->activeColor(), RGB(22, 174, 200));
    EXPECT_EQ(bar("sbH")->value(), RGBnachHSV(RGB(22, 174, 200)).h);
    EXPECT_EQ(partOf<ColorEditor>(*window).brightnessBase(), RGB(22, 174, 200));
}

TEST_F(EditorTest, BrightnessBarShadesFromTheBaseAndResets)
{
    window->setActiveColor(RGB(100, 150, 200));
    auto* brightness = bar("sbHell");
    dragBar(brightness, -100);
    EXPECT_EQ(window->activeColor(), RGB(0, 0, 0));
    // The dialog colour is still black: reaching black puts the bar back to 0.
    EXPECT_EQ(brightness->value(), 0);
    dragBar(brightness, 100);
    EXPECT_EQ(window->activeColor(), RGB(255, 255, 255));
    EXPECT_EQ(brightness->value(), 100);
    dragBar(brightness, 50);
    EXPECT_EQ(window->activeColor(), ShadeColor(RGB(100, 150, 200), 50));
    EXPECT_EQ(brightness->value(), 50);

    QTest::keyClick(window.get(), Qt::Key_F2);
    dragBar(bar("sbRot"), 10); // any other change puts the bar back to 0
    EXPECT_EQ(brightness->value(), 0);
}

TEST_F(EditorTest, ColourDialogOpensWithTheActiveColour)
{
    desktop.colorDialog.result = std::nullopt;
    control<QAbstractButton>("ToolButton21")->click();
    ASSERT_EQ(desktop.colorDialog.shownWith, std::vector<TColor>{RGB(22, 174, 0)});
    EXPECT_EQ(window->activeColor(), RGB(22, 174, 0));

    desktop.colorDialog.result = RGB(1, 2, 3);
    control<QAction>("mmFarbauswahl")->trigger();
    EXPECT_EQ(window->activeColor(), RGB(1, 2, 3));
    EXPECT_EQ(partOf<ColorEditor>(*window).brightnessBase(), RGB(1, 2, 3));
    EXPECT_EQ(field("edHTML")->text(), "#010203");
}

TEST_F(EditorTest, ModuleNumberFieldsClampOnEnter)
{
    visitEveryPage();
    auto* value = field("edHelligkeitWert");
    value->setText("250");
    QTest::keyClick(value, Qt::Key_Return);
    EXPECT_EQ(value->text(), "200");
    EXPECT_EQ(bar("sbHelligkeit")->value(), 100);
    EXPECT_EQ(value->selectedText(), "200");

    auto* mix = field("edMischwert");
    mix->setText("-7");
    QTest::keyClick(mix, Qt::Key_Enter);
    EXPECT_EQ(mix->text(), "0");
    EXPECT_EQ(bar("sbFarbmischer")->value(), 0);

    mix->setText("-");
    QTest::keyClick(mix, Qt::Key_Return);
    EXPECT_EQ(mix->text(), "0") << "no number: the field shows the bar again";
}
