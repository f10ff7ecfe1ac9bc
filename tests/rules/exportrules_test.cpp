#include "rules/exportrules.h"

#include <gtest/gtest.h>

using namespace Tintara;

namespace {

SchemeSlots schemeOf(std::initializer_list<std::tuple<int, TColor, QString>> filled)
{
    SchemeSlots scheme;
    scheme.colors.fill(clBtnFace);
    for (const auto& [n, color, info] : filled) {
        scheme.colors[n - 1] = color;
        scheme.used[n - 1] = 1;
        scheme.infos[n - 1] = info;
    }
    return scheme;
}

const SchemeSlots redAndBlue = schemeOf({{1, RGB(255, 0, 0), ""}, {3, RGB(0, 0, 255), "Link blau"}});

QColor at(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

TEST(ExportNames, OnlyAsciiLettersAndDigitsSurvive)
{
    EXPECT_EQ(Farbinformation(QString::fromUtf8("Überschrift 1"), 4), "berschrift1");
    EXPECT_EQ(Farbinformation("---", 4), "");
    EXPECT_EQ(Farbinformation(QString::fromUtf8("Fuß-Zeile"), 4), "FuZeile");
    EXPECT_EQ(Farbinformation("", 4), "farbe4");
}

TEST(ExportModes, ChosenByFormatAndCheckBoxes)
{
    ExportChoice c;
    EXPECT_EQ(exportMode(c), 3);
    c.background = false;
    EXPECT_EQ(exportMode(c), 1);
    c.textColor = false;
    EXPECT_EQ(exportMode(c), 0);
    c.content = ExportContent::Listing;
    c.html = false;
    EXPECT_EQ(exportMode(c), 5);
    c.content = ExportContent::PaletteStrip;
    EXPECT_EQ(exportMode(c), 9);
}

TEST(StyleSheet, BothKindsWithTheDefinitionLines)
{
    ExportChoice c;
    c.definition = true;
    EXPECT_EQ(exportText(3, redAndBlue, c),
              (QStringList{"<style type=\"text/css\">", "<!--", "", ".farbe1 { color: #FF0000; }",
                           ".Linkblau { color: #0000FF; }", ".hfarbe1 { background-color: #FF0000; }",
                           ".hLinkblau { background-color: #0000FF; }", "", "-->", "</style>"}));
}

TEST(StyleSheet, OneKindEachAndNumberedNames)
{
    ExportChoice c;
    c.cssInfo = false;
    EXPECT_EQ(exportText(1, redAndBlue, c), (QStringList{".farbe1 { color: #FF0000; }", ".farbe3 { color: #0000FF; }"}));
    EXPECT_EQ(exportText(2, redAndBlue, c),
              (QStringList{".hfarbe1 { background-color: #FF0000; }", ".hfarbe3 { background-color: #0000FF; }"}));
}

// Selectors start with a letter: an info text without letters or digits names the slot as an empty
// one does, and one that starts with a digit gets the same prefix.
TEST(StyleSheet, EmptyNamesAndEmptySchemes)
{
    const SchemeSlots dashes = schemeOf({{2, RGB(1, 2, 3), "---"}, {3, RGB(4, 5, 6), "1. Link"}});
    EXPECT_EQ(exportText(3, dashes, ExportChoice{}),
              (QStringList{".farbe2 { color: #010203; }", ".farbe1Link { color: #040506; }",
                           ".hfarbe2 { background-color: #010203; }", ".hfarbe1Link { background-color: #040506; }"}));
    ExportChoice definition;
    definition.definition = true;
    EXPECT_EQ(exportText(3, SchemeSlots{}, definition).size(), 6);
    EXPECT_TRUE(exportText(3, SchemeSlots{}, ExportChoice{}).isEmpty());
}

TEST(ColourListing, HtmlRgbAndBoth)
{
    const QStringList html = exportText(4, redAndBlue, ExportChoice{});
    EXPECT_EQ(html, (QStringList{"Farbspezifikationen", "", "farbe1:", "         HTML: #FF0000", "Linkblau:",
                                 "         HTML: #0000FF", "", "(Erstellt mit Orbelin Tintara Studio)"}));
    EXPECT_EQ(exportText(5, redAndBlue, ExportChoice{})[3], "         RGB: 255, 0, 0");
    EXPECT_EQ(exportText(6, redAndBlue, ExportChoice{})[3], "         HTML: #FF0000  /  RGB: 255, 0, 0");
    EXPECT_EQ(exportText(6, SchemeSlots{}, ExportChoice{}),
              (QStringList{"Farbspezifikationen", "", "", "(Erstellt mit Orbelin Tintara Studio)"}));
}

TEST(ColourListing, EmptySwatchColourExportsItsRawBytes)
{
    const SchemeSlots scheme = schemeOf({{1, clBtnFace, ""}});
    EXPECT_EQ(exportText(6, scheme, ExportChoice{})[3], "         HTML: #0F0000  /  RGB: 15, 0, 0");
}

TEST(ReferencePicture, SwatchesFramesAndCredit)
{
    const QImage image = exportPicture(7, redAndBlue, ExportChoice{}, QFont());
    ASSERT_EQ(image.size(), QSize(475, 1320));
    EXPECT_EQ(at(image, 10, 10), QColor(Qt::black));     // frame of slot 1
    EXPECT_EQ(at(image, 45, 45), QColor(255, 0, 0));     // inside slot 1
    EXPECT_EQ(at(image, 79, 79), QColor(Qt::black));
    EXPECT_EQ(at(image, 80, 80), QColor(Qt::white));
    EXPECT_EQ(at(image, 45, 125), QColor(Qt::white));    // slot 2 empty: white inside a black frame
    EXPECT_EQ(at(image, 10, 125), QColor(Qt::black));
    EXPECT_EQ(at(image, 45, 205), QColor(0, 0, 255));    // slot 3
    bool grey = false;
    for (int x = 10; x < 200 && !grey; ++x) {
        for (int y = 1290; y < 1305 && !grey; ++y)
            grey = at(image, x, y).red() < 250 && at(image, x, y).red() > 150;
    }
    EXPECT_TRUE(grey) << "the credit line in grey";
}

TEST(ReferencePicture2, FourByFourWithValueBoxes)
{
    const QImage image = exportPicture(8, redAndBlue, ExportChoice{}, QFont());
    ASSERT_EQ(image.size(), QSize(325, 345));
    EXPECT_EQ(at(image, 5, 5), QColor(Qt::black));
    EXPECT_EQ(at(image, 40, 25), QColor(255, 0, 0));
    EXPECT_EQ(at(image, 5, 44), QColor(Qt::black));      // the shared row and the value box frame
    EXPECT_EQ(at(image, 70, 75), QColor(248, 248, 248));
    EXPECT_EQ(at(image, 85, 5), QColor(Qt::white));      // slot 2 empty: no frame at all
    EXPECT_EQ(at(image, 200, 25), QColor(0, 0, 255));    // slot 3 in the third column
}

TEST(ReferencePicture2, ValueLinesFollowTheReferenceCheckBoxes)
{
    ExportChoice without;
    without.pictureHtml = false;
    without.pictureRgb = false;
    const QImage plain = exportPicture(8, redAndBlue, without, QFont());
    const QImage withText = exportPicture(8, redAndBlue, ExportChoice{}, QFont());
    EXPECT_NE(plain, withText);
    for (int y = 45; y < 79; ++y)
        EXPECT_EQ(at(plain, 30, y), QColor(248, 248, 248)) << y;
}

TEST(PaletteStrip, SixteenBoxesSharingTheirOutlines)
{
    const QImage image = exportPicture(9, redAndBlue, ExportChoice{}, QFont());
    ASSERT_EQ(image.size(), QSize(385, 28));
    EXPECT_EQ(at(image, 12, 14), QColor(255, 0, 0));
    EXPECT_EQ(at(image, 24, 14), QColor(Qt::black));
    EXPECT_EQ(at(image, 36, 14), QColor(Qt::white));
    EXPECT_EQ(at(image, 60, 14), QColor(0, 0, 255));
    EXPECT_EQ(at(image, 384, 14), QColor(Qt::black));
}

TEST(PaletteStrip, SystemColourSlotsPaintResolved)
{
    const QImage image = exportPicture(9, schemeOf({{1, clBtnFace, ""}}), ExportChoice{}, QFont());
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(at(image, 12, 14), QColor(redOf(face), greenOf(face), blueOf(face)));
}

// For a high-density screen: the same pictures, each pixel drawn as scale × scale device pixels.
TEST(ExportPictures, AtTwiceTheDensityTheSamePictureInTwiceThePixels)
{
    for (const int mode : {7, 8, 9}) {
        const QImage plain = exportPicture(mode, redAndBlue, ExportChoice{}, QFont());
        const QImage sharp = exportPicture(mode, redAndBlue, ExportChoice{}, QFont(), 2);
        ASSERT_EQ(sharp.size(), plain.size() * 2) << mode;
        EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(plain.size())) << mode;
        // Text is drawn finer; everything else stands where it stood.
        int samples = 0, same = 0;
        for (int y = 1; y < plain.height(); y += 3) {
            for (int x = 1; x < plain.width(); x += 3, ++samples)
                same += plain.pixel(x, y) == sharp.pixel(2 * x, 2 * y);
        }
        EXPECT_GT(same, samples * 95 / 100) << mode;
    }
}
