#include "controls/colortrack.h"
#include "support/files.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QLineEdit>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

// The OKLCH mode of the editor. Expected colours are colorjs.io's toGamut({method: "css"}).
class OklchTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        QTest::keyClick(window.get(), Qt::Key_F12);
    }

    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }
    ColorTrack* track(const char* name) const { return control<ColorTrack>(name); }

    // Types `text` over the whole field, key by key.
    void type(const char* name, const char* text)
    {
        QLineEdit* edit = field(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // The pixel row of a bar that stands for `value` in its units: the maximum at the top.
    static int rowFor(const ColorTrack* bar, int value)
    {
        return 2 + (bar->maximum() - value) * (bar->trackLength() - 1) / bar->maximum();
    }

    QString html() const { return field("edHTML")->text(); }

    // L 0.7, C 0.3, h 145: beyond sRGB and a hair beyond P3.
    void typeVividGreen()
    {
        type("edOkL", "70");
        type("edOkC", "0,3");
        type("edOkH", "145");
    }

    // Chooses an entry of the gamut list with the keyboard, as a user would.
    void chooseGamut(Qt::Key key)
    {
        auto* gamut = control<QComboBox>("cbOkGamut");
        gamut->setFocus();
        QTest::keyClick(gamut, key);
    }

    // A right click on `swatch`, then `entry` of the window's menu; what went to the clipboard.
    QString copied(const char* swatchName, const char* entry)
    {
        TColorShape* shape = swatch(swatchName);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), shape->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(shape, &event);
        ContextMenu& menu = partOf<ContextMenu>(*window);
        menu.menu()->hide();
        QCoreApplication::processEvents();
        QApplication::setActiveWindow(window.get()); // the offscreen platform leaves the menu active
        menu.PopupmenueClick(menu.menu()->findChild<QAction*>(entry));
        return desktop.clipboard.content;
    }

    std::optional<Oklch> activeWide() const { return window->model().activeWideColor().wide; }
};

// colorjs.io 0.5.2: oklch(0.7 0.3 145) mapped into P3 as CSS maps is oklch(0.70007 0.29935 145.0718),
// color(display-p3 0.10099 0.77115 0); either falls back to #00C300 in sRGB.
constexpr Oklch vividGreenInP3{0.70007, 0.29935, 145.0718};

void expectVividGreen(const std::optional<Oklch>& wide)
{
    ASSERT_TRUE(wide);
    EXPECT_NEAR(wide->L, vividGreenInP3.L, 0.0005);
    EXPECT_NEAR(wide->C, vividGreenInP3.C, 0.0005);
    EXPECT_NEAR(wide->h, vividGreenInP3.h, 0.05);
}

} // namespace

TEST_F(OklchTest, F12ShowsTheOklchBarsWhereTheOthersStandAndTypedValuesSetTheColour)
{
    EXPECT_TRUE(track("sbOkL")->isVisible());
    EXPECT_FALSE(control<QWidget>("sbRot")->isVisible());
    EXPECT_FALSE(control<QWidget>("sbH")->isVisible());
    EXPECT_EQ(track("sbOkC")->geometry(), control<QWidget>("sbGruen")->geometry());
    // The start colour #16AE00 in OKLCH: 0.6522 0.2191 141.94.
    EXPECT_EQ(field("edOkL")->text(), "65,2");
    EXPECT_EQ(field("edOkC")->text(), "0,219");
    EXPECT_EQ(field("edOkH")->text(), "141,9");

    type("edOkC", "0,2");
    type("edOkH", "250");
    type("edOkL", "62,3");
    EXPECT_EQ(window->activeColor(), RGB(0x00, 0x88, 0xF9));
    EXPECT_EQ(html(), "#0088F9");
    EXPECT_EQ(track("sbOkL")->value(), 623);
    EXPECT_EQ(swatch("AktiveFarbe")->color(), RGB(0x00, 0x88, 0xF9)) << "the finder follows";
    type("edOkH", "160.0"); // a decimal point as well
    EXPECT_EQ(html(), "#00A463");
    QTest::keyClick(field("edOkH"), Qt::Key_Return);
    EXPECT_EQ(field("edOkH")->text(), "160,0");

    type("edOkL", "abc"); // no number: the colour stays
    EXPECT_EQ(html(), "#00A463");
    QTest::keyClick(field("edOkL"), Qt::Key_Return);
    EXPECT_EQ(field("edOkL")->text(), "62,3");

    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_FALSE(track("sbOkL")->isVisible());
    EXPECT_TRUE(control<QWidget>("sbH")->isVisible());
}

