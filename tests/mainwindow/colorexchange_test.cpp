#include "windowfixture.h"

#include "color/mix.h"
#include "mainwindow/htmlfieldpaste.h"
#include "pages/pagehost.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

// Colours handed between this program and others: drops from outside, drags out, pasted text.
class ColorExchangeTest : public WindowTest
{
protected:
    // A drag from another program entering `target` and, where it is welcome, dropped there.
    static bool dropFromOutside(QWidget* target, std::unique_ptr<QMimeData> data)
    {
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents(); // what the drop has to say comes after it
        return drop.isAccepted();
    }

    static std::unique_ptr<QMimeData> colorData(const QColor& color)
    {
        auto data = std::make_unique<QMimeData>();
        data->setColorData(color);
        return data;
    }

    static std::unique_ptr<QMimeData> textData(const QString& text)
    {
        auto data = std::make_unique<QMimeData>();
        data->setText(text);
        return data;
    }

    QLineEdit* htmlField() const { return control<QLineEdit>("edHTML"); }
};

} // namespace

TEST_F(ColorExchangeTest, AColourFromAnotherProgramLandsOnASlotLikeADraggedSwatch)
{
    const QSignalSpy schemeChanged(&window->events(), &PageEvents::schemeChanged);
    EXPECT_TRUE(dropFromOutside(swatch("Palette3"), colorData(QColor(0x3A, 0x7B, 0xD5))));
    EXPECT_EQ(swatch("Palette3")->color(), RGB(0x3A, 0x7B, 0xD5));
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(3), 1);
    EXPECT_EQ(swatch("Palette3")->dragMode(), TColorShape::DragMode::Automatic);
    EXPECT_EQ(schemeChanged.count(), 1);

    EXPECT_TRUE(dropFromOutside(swatch("Palette16"), textData(" #3A7BD5 ")));
    EXPECT_EQ(swatch("Palette16")->color(), RGB(0x3A, 0x7B, 0xD5));
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(16), 1);

    EXPECT_TRUE(dropFromOutside(swatch("Farbanzeige"), textData("58, 123, 213")));
    EXPECT_EQ(window->activeColor(), RGB(58, 123, 213));
    EXPECT_EQ(htmlField()->text(), "#3A7BD5");
}

TEST_F(ColorExchangeTest, MixingFieldsTakeAndMixColoursFromOutsideTheWasteBinAndSourcesRefuse)
{
    control<QAbstractButton>("ToolButton26")->click();
    EXPECT_TRUE(dropFromOutside(swatch("shPal9"), textData("#FFFFFF")));
    EXPECT_EQ(swatch("shPal9")->color(), clWhite);
    EXPECT_EQ(swatch("shPal9")->brushStyle(), TColorShape::BrushStyle::Solid);
    control<QScrollBar>("cbPalettenmischer")->setValue(0);
    EXPECT_TRUE(dropFromOutside(swatch("shPal9"), colorData(Qt::black)));
    EXPECT_EQ(swatch("shPal9")->color(), MixColors(clBlack, clWhite, 0)); // laid over, not copied

    partOf<SchemeSwatches>(*window).setSlot(2, RGB(1, 2, 3), 1);
    EXPECT_FALSE(dropFromOutside(control("Image1"), textData("#3A7BD5")));
    EXPECT_FALSE(dropFromOutside(swatch("Vorschlag1"), textData("#3A7BD5")));
    EXPECT_FALSE(dropFromOutside(swatch("Palette2"), textData("kein Farbwert")));
    EXPECT_EQ(swatch("Palette2")->color(), RGB(1, 2, 3));
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(2), 1);
}

TEST_F(ColorExchangeTest, ADragLeavingTheWindowCarriesTheColourInBothForms)
{
    partOf<SchemeSwatches>(*window).setSlot(1, RGB(232, 115, 28), 1);
    auto* slot = swatch("Palette1");
    QTest::mousePress(slot, Qt::LeftButton, {}, slot->rect().center());
    QTest::mouseMove(window.get(), QPoint(window->width() / 2, 100));
    EXPECT_TRUE(desktop.dragOut.started.empty()); // still inside: the window's own drag
    QTest::mouseMove(window.get(), QPoint(-40, 100));
    ASSERT_EQ(desktop.dragOut.started.size(), 1u);
    const QMimeData& data = *desktop.dragOut.started.front();
    EXPECT_EQ(data.colorData().value<QColor>(), QColor(232, 115, 28));
    EXPECT_EQ(data.text(), "#E8731C");
    EXPECT_FALSE(partOf<SwatchDrag>(*window).isDragging());
}

