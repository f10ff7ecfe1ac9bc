#include "platform/screenprofile.h"

#include <QByteArray>

#include <gtest/gtest.h>
#include <lcms2.h>

using namespace Tintara;

namespace {

// An ICC profile made with Little CMS: a P3 display (the sRGB curve), or a grey one.
QByteArray savedProfile(cmsHPROFILE profile)
{
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(int(size), '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return bytes;
}

QByteArray displayP3Profile()
{
    const cmsCIExyY white = {0.3127, 0.3290, 1.0};
    const cmsCIExyYTRIPLE primaries = {{0.680, 0.320, 1.0}, {0.265, 0.690, 1.0}, {0.150, 0.060, 1.0}};
    const cmsFloat64Number srgbCurve[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsToneCurve* curve = cmsBuildParametricToneCurve(nullptr, 4, srgbCurve);
    cmsToneCurve* curves[3] = {curve, curve, curve};
    const QByteArray bytes = savedProfile(cmsCreateRGBProfile(&white, &primaries, curves));
    cmsFreeToneCurve(curve);
    return bytes;
}

} // namespace

// A pixel of a P3 screen becomes the sRGB colour it showed (colorjs.io: 214.9, 92.6, 31.0 for
// 200, 100, 50); without a profile, with one Little CMS cannot read, or with one that is no RGB
// profile, the pixel is taken as it is.
TEST(ScreenColorConversion, PixelsComeFromTheScreensProfileIntoSrgb)
{
    ScreenColorConversion conversion;
    const TColor pixel = RGB(200, 100, 50);
    EXPECT_EQ(conversion.shown(pixel, {}), pixel);
    const QByteArray p3 = displayP3Profile();
    EXPECT_EQ(conversion.shown(pixel, p3), RGB(215, 93, 31));
    EXPECT_EQ(conversion.shown(RGB(255, 255, 255), p3), RGB(255, 255, 255)) << "the white is the same";
    EXPECT_EQ(conversion.shown(pixel, QByteArray("no profile at all")), pixel);
    EXPECT_EQ(conversion.shown(pixel, p3.left(p3.size() / 2)), pixel) << "a profile cut short";
    cmsToneCurve* gamma = cmsBuildGamma(nullptr, 2.2);
    const cmsCIExyY white = {0.3127, 0.3290, 1.0};
    EXPECT_EQ(conversion.shown(pixel, savedProfile(cmsCreateGrayProfile(&white, gamma))), pixel);
    cmsFreeToneCurve(gamma);
    EXPECT_EQ(conversion.shown(pixel, p3), RGB(215, 93, 31)) << "made anew when the profile comes back";
}

// Where the screen showed a colour beyond sRGB, the pick keeps it as the wide colour: P3's green
// is oklch(0.84883 0.36853 145.645) by colorjs.io, clipped into sRGB for the fallback.
TEST(ScreenColorConversion, APickBeyondSrgbKeepsTheColourTheScreenShowed)
{
    ScreenColorConversion conversion;
    const QByteArray p3 = displayP3Profile();
    const WideColor green = conversion.shownWide(RGB(0, 255, 0), p3);
    EXPECT_EQ(green.srgb, conversion.shown(RGB(0, 255, 0), p3));
    ASSERT_TRUE(green.wide);
    EXPECT_NEAR(green.wide->L, 0.84883, 0.002);
    EXPECT_NEAR(green.wide->C, 0.36853, 0.002);
    EXPECT_NEAR(green.wide->h, 145.645, 0.2);
    EXPECT_EQ(conversion.shownWide(RGB(200, 100, 50), p3), (WideColor{RGB(215, 93, 31), std::nullopt})) << "inside sRGB";
    EXPECT_EQ(conversion.shownWide(RGB(0, 255, 0), {}), (WideColor{RGB(0, 255, 0), std::nullopt})) << "no profile";
}