// Lightness and chroma stay as asked while the hue passes where sRGB holds less chroma.
TEST_F(OklchTest, AHueSweepThroughANarrowGamutAndBackReturnsToTheSameColour)
{
    type("edOkL", "60");
    type("edOkC", "0,25");
    ColorTrack* hue = track("sbOkH");
    const int start = rowFor(hue, 2500);
    QTest::mousePress(hue, Qt::LeftButton, {}, QPoint(12, start));
    const TColor before = window->activeColor();
    const QString fieldBefore = field("edOkH")->text();
    for (int row = start; row <= rowFor(hue, 1400); row += 3) // down the bar: towards lower hues
        QTest::mouseMove(hue, QPoint(12, row));
    EXPECT_NE(window->activeColor(), before);
    for (int row = rowFor(hue, 1400); row >= start; row -= 3)
        QTest::mouseMove(hue, QPoint(12, row));
    QTest::mouseMove(hue, QPoint(12, start));
    QTest::mouseRelease(hue, Qt::LeftButton, {}, QPoint(12, start));
    EXPECT_EQ(window->activeColor(), before);
    EXPECT_EQ(field("edOkH")->text(), fieldBefore);
    EXPECT_EQ(field("edOkC")->text(), "0,250");
    EXPECT_EQ(field("edOkL")->text(), "60,0");
}

TEST_F(OklchTest, AColourDroppedOnTheDisplaySetsTheThreeValues)
{
    window->schemeSlots(); // the scheme's third slot takes the colour, then goes to the display
    partOf<SchemeSwatches>(*window).setSlot(3, RGB(0xE8, 0x03, 0x6D), 1);
    drag(swatch("Palette3"), swatch("Farbanzeige"));
    // #E8036D is oklch(0.59945 0.23998 4.89).
    EXPECT_EQ(field("edOkL")->text(), "59,9");
    EXPECT_EQ(field("edOkC")->text(), "0,240");
    EXPECT_EQ(field("edOkH")->text(), "4,9");
    EXPECT_EQ(track("sbOkH")->value(), 49);

    // A grey has no hue: the hue bar stays where it was.
    field("edHTML")->setFocus();
    field("edHTML")->selectAll();
    QTest::keyClicks(field("edHTML"), "#808080");
    EXPECT_EQ(field("edOkC")->text(), "0,000");
    EXPECT_EQ(field("edOkH")->text(), "4,9");
}

TEST_F(OklchTest, CtrlZUndoesOneDragOfABar)
{
    const TColor before = window->activeColor();
    ColorTrack* lightness = track("sbOkL");
    QTest::mousePress(lightness, Qt::LeftButton, {}, QPoint(12, 40));
    for (const int row : {50, 60, 70})
        QTest::mouseMove(lightness, QPoint(12, row));
    QTest::mouseRelease(lightness, Qt::LeftButton, {}, QPoint(12, 70));
    QCoreApplication::processEvents();
    EXPECT_NE(window->activeColor(), before);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->activeColor(), before);
    EXPECT_EQ(field("edOkL")->text(), "65,2");
}

TEST_F(OklchTest, TheTracksShowTheirColoursAndHatchWhatSrgbCannotShow)
{
    type("edOkL", "60");
    type("edOkC", "0,25");
    type("edOkH", "140");
    // Chroma at this lightness and hue: sRGB ends at about 0.18, so the upper part, high chroma, is outside.
    const std::vector<TrackStop> chroma = oklchTrack(OklchChannel::Chroma, {0.6, 0.25, 140}, track("sbOkC")->trackLength());
    EXPECT_TRUE(chroma.front().inGamut);
    EXPECT_FALSE(chroma.back().inGamut);
    const QImage shot = track("sbOkC")->grab().toImage();
    const QColor bottom = shot.pixelColor(12, shot.height() - 3);
    EXPECT_EQ(bottom, QColor(redOf(chroma.front().color), greenOf(chroma.front().color), blueOf(chroma.front().color)))
        << "chroma 0 at the bottom";
    QSet<QRgb> bottomRow, topRow;
    for (int x = 6; x < 19; ++x) {
        bottomRow << shot.pixel(x, shot.height() - 3);
        topRow << shot.pixel(x, 3);
    }
    EXPECT_GT(topRow.size(), 1) << "hatched";
    EXPECT_EQ(bottomRow.size(), 1);
}

