#include "color/colortext.h"
#include "color/notation.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Tintara;

TEST(ColorFromText, AcceptsEveryWayAColourIsWritten)
{
    const struct {
        const char* text;
        std::optional<TColor> color;
    } cases[] = {
        {"#3A7BD5", RGB(0x3A, 0x7B, 0xD5)},
        {"  #3a7bd5\n", RGB(0x3A, 0x7B, 0xD5)},
        {"#fa0", RGB(0xFF, 0xAA, 0x00)},
        {"3A7BD5", RGB(0x3A, 0x7B, 0xD5)},
        {"58, 123, 213", RGB(58, 123, 213)},
        {"58;123;213", RGB(58, 123, 213)},
        {"$00D57B3A", RGB(0x3A, 0x7B, 0xD5)},
        {"0xD57B3A", RGB(0x3A, 0x7B, 0xD5)},
        {"&HD57B3A", RGB(0x3A, 0x7B, 0xD5)},
        {"clRed", RGB(255, 0, 0)},
        {"CLNAVY", RGB(0, 0, 128)},
        {"rgb(232 115 28)", RGB(232, 115, 28)},
        {"RGB( 232 , 115 , 28 )", RGB(232, 115, 28)},
        {"rgba(232, 115, 28, 0.5)", RGB(232, 115, 28)},
        {"rgb(232 115 28 / 50%)", RGB(232, 115, 28)},
        {"rgb(100% 0% 50%)", RGB(255, 0, 128)},
        {"rgb(300 -5 28)", RGB(255, 0, 28)},
        {"hsl(0 100% 50%)", RGB(255, 0, 0)},
        {"hsl(120deg, 100%, 25%)", RGB(0, 128, 0)},
        {"hsla(-120 100% 50% / 1)", RGB(0, 0, 255)},
        {"hsl(0 0% 100%)", clWhite},
        {"oklch(1 0 0)", clWhite},
        {"oklch(0% 0 0)", clBlack},
        {"oklch(0.628 0.258 29.2)", RGB(255, 0, 0)},
        {"", std::nullopt},
        {"#3A7BD", std::nullopt},
        {"#3A7BDG", std::nullopt},
        {"Hallo", std::nullopt},
        {"$FF00000F", std::nullopt}, // a system colour has no value of its own
        {"clBtnFace", std::nullopt},
        {"1,2", std::nullopt},
        {"1,2,3,4", std::nullopt},
        {"256,0,0", std::nullopt},
        {"0;127;255;0", std::nullopt}, // CMYK is no screen colour
        {"rgb(1 2)", std::nullopt},
        {"rgb(1 2 x)", std::nullopt},
        {"hsl(10% 50% 50%)", std::nullopt},
        {"oklch(0.5 0.1 nan)", std::nullopt},
        {"rgb 1 2 3", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(colorFromText(c.text), c.color) << c.text;
}

// What the program copies comes back as the same colour; the rounded style-sheet notations
// within their rounding.
TEST(ColorFromText, ReadsBackEveryCopiedNotation)
{
    for (const TColor color : {RGB(232, 115, 28), RGB(0x3A, 0x7B, 0xD5), RGB(1, 254, 128), clBlack, clWhite}) {
        for (int notation = 0; notation < NotationCount; ++notation) {
            if (notation == NotationCmyk)
                continue;
            const std::string text = ColorNotation(color, notation);
            const auto read = colorFromText(text);
            ASSERT_TRUE(read) << text;
            const int tolerance = notation == NotationCssHsl ? 3 : notation == NotationCssOklch ? 1 : 0;
            EXPECT_LE(std::abs(redOf(*read) - redOf(color)), tolerance) << text;
            EXPECT_LE(std::abs(greenOf(*read) - greenOf(color)), tolerance) << text;
            EXPECT_LE(std::abs(blueOf(*read) - blueOf(color)), tolerance) << text;
        }
    }
}
