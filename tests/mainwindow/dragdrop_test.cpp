#include "windowfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

class DragTest : public WindowTest
{
protected:
    void click(QWidget* swatch) { drag(swatch, swatch); }

    QWidget* trash() const { return control("Image1"); }

    void useSlot(int n, TColor color) { partOf<SchemeSwatches>(*window).setSlot(n, color, 1); }
};

} // namespace

TEST_F(DragTest, AnySwatchDroppedOnASlotMakesItUsed)
{
    swatch("Vorschlag1")->setColor(RGB(1, 2, 3));
    drag(swatch("Vorschlag1"), swatch("Palette3"));
    EXPECT_EQ(swatch("Palette3")->color(), RGB(1, 2, 3));
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(3), 1);
    EXPECT_EQ(swatch("Palette3")->dragMode(), TColorShape::DragMode::Automatic);
    EXPECT_FALSE(partOf<SwatchDrag>(*window).isDragging());
}

TEST_F(DragTest, UsedSlotCopiesAndEmptySlotEmpties)
{
    useSlot(1, RGB(10, 20, 30));
    drag(swatch("Palette1"), swatch("Palette5"));
    EXPECT_EQ(swatch("Palette5")->color(), RGB(10, 20, 30));
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(5), 1);

    // Slot 2 is empty but still draggable from the layout: it carries the empty-swatch colour.
    drag(swatch("Palette2"), swatch("Palette5"));
    EXPECT_EQ(swatch("Palette5")->color(), clBtnFace);
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(5), 0);
    EXPECT_EQ(swatch("Palette5")->dragMode(), TColorShape::DragMode::Manual);
}

TEST_F(DragTest, ASlotDroppedOnItselfStaysUsed)
{
    useSlot(4, RGB(9, 9, 9));
    click(swatch("Palette4"));
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(4), 1);
    EXPECT_EQ(swatch("Palette4")->color(), RGB(9, 9, 9));
}

TEST_F(DragTest, EmptySlotInManualModeDoesNotDrag)
{
    drag(swatch("Palette16"), swatch("Palette1"));
    EXPECT_FALSE(partOf<SwatchDrag>(*window).isDragging());
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(1), 0);
}

TEST_F(DragTest, DropOnTheActiveColourResetsTheBrightnessBar)
{
    QTest::keyClick(window.get(), Qt::Key_F3);
    auto* brightness = control<QScrollBar>("sbHell");
    brightness->setFocus();
    brightness->setValue(40);
    ASSERT_EQ(brightness->value(), 40);

    useSlot(2, RGB(100, 0, 0));
    drag(swatch("Palette2"), swatch("Farbanzeige"));
    EXPECT_EQ(window->activeColor(), RGB(100, 0, 0));
    EXPECT_EQ(brightness->value(), 0);
    EXPECT_EQ(partOf<ColorEditor>(*window).brightnessBase(), RGB(100, 0, 0));
    EXPECT_EQ(control<QLineEdit>("edHTML")->text(), "#640000");

    brightness->setValue(30);
    click(swatch("Farbanzeige"));
    EXPECT_EQ(brightness->value(), 0);
    EXPECT_EQ(window->activeColor(), ShadeColor(RGB(100, 0, 0), 30));
}

TEST_F(DragTest, NewestBufferCopiesToTheClipboardOlderOnesDoNot)
{
    control<QComboBox>("cbTrayFormat")->setCurrentIndex(7);
    swatch("Vorschlag2")->setColor(RGB(255, 0, 0));
    drag(swatch("Vorschlag2"), swatch("shZwischenspeicher1"));
    EXPECT_EQ(swatch("shZwischenspeicher1")->color(), RGB(255, 0, 0));
    EXPECT_TRUE(desktop.clipboard.content.isEmpty());
    EXPECT_EQ(partOf<ContextMenu>(*window).bufferFilled(), 0);

    drag(swatch("Vorschlag2"), swatch("shZwischenspeicher"));
    EXPECT_EQ(desktop.clipboard.content, "0;255;255;0");
    EXPECT_EQ(partOf<ContextMenu>(*window).bufferFilled(), 1);
    EXPECT_EQ(swatch("shZwischenspeicher2")->color(), clBtnFace);

    control<QComboBox>("cbTrayFormat")->setCurrentIndex(0);
    click(swatch("shZwischenspeicher"));
    EXPECT_EQ(desktop.clipboard.content, "#FF0000");
}