// In Display P3 the values asked for become the P3 colour, kept beside the sRGB fallback the
// display and edHTML show; the copy notations that can write it write it. Back in sRGB it is gone.
TEST_F(OklchTest, TheGamutChoiceKeepsTheP3ColourBesideItsFallback)
{
    typeVividGreen();
    EXPECT_EQ(html(), "#00C300");
    EXPECT_FALSE(activeWide());
    EXPECT_EQ(copied("Farbanzeige", "puCssOklch"), "oklch(0.708 0.241 142.5)") << "the sRGB colour: colorjs.io 0.70805 0.24093 142.495";

    chooseGamut(Qt::Key_Down);
    EXPECT_EQ(control<QComboBox>("cbOkGamut")->currentText(), "Display P3");
    EXPECT_EQ(window->model().editorGamut(), EditorGamut::DisplayP3);
    expectVividGreen(activeWide());
    EXPECT_EQ(html(), "#00C300");
    EXPECT_EQ(swatch("Farbanzeige")->color(), RGB(0x00, 0xC3, 0x00));
    EXPECT_EQ(field("edOkC")->text(), "0,300") << "the fields keep what was asked";
    EXPECT_EQ(copied("Farbanzeige", "puCssDisplayP3"), "color(display-p3 0.101 0.771 0.000)");
    EXPECT_TRUE(copied("Farbanzeige", "puCssOklch").startsWith("oklch(0.700")) << desktop.clipboard.content.toStdString();
    EXPECT_EQ(copied("Farbanzeige", "puHTML"), "#00C300");

    type("edOkH", "150"); // each change in P3 gives the new P3 colour: colorjs.io oklch(0.70716 0.28634 148.028)
    ASSERT_TRUE(activeWide());
    EXPECT_NEAR(activeWide()->C, 0.28634, 0.0005);
    EXPECT_NEAR(activeWide()->h, 148.028, 0.05);

    chooseGamut(Qt::Key_Up);
    EXPECT_EQ(window->model().editorGamut(), EditorGamut::Srgb);
    EXPECT_FALSE(activeWide());
}

// The chroma bar at L 0.7, h 145 (colorjs.io: sRGB ends at C 0.2202, P3 at 0.2988): in sRGB it is
// hatched from the sRGB edge; in P3 the band between the edges is dotted and only beyond P3 hatched.
TEST_F(OklchTest, TheTracksHatchWhatTheGamutCannotHoldAndDotTheBandOnlyP3Holds)
{
    typeVividGreen();
    ColorTrack* chroma = track("sbOkC");
    // The pixels of two rows around a chroma: the dots fall on every other row.
    const auto pixelsAt = [&](double c) {
        const QImage shot = chroma->grab().toImage();
        QSet<QRgb> pixels;
        const int row = rowFor(chroma, static_cast<int>(c * 1000));
        for (int y = row; y <= row + 1; ++y) {
            for (int x = 6; x < 19; ++x)
                pixels << shot.pixel(x, y);
        }
        return pixels;
    };
    const QRgb grey = qRgb(128, 128, 128);
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_TRUE(pixelsAt(0.26).contains(grey)) << "sRGB cannot hold it";
    EXPECT_FALSE(pixelsAt(0.26).contains(white));

    chooseGamut(Qt::Key_Down);
    EXPECT_FALSE(pixelsAt(0.1).contains(white) || pixelsAt(0.1).contains(grey)) << "both hold it: plain";
    EXPECT_TRUE(pixelsAt(0.26).contains(white)) << "only P3 holds it: dotted";
    EXPECT_FALSE(pixelsAt(0.26).contains(grey));
    EXPECT_TRUE(pixelsAt(0.34).contains(grey)) << "beyond P3: hatched";
    EXPECT_FALSE(pixelsAt(0.34).contains(white));
}

