#include "controls/tmagnifier.h"
#include "fakes/fakeplatform.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using namespace Tintara;

namespace {

// A scripted desktop of 1280 x 1024: every pixel's red is its x, green its y (mod 256).
class MagnifierTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        screen.image = QImage(1280, 1024, QImage::Format_RGB32);
        for (int y = 0; y < 1024; ++y)
            for (int x = 0; x < 1280; ++x)
                screen.image.setPixel(x, y, qRgb(x % 256, y % 256, 77));
        magnifier.resize(168, 231);
        magnifier.setScreen(&screen);
        magnifier.setCrosshair(true);
        magnifier.setCrosshairSize(49);
        magnifier.setCrosshairColor(RGB(0, 0, 255));
        screen.cursor = {640, 512};
        magnifier.show(); // the first resize captures once
    }

    Fakes::FakeScreen screen;
    TMagnifier magnifier;
};

} // namespace

TEST(MagnifierView, ClampsAtTheCornerAndMovesTheCrosshairInstead)
{
    const MagnifierView corner = magnifierView({168, 231}, 50, {0, 0}, {1280, 1024});
    EXPECT_EQ(corner.source, QRect(0, 0, 84, 114));
    EXPECT_EQ(corner.crosshairCentre, QPoint(84 - 86, 115 - 116));
    EXPECT_EQ(magnifierView({168, 231}, 50, {1, 1}, {1280, 1024}).crosshairCentre, QPoint(0, 1));
    const MagnifierView middle = magnifierView({168, 231}, 50, {600, 500}, {1280, 1024});
    EXPECT_EQ(middle.source, QRect(600 - 42, 500 - 57, 84, 114));
    EXPECT_EQ(middle.crosshairCentre, QPoint(84, 115));
    const MagnifierView farCorner = magnifierView({168, 231}, 50, {1279, 1023}, {1280, 1024});
    EXPECT_EQ(farCorner.source.bottomRight(), QPoint(1279, 1023));
}

TEST(MagnifierView, ZoomLevelSetsTheCapturedArea)
{
    EXPECT_EQ(magnifierView({168, 231}, 100, {600, 500}, {1280, 1024}).source.size(), QSize(168, 230));
    EXPECT_EQ(magnifierView({168, 231}, 10, {600, 500}, {1280, 1024}).source.size(), QSize(16, 22));
}

TEST_F(MagnifierTest, CaptureStretchesTheSourceAndDrawsTheCrosshair)
{
    magnifier.setZoomLevel(50);
    screen.cursor = {600, 500};
    QSignalSpy changed(&magnifier, &TMagnifier::contentsChanged);
    ASSERT_TRUE(magnifier.capture());
    EXPECT_EQ(screen.captures.back(), QRect(558, 443, 84, 114));
    EXPECT_EQ(changed.count(), 1);
    const QImage shown = magnifier.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(0, 0)).red(), 558 % 256);
    EXPECT_EQ(shown.pixelColor(84, 115 - 24), QColor(0, 0, 255)); // top of the vertical line
    EXPECT_NE(shown.pixelColor(84, 115 + 24), QColor(0, 0, 255)); // its end point is left out
}

TEST_F(MagnifierTest, CrosshairLeavesTheControlAtTheCorner)
{
    magnifier.setZoomLevel(50);
    screen.cursor = {0, 0};
    ASSERT_TRUE(magnifier.capture());
    const QImage shown = magnifier.grab().toImage();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_NE(shown.pixelColor(x, y), QColor(0, 0, 255)) << x << "," << y;
}

TEST_F(MagnifierTest, AnUnmovedPointerRedrawsNothingUntilAResize)
{
    screen.cursor = {300, 300};
    ASSERT_TRUE(magnifier.capture());
    QSignalSpy changed(&magnifier, &TMagnifier::contentsChanged);
    EXPECT_FALSE(magnifier.capture());
    EXPECT_EQ(changed.count(), 0);
    magnifier.resize(100, 100);
    EXPECT_EQ(changed.count(), 1) << "a resize captures again at once";
}

TEST_F(MagnifierTest, ActiveSwitchesTheTimerAndTakesTheSnapshot)
{
    EXPECT_TRUE(magnifier.timerRunning());
    magnifier.setActive(true); // its current value: nothing happens
    EXPECT_FALSE(magnifier.hasSnapshot());
    screen.cursor = {10, 10};
    magnifier.capture();
    magnifier.setActive(false);
    EXPECT_FALSE(magnifier.timerRunning());
    EXPECT_TRUE(magnifier.hasSnapshot());
    magnifier.setActive(false);
    magnifier.setCacheOnDeactivate(false);
    EXPECT_FALSE(magnifier.hasSnapshot());
    magnifier.setActive(true);
    magnifier.setCacheOnDeactivate(false);
    magnifier.setActive(false);
    EXPECT_FALSE(magnifier.hasSnapshot());
}