TEST_F(DragTest, OtherTargetsOnlyTakeTheColour)
{
    useSlot(6, RGB(5, 6, 7));
    control<QAbstractButton>("ToolButton6")->click();
    drag(swatch("Palette6"), swatch("WebseiteLogo"));
    EXPECT_EQ(swatch("WebseiteLogo")->color(), RGB(5, 6, 7));
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(n), n == 6 ? 1 : 0);
}

TEST_F(DragTest, WasteBinEmptiesUsedSlotsAndClearsMixingFields)
{
    useSlot(7, RGB(1, 1, 1));
    partOf<SchemeSwatches>(*window).setSlotInfo(7, "Text");
    drag(swatch("Palette7"), trash());
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(7), 0);
    EXPECT_EQ(swatch("Palette7")->color(), clBtnFace);
    EXPECT_EQ(swatch("Palette7")->hint(), "Text");

    swatch("Vorschlag3")->setColor(RGB(2, 2, 2));
    drag(swatch("Vorschlag3"), trash());
    drag(swatch("Palette2"), trash()); // an empty slot: nothing happens
    EXPECT_EQ(swatch("Vorschlag3")->color(), RGB(2, 2, 2));
    EXPECT_EQ(swatch("Palette2")->color(), clBtnFace);

    control<QAbstractButton>("ToolButton26")->click();
    swatch("shPal1")->setColor(RGB(2, 2, 2));
    drag(swatch("shPal1"), swatch("shPal9"));
    drag(swatch("shPal9"), trash());
    EXPECT_EQ(swatch("shPal9")->brushStyle(), TColorShape::BrushStyle::Clear);
    drag(swatch("shPal9"), swatch("Palette8")); // a cleared field still carries its colour
    EXPECT_EQ(swatch("Palette8")->color(), RGB(2, 2, 2));
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(8), 1);
}

TEST_F(DragTest, MixingFieldsCopyFirstThenMixByOpacity)
{
    control<QAbstractButton>("ToolButton26")->click();
    auto* opacity = control<QScrollBar>("cbPalettenmischer");
    opacity->setValue(30);
    auto* white = swatch("shPal5");
    white->setColor(RGB(255, 255, 255));
    drag(white, swatch("shPal10"));
    EXPECT_EQ(swatch("shPal10")->color(), RGB(255, 255, 255));
    EXPECT_EQ(swatch("shPal10")->brushStyle(), TColorShape::BrushStyle::Solid);
    drag(white, swatch("shPal10"));
    EXPECT_EQ(swatch("shPal10")->color(), RGB(254, 254, 254));

    swatch("shPal11")->setColor(RGB(0, 0, 0));
    swatch("shPal11")->setBrushStyle(TColorShape::BrushStyle::Solid);
    opacity->setValue(0);
    drag(white, swatch("shPal11"));
    EXPECT_EQ(swatch("shPal11")->color(), RGB(0, 0, 0));
}

TEST_F(DragTest, SwatchesThatAreNeverTargetsRefuse)
{
    useSlot(1, RGB(3, 3, 3));
    const TColor before = swatch("Vorschlag5")->color();
    drag(swatch("Palette1"), swatch("Vorschlag5"));
    drag(swatch("Palette1"), swatch("FontColor"));
    EXPECT_EQ(swatch("Vorschlag5")->color(), before);
    EXPECT_NE(swatch("FontColor")->color(), RGB(3, 3, 3));
    EXPECT_FALSE(partOf<SwatchDrag>(*window).isDragging());
}

TEST_F(DragTest, EscapeCallsTheDragOff)
{
    useSlot(1, RGB(3, 3, 3));
    QTest::mousePress(swatch("Palette1"), Qt::LeftButton);
    EXPECT_TRUE(partOf<SwatchDrag>(*window).isDragging());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(partOf<SwatchDrag>(*window).isDragging());
    QTest::mouseRelease(swatch("Palette2"), Qt::LeftButton);
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(2), 0);
}