// tintara.ini keeps the choice in its added section; the next start works in it.
TEST_F(OklchTest, TheGamutIsKeptForTheNextStart)
{
    QTemporaryDir folder;
    const QString ini = folder.filePath("tintara.ini");
    start({ini, {}});
    QTest::keyClick(window.get(), Qt::Key_F12);
    chooseGamut(Qt::Key_Down);
    window->close();
    EXPECT_TRUE(Testing::readFile(ini).contains("[Erweiterungen]\r\nOklch=1\r\nOklchGamut=1\r\n"));
    start({ini, {}});
    EXPECT_EQ(control<QComboBox>("cbOkGamut")->currentText(), "Display P3");
    EXPECT_EQ(window->model().editorGamut(), EditorGamut::DisplayP3);
}

// A P3 colour goes from the display into the scheme and back by drags, into a scheme file and out
// of it, and undo gives back each state with its wide colour.
TEST_F(OklchTest, AP3ColourTravelsThroughTheSchemeItsFileAndUndo)
{
    chooseGamut(Qt::Key_Down);
    typeVividGreen();
    drag(swatch("Farbanzeige"), swatch("Palette3"));
    expectVividGreen(window->model().slotColor(3).wide);
    EXPECT_EQ(swatch("Palette3")->color(), RGB(0x00, 0xC3, 0x00));
    EXPECT_TRUE(copied("Palette3", "puCssDisplayP3").startsWith("color(display-p3 0.101 0.771"));

    QTemporaryDir folder;
    desktop.fileDialogs.results.push_back(folder.filePath("p3.tsf"));
    partOf<SchemeFiles>(*window).PaletteSpeichern();
    const QByteArray file = Testing::readFile(folder.filePath("p3.tsf"));
    EXPECT_TRUE(file.contains("Farbe3=49920\r\nFarbeGes3=1\r\n")) << "the specified keys keep the fallback";
    EXPECT_TRUE(file.contains("[Erweiterungen]\r\nOKLCH3=0.7000")) << file.toStdString();

    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(window->model().slotColor(3).wide) << "the drop undone";
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    expectVividGreen(window->model().slotColor(3).wide);

    chooseGamut(Qt::Key_Up); // an sRGB colour on the display, then the slot's colour dropped on it
    type("edOkL", "40");
    QCoreApplication::processEvents(); // the typing is a step of its own
    EXPECT_FALSE(activeWide());
    drag(swatch("Palette3"), swatch("Farbanzeige"));
    expectVividGreen(activeWide());
    EXPECT_EQ(field("edOkC")->text(), "0,299") << "the fields show the wide colour";
    QCoreApplication::processEvents(); // the step of the drop is taken
    track("sbOkC")->setFocus(); // out of the field, whose Ctrl+Z would undo its typing
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(activeWide());
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    expectVividGreen(activeWide());

    drag(swatch("Palette3"), control<QWidget>("Image1")); // emptied, then the file opened again
    EXPECT_FALSE(window->model().slotColor(3).wide);
    desktop.fileDialogs.results.push_back(folder.filePath("p3.tsf"));
    partOf<SchemeFiles>(*window).PaletteOeffnen();
    expectVividGreen(window->model().slotColor(3).wide);
}

// The bars stand the right way up: Up and the wheel raise the value and move the handle up.
TEST_F(OklchTest, UpAndTheWheelMoveTheHandleUp)
{
    ColorTrack* lightness = track("sbOkL");
    lightness->setFocus();
    const int before = lightness->value();
    QTest::keyClick(lightness, Qt::Key_Up);
    EXPECT_EQ(lightness->value(), before + 1);
    EXPECT_EQ(field("edOkL")->text(), "65,3");
    QWheelEvent wheel(QPointF(12, 100), lightness->mapToGlobal(QPointF(12, 100)), {}, {0, 120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(lightness, &wheel);
    EXPECT_GT(lightness->value(), before + 1);
    QTest::mouseClick(lightness, Qt::LeftButton, {}, QPoint(12, 2));
    EXPECT_EQ(lightness->value(), lightness->maximum()) << "the top is white";
    EXPECT_EQ(window->activeColor(), clWhite);
}
