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
    EXPECT_EQ(control<QLabel>("lbWcag")->text().toStdString(), "Kontrastverhältnis (WCAG 2.2): 6,26:1 – AA");
}

TEST_F(MatrixTest, AnEmptySchemeExplainsInsteadOfShowingAGrid)
{
    showMatrix();
    EXPECT_TRUE(grid()->isHidden());
    EXPECT_FALSE(control("lbMatrixLeer")->isHidden());
    EXPECT_TRUE(control<QLabel>("lbMatrixLeer")->text().startsWith("Das Farbschema enthält noch keine Farben."));
}
