#include "controls/colortrack.h"
#include "windowfixture.h"

#include <QLineEdit>
#include <QSet>
#include <QTest>

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

    // The pixel row of a bar that stands for `value` in its units.
    static int rowFor(const ColorTrack* bar, int value)
    {
        return 2 + value * (bar->trackLength() - 1) / bar->maximum();
    }

    QString html() const { return field("edHTML")->text(); }
};

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
    for (int row = start; row >= rowFor(hue, 1400); row -= 3)
        QTest::mouseMove(hue, QPoint(12, row));
    EXPECT_NE(window->activeColor(), before);
    for (int row = rowFor(hue, 1400); row <= start; row += 3)
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
    // Chroma at this lightness and hue: sRGB ends at about 0.18, so the lower part is outside.
    const std::vector<TrackStop> chroma = oklchTrack(OklchChannel::Chroma, {0.6, 0.25, 140}, track("sbOkC")->trackLength());
    EXPECT_TRUE(chroma.front().inGamut);
    EXPECT_FALSE(chroma.back().inGamut);
    const QImage shot = track("sbOkC")->grab().toImage();
    const QColor top = shot.pixelColor(12, 2);
    EXPECT_EQ(top, QColor(redOf(chroma.front().color), greenOf(chroma.front().color), blueOf(chroma.front().color)));
    QSet<QRgb> bottomRow, topRow;
    for (int x = 6; x < 19; ++x) {
        bottomRow << shot.pixel(x, shot.height() - 4);
        topRow << shot.pixel(x, 2);
    }
    EXPECT_GT(bottomRow.size(), 1) << "hatched";
    EXPECT_EQ(topRow.size(), 1);
}
