#include "mainwindow/windowfixture.h"
#include "pages/contrastgridview.h"

#include <QMenu>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

class MatrixTest : public WindowTest
{
protected:
    void showMatrix() { window->findChild<QAction*>("mmKontrastmatrix")->trigger(); }
    ContrastGridView* grid() const { return window->findChild<ContrastGridView*>("gvMatrix"); }
};

} // namespace

TEST_F(MatrixTest, RedGreenAndBlueMakeAThreeByThreeGridWithTheirRatios)
{
    partOf<SchemeSwatches>(*window).setSlot(1, RGB(255, 0, 0), 1);
    partOf<SchemeSwatches>(*window).setSlot(4, RGB(0, 255, 0), 1);
    partOf<SchemeSwatches>(*window).setSlot(9, RGB(0, 0, 255), 1);
    showMatrix();
    ASSERT_EQ(grid()->count(), 3);
    EXPECT_FALSE(grid()->isHidden());
    EXPECT_TRUE(control("lbMatrixLeer")->isHidden());
    EXPECT_EQ(contrastCellHint(grid()->cell(0, 1)).toStdString(),
              "#FF0000 auf #00FF00\nKontrastverhältnis: 2,91:1\nNormale Schrift: nicht erfüllt\nGroße Schrift: nicht erfüllt");
    EXPECT_EQ(contrastCellHint(grid()->cell(1, 2)).toStdString(),
              "#00FF00 auf #0000FF\nKontrastverhältnis: 6,26:1\nNormale Schrift: AA\nGroße Schrift: AAA");
    EXPECT_EQ(contrastCellHint(grid()->cell(2, 0)).toStdString(),
              "#0000FF auf #FF0000\nKontrastverhältnis: 2,14:1\nNormale Schrift: nicht erfüllt\nGroße Schrift: nicht erfüllt");

    // The grid follows a drop on the scheme while it is shown.
    swatch("Vorschlag1")->setColor(clWhite);
    drag(swatch("Vorschlag1"), swatch("Palette2"));
    EXPECT_EQ(grid()->count(), 4);
}

TEST_F(MatrixTest, AClickOnACellTakesThePairToTheContrastPage)
{
    partOf<SchemeSwatches>(*window).setSlot(1, RGB(0, 255, 0), 1);
    partOf<SchemeSwatches>(*window).setSlot(2, RGB(0, 0, 255), 1);
    showMatrix();
    QTest::mouseClick(grid(), Qt::LeftButton, {}, grid()->cellRect(0, 1).center());
    EXPECT_EQ(control<QStackedWidget>("PageControl1")->currentWidget()->objectName(), "Z_Kontrast");
    EXPECT_EQ(swatch("shVorder")->color(), RGB(0, 255, 0));
    EXPECT_EQ(swatch("shHinter")->color(), RGB(0, 0, 255));
    EXPECT_EQ(control<QLabel>("lbWcag")->text().toStdString(),
              "Kontrastverhältnis (WCAG 2.2): 6,26:1 – AA · APCA Lc -69,3");
}

// Slots are named by their info texts; the switch judges the cells by APCA; a colour on itself
// has no lamp.
TEST_F(MatrixTest, HintsNameTheSlotsAndTheLampsFollowTheChosenMeasure)
{
    auto& scheme = partOf<SchemeSwatches>(*window);
    scheme.setSlot(3, RGB(0x88, 0x88, 0x88), 1);
    scheme.setSlotInfo(3, "Primär");
    scheme.setSlot(8, clWhite, 1);
    scheme.setSlotInfo(8, "Akzent");
    scheme.setSlot(9, clBlack, 1);
    showMatrix();
    const QRect cell = grid()->cellRect(0, 1);
    EXPECT_EQ(grid()->hintAt(cell.center()).toStdString(),
              "Schrift: Platz 3 (Primär), Hintergrund: Platz 8 (Akzent)\n#888888 auf #FFFFFF\n"
              "Kontrastverhältnis: 3,54:1\nNormale Schrift: AA nur für große Schrift\nGroße Schrift: AA");
    EXPECT_EQ(grid()->hintAt({cell.center().x(), 5}).toStdString(), "Platz 8 (Akzent): #FFFFFF");
    EXPECT_EQ(grid()->hintAt({5, grid()->cellRect(2, 0).center().y()}).toStdString(), "Platz 9: #000000");

    const auto lampOf = [this](int row, int column) {
        const QRect box = grid()->cellRect(row, column).adjusted(1, 1, -1, -1);
        return grid()->grab().toImage().pixelColor(box.right() - 3, box.bottom() - 3);
    };
    EXPECT_EQ(lampOf(2, 0), QColor(0, 0x80, 0)) << "WCAG: black on #888888 is 5,92:1";
    EXPECT_EQ(lampOf(0, 0), QColor(0x88, 0x88, 0x88)) << "no lamp on the diagonal";
    QTest::mouseClick(control<QAbstractButton>("rbMatrixApca"), Qt::LeftButton);
    EXPECT_EQ(lampOf(2, 0), QColor(0xFF, 0, 0)) << "APCA: the same pair is Lc 41,0, too little for text";
    EXPECT_EQ(lampOf(0, 1), QColor(0xFF, 0xFF, 0)) << "APCA: Lc 63,1 is enough for content text";
    EXPECT_EQ(lampOf(2, 1), QColor(0, 0x80, 0)) << "black on white: Lc 106";
    EXPECT_TRUE(grid()->hintAt(cell.center()).endsWith("APCA Lc 63,1\nAPCA: ab Lc 60 genügt es für sonstigen Inhaltstext"));
    EXPECT_TRUE(control<QLabel>("lbMatrixLegende")->text().startsWith("Lampe grün: ab APCA Lc 75"));
}

TEST_F(MatrixTest, AnEmptySchemeExplainsInsteadOfShowingAGrid)
{
    showMatrix();
    EXPECT_TRUE(grid()->isHidden());
    EXPECT_FALSE(control("lbMatrixLeer")->isHidden());
    EXPECT_TRUE(control<QLabel>("lbMatrixLeer")->text().startsWith("Das Farbschema enthält noch keine Farben."));
}