TEST_F(ColorExchangeTest, ColourTextPastedOrDroppedIntoTheHtmlFieldBecomesTheActiveColour)
{
    const struct {
        const char* pasted;
        TColor active;
    } cases[] = {
        {"  rgb(232 115 28)\n", RGB(232, 115, 28)},
        {"#fa0", RGB(255, 170, 0)},
        {"hsl(240 100% 50%)", RGB(0, 0, 255)},
        {"oklch(1 0 0)", clWhite},
        {"Hallo", clWhite}, // no colour: the field shows the active colour again
        {"12,0,0", RGB(12, 0, 0)}, // six characters of the program's own RGB notation
        {"RebeccaPurple", RGB(0x66, 0x33, 0x99)},
        {"color(display-p3 1 0 0)", RGB(0xFF, 0x0B, 0x0C)}, // beyond sRGB: as a browser shows it (colorjs.io)
        {"lab(50% 40 59)", RGB(0xBF, 0x57, 0x02)},
        {"transparent", RGB(0xBF, 0x57, 0x02)}, // refused, and the user is told why
    };
    window->setActiveColor(clBlack);
    htmlField()->setFocus();
    for (const auto& c : cases) {
        desktop.clipboard.content = c.pasted;
        htmlField()->setText("#12");
        QTest::keyClick(htmlField(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(window->activeColor(), c.active) << c.pasted;
        EXPECT_EQ(htmlField()->text(), QString::fromStdString(ColorNotation(c.active, NotationHtml))) << c.pasted;
    }

    desktop.clipboard.content = "3456"; // completes what is typed, as an insert would
    htmlField()->setText("#12");
    htmlField()->setCursorPosition(3);
    partOf<ContextMenu>(*window).PopupmenueClick(partOf<ContextMenu>(*window).menu()->findChild<QAction*>("puPaste"));
    EXPECT_EQ(window->activeColor(), RGB(0x12, 0x34, 0x56));

    EXPECT_TRUE(dropFromOutside(htmlField(), textData("oklch(0 0 0)")));
    EXPECT_EQ(window->activeColor(), clBlack);
    dropFromOutside(htmlField(), textData("kein Farbwert"));
    EXPECT_EQ(htmlField()->text(), "#000000");
    ASSERT_EQ(desktop.messages.messages.size(), 1);
    EXPECT_TRUE(desktop.messages.messages[0].contains("transparent"));
}

// The field's hint says what it reads; an opacity it leaves out is said at once, pasted or dropped.
TEST_F(ColorExchangeTest, AnOpacityLeftOutOfAPastedOrDroppedColourIsSaid)
{
    EXPECT_TRUE(htmlField()->toolTip().contains("#rrggbbaa, rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch(), color()"));
    EXPECT_TRUE(htmlField()->toolTip().contains("nur deckende Farben"));
    htmlField()->setFocus();
    const struct {
        const char* text;
        TColor active;
        const char* note; // empty: no note
    } cases[] = {
        {"#FF000080", RGB(255, 0, 0), "Die Deckkraft 50,2 % von „#FF000080“"},
        {"#00f8", RGB(0, 0, 255), "Die Deckkraft 53,3 %"},
        {"rgba(0, 128, 0, 0.25)", RGB(0, 128, 0), "Die Deckkraft 25 %"},
        {"hsl(0 0% 100% / 10%)", clWhite, "Die Deckkraft 10 %"},
        {"oklch(0 0 0 / none)", clBlack, "Die Deckkraft 0 %"},
        {"#123456FF", RGB(0x12, 0x34, 0x56), ""},
        {"rgb(1 2 3 / 1)", RGB(1, 2, 3), ""},
    };
    for (const bool drop : {false, true}) {
        for (const auto& c : cases) {
            QSignalSpy said(&partOf<HtmlFieldPaste>(*window), &HtmlFieldPaste::opacityLeftOut);
            if (drop) {
                dropFromOutside(htmlField(), textData(c.text));
            } else {
                desktop.clipboard.content = c.text;
                QTest::keyClick(htmlField(), Qt::Key_V, Qt::ControlModifier);
            }
            EXPECT_EQ(window->activeColor(), c.active) << c.text;
            ASSERT_EQ(said.size(), *c.note ? 1 : 0) << c.text;
            if (*c.note) {
                EXPECT_TRUE(QToolTip::text().startsWith(QString::fromUtf8(c.note)))
                    << c.text << ": " << QToolTip::text().toStdString();
            }
        }
    }
}
