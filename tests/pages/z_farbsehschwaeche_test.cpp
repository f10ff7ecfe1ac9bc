#include "mainwindow/windowfixture.h"

#include "color/cvd.h"

#include <QComboBox>
#include <QScrollBar>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

class DeficiencyPageTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        partOf<SchemeSwatches>(*window).setSlot(1, RGB(204, 0, 0), 1);
        partOf<SchemeSwatches>(*window).setSlot(2, RGB(0, 128, 0), 1);
        partOf<SchemeSwatches>(*window).setSlot(5, RGB(0, 0, 255), 1);
        window->findChild<QAction*>("mmFarbsehschwaeche")->trigger();
    }
    void choose(const char* list, int index) { control<QComboBox>(list)->setCurrentIndex(index); }
    static int colouredPixels(const QImage& image)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                count += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
            }
        }
        return count;
    }
};

} // namespace

TEST_F(DeficiencyPageTest, RedAndGreenAreConfusableWithDeuteranopiaButNotWithProtanopia)
{
    EXPECT_TRUE(control("lbPaar1")->isHidden()) << "protanopia, the first choice, keeps them apart (15,2)";
    EXPECT_EQ(control<QLabel>("lbPaareHinweis")->text(), "Keine verwechselbaren Paare mit dieser Farbsehschwäche.");

    choose("cbSchwaeche", 1);
    ASSERT_FALSE(control("lbPaar1")->isHidden());
    EXPECT_EQ(control<QLabel>("lbPaar1")->text(),
              "Platz 1 und 2: Unterschied 68,8 normal, 4,4 mit der Farbsehschwäche");
    partOf<SchemeSwatches>(*window).setSlotInfo(2, "Erfolg");
    choose("cbSchwaeche", 0);
    choose("cbSchwaeche", 1);
    EXPECT_EQ(control<QLabel>("lbPaar1")->text(),
              "Platz 1 und 2 (Erfolg): Unterschied 68,8 normal, 4,4 mit der Farbsehschwäche")
        << "a slot with an info text is named by it";
    EXPECT_TRUE(control("lbPaar2")->isHidden()) << "blue stays apart from both";
    EXPECT_EQ(swatch("shPaar1A")->color(), RGB(204, 0, 0));
    EXPECT_EQ(swatch("shPaar1SimB")->color(), simulateDeficiency(RGB(0, 128, 0), deficiencyMatrix(Deficiency::Deuteranopia, 1)));

    // A simulated swatch is a colour source like any other.
    drag(swatch("shPaar1SimA"), swatch("Palette9"));
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(9), 1);
    EXPECT_EQ(swatch("Palette9")->color(), swatch("shPaar1SimA")->color());
}

TEST_F(DeficiencyPageTest, TheSimulatedViewIsTheDrawnViewFiltered)
{
    choose("cbSchwaeche", 3); // achromatopsia: every pixel its luminance grey
    for (int view = 0; view < 9; ++view) { // scheme, two web pages, six test images
        choose("cbAnsicht", view);
        const QImage drawn = control<QLabel>("imNormal")->pixmap().toImage();
        const QImage seen = control<QLabel>("imSimuliert")->pixmap().toImage();
        ASSERT_FALSE(drawn.isNull()) << view;
        ASSERT_EQ(drawn.size(), seen.size()) << view;
        EXPECT_EQ(colouredPixels(seen), 0) << view;
        if (view == 0) {
            EXPECT_GT(colouredPixels(drawn), 0) << "the scheme holds red, green and blue";
        }
    }
    control<QScrollBar>("sbSchwere")->setValue(0);
    EXPECT_EQ(control<QLabel>("lbSchwereWert")->text(), "0 %");
    EXPECT_EQ(control<QLabel>("imSimuliert")->pixmap().toImage(), control<QLabel>("imNormal")->pixmap().toImage())
        << "severity 0 is normal vision";
}
