#include "color/cvd.h"
#include "color/notation.h"
#include "support/exactdeficiency.h"

#include <gtest/gtest.h>

using namespace Tintara;

namespace {

std::string html(TColor color)
{
    return ColorNotation(color, NotationHtml);
}

void expectMatrix(const Matrix3& actual, const Matrix3& expected, const char* what)
{
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-9) << what << " element " << i;
}

} // namespace

TEST(Deficiency, MatricesAsPublishedAndBetweenTheirTenths)
{
    expectMatrix(deficiencyMatrix(Deficiency::Protanopia, 1.0),
                 {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998},
                 "protanopia 1.0");
    expectMatrix(deficiencyMatrix(Deficiency::Deuteranopia, 1.0),
                 {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881},
                 "deuteranopia 1.0");
    expectMatrix(deficiencyMatrix(Deficiency::Tritanopia, 1.0),
                 {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900},
                 "tritanopia 1.0");
    expectMatrix(deficiencyMatrix(Deficiency::Tritanopia, 0.3),
                 {0.905871, 0.127791, -0.033662, 0.026856, 0.941251, 0.031893, 0.013410, 0.148296, 0.838294},
                 "tritanopia 0.3");
    // Halfway between the published 0.5 and 0.6 matrices.
    expectMatrix(deficiencyMatrix(Deficiency::Deuteranopia, 0.55),
                 {0.523179, 0.641253, -0.1644315, 0.1934455, 0.768307, 0.0382475, -0.0107705, 0.029122, 0.981649},
                 "deuteranopia 0.55");
    expectMatrix(deficiencyMatrix(Deficiency::Protanopia, 0.0), {1, 0, 0, 0, 1, 0, 0, 0, 1}, "severity 0");
    expectMatrix(deficiencyMatrix(Deficiency::Protanopia, 0.05),
                 {0.9280835, 0.091019, -0.0191025, 0.014671, 0.9775575, 0.007772, -0.00144, -0.0007815, 1.0022215},
                 "protanopia 0.05");
}

TEST(Deficiency, ColoursAsSeenWithEachDeficiency)
{
    const struct {
        Deficiency deficiency;
        TColor red, green, blue, orange;
    } cases[] = {
        {Deficiency::Protanopia, 0x005F6D, 0x00E5FF, 0xFF5900, 0x0091A6},
        {Deficiency::Deuteranopia, 0x0090A3, 0x3AD6EF, 0xFB3D00, 0x00AEC4},
        {Deficiency::Tritanopia, 0x0F00FF, 0xD9F700, 0x966B00, 0x6D62FF},
        {Deficiency::Achromatopsia, 0x7F7F7F, 0xDCDCDC, 0x4C4C4C, 0xA3A3A3},
    };
    for (const auto& c : cases) {
        const Matrix3 m = deficiencyMatrix(c.deficiency, 1.0);
        EXPECT_EQ(html(simulateDeficiency(RGB(255, 0, 0), m)), html(c.red));
        EXPECT_EQ(html(simulateDeficiency(RGB(0, 255, 0), m)), html(c.green));
        EXPECT_EQ(html(simulateDeficiency(RGB(0, 0, 255), m)), html(c.blue));
        EXPECT_EQ(html(simulateDeficiency(RGB(255, 128, 0), m)), html(c.orange));
        EXPECT_EQ(simulateDeficiency(RGB(128, 128, 128), m), RGB(128, 128, 128)) << "greys stay";
    }
}

TEST(Deficiency, NormalVisionGivesEveryColourBackAndPicturesKeepTheirAlpha)
{
    const Matrix3 normal = deficiencyMatrix(Deficiency::Tritanopia, 0.0);
    for (int v = 0; v < 256; ++v)
        ASSERT_EQ(simulateDeficiency(RGB(v, 255 - v, v / 2), normal), RGB(v, 255 - v, v / 2)) << v;

    std::uint32_t pixels[] = {0x80FF0000u, 0xFF00FF00u};
    simulateDeficiency(pixels, deficiencyMatrix(Deficiency::Protanopia, 1.0));
    EXPECT_EQ(pixels[0], 0x806D5F00u);
    EXPECT_EQ(pixels[1], 0xFFFFE500u);
}

// The quick way back to sRGB gives what exact rounding gives (the reference computes the transfer
// functions with std::pow), for every 97th colour of each deficiency; color_bench's
// EveryColourAsSeenIsRoundedExactly sweeps them all.
TEST(Deficiency, EveryColourAsSeenIsRoundedExactly)
{
    EXPECT_EQ(html(simulateDeficiency(RGB(0x2A, 0, 0), deficiencyMatrix(Deficiency::Protanopia, 1.0))), "#0C0900");
    for (const Deficiency d : {Deficiency::Protanopia, Deficiency::Deuteranopia, Deficiency::Tritanopia}) {
        const Matrix3 m = deficiencyMatrix(d, 1.0);
        int wrong = 0;
        for (TColor c = 0; c <= clWhite && wrong < 5; c += 97) {
            const TColor exact = Testing::exactlySeen(c, m);
            if (simulateDeficiency(c, m) != exact) {
                ADD_FAILURE() << html(c) << " is seen as " << html(simulateDeficiency(c, m)) << ", exactly " << html(exact);
                ++wrong;
            }
        }
    }
}
