#include "controls/tcolorshape.h"
#include "platform/systemcolors.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QImage>
#include <QSignalSpy>
#include <QToolTip>

using namespace Tintara;

namespace {

void enter(QWidget& widget)
{
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&widget, &event);
}

void leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &event);
}

class SwatchHint : public ::testing::Test
{
protected:
    void SetUp() override { setApplicationHintColor(clInfoBk); }
    void TearDown() override { setApplicationHintColor(clInfoBk); }
};

QImage render(TColorShape& shape)
{
    QImage image(shape.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta); // stands for the parent's surface
    shape.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

TEST_F(SwatchHint, EnterPutsItsHintColourInForceAndLeaveRestoresTheOldOne)
{
    TColorShape shape;
    shape.setHintColor(RGB(1, 2, 3));
    setApplicationHintColor(RGB(9, 9, 9));
    QSignalSpy entered(&shape, &TColorShape::mouseEnter);
    QSignalSpy left(&shape, &TColorShape::mouseLeave);

    enter(shape);
    EXPECT_EQ(applicationHintColor(), RGB(1, 2, 3));
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(1, 2, 3));
    leave(shape);
    EXPECT_EQ(applicationHintColor(), RGB(9, 9, 9));
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(9, 9, 9));
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
    EXPECT_EQ(entered.first().first().value<TColorShape*>(), &shape);
}

TEST_F(SwatchHint, RestoresTheColourFromBeforeTheEnterEvenIfChangedMeanwhile)
{
    TColorShape shape;
    shape.setHintColor(RGB(1, 2, 3));
    setApplicationHintColor(RGB(9, 9, 9));
    enter(shape);
    setApplicationHintColor(RGB(5, 5, 5));
    leave(shape);
    EXPECT_EQ(applicationHintColor(), RGB(9, 9, 9));
}

TEST_F(SwatchHint, SecondEnterOnlyReportsAgain)
{
    TColorShape shape;
    shape.setHintColor(RGB(1, 2, 3));
    setApplicationHintColor(RGB(9, 9, 9));
    QSignalSpy entered(&shape, &TColorShape::mouseEnter);
    enter(shape);
    enter(shape); // must not save the swatch's own colour as the one to restore
    leave(shape);
    EXPECT_EQ(applicationHintColor(), RGB(9, 9, 9));
    EXPECT_EQ(entered.count(), 2);
}

TEST_F(SwatchHint, LeaveWithoutEnterChangesNoColourButReports)
{
    TColorShape shape;
    setApplicationHintColor(RGB(9, 9, 9));
    QSignalSpy left(&shape, &TColorShape::mouseLeave);
    leave(shape);
    EXPECT_EQ(applicationHintColor(), RGB(9, 9, 9));
    EXPECT_EQ(left.count(), 1);
}

TEST_F(SwatchHint, WhileDesigningEnterNeitherRecoloursNorReports)
{
    TColorShape shape;
    shape.setDesigning(true);
    shape.setHintColor(RGB(1, 2, 3));
    setApplicationHintColor(RGB(9, 9, 9));
    QSignalSpy entered(&shape, &TColorShape::mouseEnter);
    enter(shape);
    EXPECT_EQ(applicationHintColor(), RGB(9, 9, 9));
    EXPECT_EQ(entered.count(), 0);
}

TEST(Swatch, DefaultsAreWhiteFillBlackOutlineManualDrag)
{
    const TColorShape shape;
    EXPECT_EQ(shape.color(), clWhite);
    EXPECT_EQ(shape.penColor(), clBlack);
    EXPECT_EQ(shape.penWidth(), 1);
    EXPECT_EQ(shape.hintColor(), clInfoBk);
    EXPECT_EQ(shape.dragMode(), TColorShape::DragMode::Manual);
}

TEST(Swatch, FigureFollowsThePenWidthRule)
{
    EXPECT_EQ(TColorShape::figureRect({25, 25}, 1), QRect(0, 0, 25, 25));
    EXPECT_EQ(TColorShape::figureRect({25, 25}, 0), QRect(0, 0, 25, 25));
    EXPECT_EQ(TColorShape::figureRect({25, 20}, 3), QRect(1, 1, 23, 18));
    EXPECT_EQ(TColorShape::figureRect({25, 20}, 4), QRect(2, 2, 22, 17));
}

TEST(Swatch, PaintsFillInsideAOnePixelOutline)
{
    TColorShape shape;
    shape.resize(10, 8);
    shape.setColor(RGB(255, 128, 0));
    const QImage image = render(shape);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(9, 7), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 128, 0));
    EXPECT_EQ(image.pixelColor(8, 6), QColor(255, 128, 0));
}

TEST(Swatch, ClearPenFillsToTheEdgeAndClearBrushShowsTheParent)
{
    TColorShape shape;
    shape.resize(10, 8);
    shape.setColor(RGB(0, 0, 255));
    shape.setPenStyle(TColorShape::PenStyle::Clear);
    EXPECT_EQ(render(shape).pixelColor(0, 0), QColor(0, 0, 255));

    shape.setPenStyle(TColorShape::PenStyle::Solid);
    shape.setBrushStyle(TColorShape::BrushStyle::Clear);
    const QImage image = render(shape);
    EXPECT_EQ(image.pixelColor(4, 4), QColor(Qt::magenta));
    EXPECT_EQ(image.pixelColor(0, 4), QColor(Qt::black));
}

TEST(Swatch, HatchedBrushLeavesGapsShowingTheParent)
{
    TColorShape shape;
    shape.resize(20, 20);
    shape.setColor(RGB(0, 0, 255));
    shape.setBrushStyle(TColorShape::BrushStyle::DiagCross);
    const QImage image = render(shape);
    int blue = 0, parent = 0;
    for (int y = 1; y < 19; ++y) {
        for (int x = 1; x < 19; ++x) {
            blue += image.pixelColor(x, y) == QColor(0, 0, 255);
            parent += image.pixelColor(x, y) == QColor(Qt::magenta);
        }
    }
    EXPECT_GT(blue, 0);
    EXPECT_GT(parent, 0);
}

TEST(Swatch, WidePenStaysInsideTheControl)
{
    TColorShape shape;
    shape.resize(12, 12);
    shape.setColor(RGB(0, 255, 0));
    shape.setPenWidth(3);
    const QImage image = render(shape);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(2, 6), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(11, 11), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(3, 6), QColor(0, 255, 0));
}

TEST(Swatch, SystemColoursPaintResolved)
{
    TColorShape shape;
    shape.resize(10, 10);
    shape.setColor(clBtnFace);
    EXPECT_EQ(render(shape).pixelColor(5, 5), toQColor(ColorToRGB(clBtnFace)));
}
