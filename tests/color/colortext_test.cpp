#include "color/colortext.h"
#include "color/notation.h"

#include <gtest/gtest.h>

#include <future>
#include <vector>

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
        {"0;127;255;0", RGB(255, 128, 0)}, // the CMYK notation
        {"96;199;0;20", RGB(139, 36, 235)},
        {"0;0;0;256", std::nullopt},
        {"200;0;0;100", std::nullopt}, // more ink than a channel has
        {"12,0,0", RGB(12, 0, 0)}, // six characters, yet no hex
        {"10;0;0", RGB(10, 0, 0)},
        {"rgb(1 2)", std::nullopt},
        {"rgb(1 2 x)", std::nullopt},
        {"hsl(10% 50% 50%)", std::nullopt},
        {"oklch(0.5 0.1 nan)", std::nullopt},
        {"rgb 1 2 3", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(colorFromText(c.text), c.color) << c.text;
}

// What designers paste from style sheets of today; the expected colours are culori 4's reading.
TEST(ColorFromText, ReadsCssColour4)
{
    const struct {
        const char* text;
        std::optional<TColor> color;
    } cases[] = {
        {"#3A7BD580", RGB(0x3A, 0x7B, 0xD5)},
        {"#fa08", RGB(0xFF, 0xAA, 0x00)},
        {"rebeccapurple", RGB(0x66, 0x33, 0x99)},
        {" CornflowerBlue ", RGB(0x64, 0x95, 0xED)},
        {"orange", RGB(0xFF, 0xA5, 0x00)},
        {"hsl(0.5turn 100% 50%)", RGB(0, 255, 255)},
        {"hsl(3.14159rad 100% 50%)", RGB(0, 255, 255)},
        {"hsl(200grad 100% 50%)", RGB(0, 255, 255)},
        {"hsl(none 0% 40%)", RGB(0x66, 0x66, 0x66)},
        {"hsl(90deg 100% 50% / 0.3)", RGB(0x80, 0xFF, 0x00)},
        {"rgb(none 128 255)", RGB(0, 128, 255)},
        {"oklch(0.7 none 120)", RGB(0x9E, 0x9E, 0x9E)},
        {"oklch(70% 0.1 0.25turn)", RGB(0xB7, 0x9C, 0x51)},
        {"oklch(0.5 50% 200)", RGB(0x00, 0x74, 0x7B)}, // outside sRGB: gamut-mapped as colorjs.io does
        {"transparent", std::nullopt},
        {"#3A7BD58", std::nullopt},
        {"#3A7BD5800", std::nullopt},
        {"hsl(10turns 50% 50%)", std::nullopt},
        {"hsl(1e308turn 50% 50%)", std::nullopt}, // no angle beyond the numbers
        {"bluish", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(colorFromText(c.text), c.color) << c.text;
    EXPECT_TRUE(namesTransparency(" Transparent"));
    EXPECT_FALSE(namesTransparency("rebeccapurple"));
}

// Every notation the program copies reads back through its row's reader to exactly the colour
// copied. A sample of every 97th colour; color_bench's EveryNotationReadsBackForAllColours sweeps
// them all.
TEST(ColorFromText, EveryCopiedNotationReadsBackExactly)
{
    std::vector<std::future<void>> notations;
    for (const NotationRow& row : notationTable) {
        notations.push_back(std::async(std::launch::async, [&row] {
            int wrong = 0;
            for (TColor color = 0; color <= clWhite && wrong < 5; color += 97) {
                const std::string text = row.format(color);
                if (row.read(text) != color) {
                    ADD_FAILURE() << text << " does not read back as colour " << color;
                    ++wrong;
                }
            }
        }));
    }
    for (auto& notation : notations)
        notation.get();
}
