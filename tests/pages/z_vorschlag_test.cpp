#include "rules/finderring.h"
#include "mainwindow/windowfixture.h"

#include <QComboBox>
#include <QScrollBar>

using namespace Tintara;
using Tintara::Testing::WindowTest;

namespace {

// The ring as the window computes it after an editor update: centre = active, base = its HSV.
FinderRing ringOf(TColor active, int mode, int randomHue = 0)
{
    return finderRing(active, active, RGBnachHSV(active), mode, randomHue);
}


} // namespace

TEST_F(WindowTest, FinderSwatchesFollowTheActiveColour)
{
    window->setActiveColor(RGB(255, 128, 0));
    const TColor ring[] = {RGB(255, 255, 0), RGB(128, 255, 0), RGB(0, 255, 0),   RGB(0, 255, 128),
                           RGB(0, 255, 255), RGB(0, 128, 255), RGB(0, 0, 255),   RGB(128, 0, 255),
                           RGB(255, 0, 255), RGB(255, 0, 128), RGB(255, 0, 0),   RGB(255, 149, 0)};
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(swatch(QString("Vorschlag%1").arg(k))->color(), ring[k - 1]) << k;
    EXPECT_EQ(swatch("AktiveFarbe")->color(), RGB(255, 128, 0));
    EXPECT_EQ(swatch("KompFarbe")->color(), RGB(0, 127, 255));
    EXPECT_EQ(swatch("FontColor")->color(), clBlack);
}

TEST_F(WindowTest, KreativDrawsAHueAtEveryRecomputation)
{
    desktop.random.values = {100, 200};
    control<QComboBox>("cbVorschlag")->setCurrentIndex(FinderKreativ);
    EXPECT_EQ(swatch("Vorschlag1")->color(), ringOf(window->activeColor(), FinderKreativ, 100).proposals[0]);
    window->setActiveColor(RGB(0, 0, 255));
    EXPECT_EQ(swatch("Vorschlag1")->color(), ringOf(RGB(0, 0, 255), FinderKreativ, 200).proposals[0]);
    EXPECT_EQ(desktop.random.randomizeCount, 2);
}

TEST_F(WindowTest, BrightnessSliderShadesTheCentreAndTheRingFollowsIt)
{
    window->setActiveColor(RGB(200, 100, 50));
    auto* slider = control<QScrollBar>("sbHellDunkel");
    slider->setValue(-40);
    const TColor centre = ShadeColor(RGB(200, 100, 50), -40);
    EXPECT_EQ(swatch("AktiveFarbe")->color(), centre);
    const FinderRing ring = finderRing(RGB(200, 100, 50), centre, RGBnachHSV(centre), FinderStandard, 0);
    EXPECT_EQ(swatch("Vorschlag5")->color(), ring.proposals[4]);

    control<QComboBox>("cbVorschlag")->setCurrentIndex(FinderFarbton);
    EXPECT_EQ(slider->value(), 0);
    EXPECT_EQ(swatch("AktiveFarbe")->color(), RGB(200, 100, 50));
}

TEST_F(WindowTest, FrameSwitchTogglesAllFortyOneOutlines)
{
    auto* frames = control<QCheckBox>("cbRahmen");
    frames->click();
    EXPECT_EQ(swatch("Vorschlag36")->penStyle(), TColorShape::PenStyle::Clear);
    EXPECT_EQ(swatch("FontColor")->penStyle(), TColorShape::PenStyle::Clear);
    frames->click();
    EXPECT_EQ(swatch("KompFarbe")->penStyle(), TColorShape::PenStyle::Solid);
    EXPECT_EQ(swatch("AktiveFarbe")->penStyle(), TColorShape::PenStyle::Solid);
}
