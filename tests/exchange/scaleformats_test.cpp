#include "exchange/paletteformats.h"
#include "exchange/scaleformats.h"

#include "color/colortext.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <set>

using namespace Tintara;

namespace {

// Two reached steps and an unreachable contrast target, with the ratios the text listing prints.
std::vector<ScaleStep> sampleScale()
{
    ScaleStep pale{"50", RGB(0xEF, 0xF6, 0xFF), 1.0747, 19.54, 0, 0};
    ScaleStep strong{"4.5", RGB(0x25, 0x63, 0xEB), 5.1727, 4.0597, 0, 0};
    ScaleStep missing{"22", std::nullopt};
    return {pale, strong, missing};
}

} // namespace

TEST(ScaleFormats, EachWriterByteForByte)
{
    const std::vector<ScaleStep> steps = sampleScale();
    EXPECT_EQ(scaleCssVariables("primary", steps).toStdString(),
              ":root {\n  --primary-50: #eff6ff;\n  --primary-4_5: #2563eb;\n}\n");
    EXPECT_EQ(scaleTailwindTheme("Brand Blue", steps).toStdString(),
              "@theme {\n  --color-Brand-Blue-50: oklch(0.970 0.014 254.6);\n"
              "  --color-Brand-Blue-4_5: oklch(0.546 0.215 262.9);\n}\n");
    EXPECT_EQ(scaleGimpPalette("primary", steps).toStdString(),
              "GIMP Palette\nName: primary\nColumns: 3\n#\n239 246 255\tprimary-50\n 37  99 235\tprimary-4_5\n");
    EXPECT_EQ(scaleText(steps).toStdString(), "50 #EFF6FF 1.07 19.54\n4.5 #2563EB 5.17 4.05\n22 - - -\n");
    EXPECT_EQ(scaleDesignTokens("primary", steps).toStdString(),
              "{\n  \"primary\": {\n"
              "    \"50\": {\n      \"$type\": \"color\",\n      \"$value\": {\n        \"colorSpace\": \"srgb\",\n"
              "        \"components\": [0.9373, 0.9647, 1],\n        \"hex\": \"#eff6ff\"\n      }\n    },\n"
              "    \"4_5\": {\n      \"$type\": \"color\",\n      \"$value\": {\n        \"colorSpace\": \"srgb\",\n"
              "        \"components\": [0.1451, 0.3882, 0.9216],\n        \"hex\": \"#2563eb\"\n      }\n    }\n"
              "  }\n}\n");
    EXPECT_EQ(scaleDesignTokens("primary", steps, TokenValue::Hex).toStdString(),
              "{\n  \"primary\": {\n"
              "    \"50\": {\n      \"$type\": \"color\",\n      \"$value\": \"#eff6ff\"\n    },\n"
              "    \"4_5\": {\n      \"$type\": \"color\",\n      \"$value\": \"#2563eb\"\n    }\n"
              "  }\n}\n");
    EXPECT_EQ(scaleIdentifier("  "), "primary");
    EXPECT_EQ(scaleIdentifier("Grün / 2"), "Grün-2");

    // A Display P3 step beyond sRGB: its fallback stays, its wide colour goes beside it.
    std::vector<ScaleStep> wide = steps;
    wide[1].wide = Oklch{0.6486, 0.2995, 28.96}; // color(display-p3 1 0 0), colorjs.io 0.5.2
    wide[1].color = RGB(0xFF, 0x0B, 0x0C);
    wide[0].wide = toOklch(*wide[0].color); // inside sRGB: nothing beside it
    EXPECT_EQ(scaleCssVariables("primary", wide).toStdString(),
              ":root {\n  --primary-50: #eff6ff;\n  --primary-4_5: #ff0b0c;\n}\n"
              "@supports (color: color(display-p3 0 0 0)) {\n  :root {\n"
              "    --primary-4_5: color(display-p3 1.000 0.000 0.000);\n  }\n}\n");
    EXPECT_TRUE(scaleTailwindTheme("primary", wide).contains("--color-primary-4_5: oklch(0.6486 0.2995 28.96);"));
    const QByteArray tokens = scaleDesignTokens("primary", wide);
    EXPECT_TRUE(tokens.contains("\"colorSpace\": \"display-p3\",\n        \"components\": [1, 0, 0],\n"
                                "        \"hex\": \"#ff0b0c\"")) << tokens.toStdString();
    EXPECT_EQ(tokens.count("display-p3"), 1);
    EXPECT_TRUE(scaleDesignTokens("primary", wide, TokenValue::Hex).contains("\"$value\": \"#ff0b0c\""));
    EXPECT_TRUE(scaleText(wide).contains("\n4.5 #FF0B0C 5.17 4.05 color(display-p3 1.000 0.000 0.000)\n"))
        << scaleText(wide).toStdString();

    // APCA targets list their signed Lc on white and on black instead of the ratios.
    std::vector<ScaleStep> apca = steps;
    for (ScaleStep& step : apca)
        step.measure = ContrastMeasure::Apca;
    apca[1].lcOnWhite = 74.87;
    apca[1].lcOnBlack = -26.94;
    EXPECT_EQ(scaleText(apca).toStdString(), "50 #EFF6FF 0.0 0.0\n4.5 #2563EB 74.9 -26.9\n22 - - -\n");
}

// A theme is written with one precision: the fewest decimals with which every step reads back.
// #853913 needs a fourth decimal, so every line has four (hue two).
TEST(ScaleFormats, ATailwindThemeHasOnePrecisionThatReadsBackEveryStep)
{
    std::vector<ScaleStep> steps = tonalScale(RGB(0x25, 0x63, 0xEB));
    steps.push_back({"rust", RGB(0x85, 0x39, 0x13)});
    const QStringList lines = QString::fromUtf8(scaleTailwindTheme("primary", steps)).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), int(steps.size()) + 2);
    const QRegularExpression oklch(QStringLiteral("oklch\\((\\d\\.(\\d+)) (\\d\\.(\\d+)) (\\d+\\.(\\d+))\\)"));
    std::set<std::vector<qsizetype>> precisions;
    for (std::size_t n = 0; n < steps.size(); ++n) {
        const QRegularExpressionMatch match = oklch.match(lines[int(n) + 1]);
        ASSERT_TRUE(match.hasMatch()) << lines[int(n) + 1].toStdString();
        precisions.insert({match.capturedLength(2), match.capturedLength(4), match.capturedLength(6)});
        EXPECT_EQ(colorFromText(match.captured(0).toStdString()), steps[n].color) << match.captured(0).toStdString();
    }
    EXPECT_EQ(precisions, (std::set<std::vector<qsizetype>>{{4, 4, 2}}));
    // Where three decimals read back for every step, three it is.
    const std::vector<ScaleStep> pair = {{"1", RGB(0xEF, 0xF6, 0xFF)}, {"2", RGB(0x25, 0x63, 0xEB)}};
    EXPECT_TRUE(scaleTailwindTheme("p", pair).contains("oklch(0.546 0.215 262.9)"));
}

// What the program writes, its own readers read back: the token file (whose reader goes by the
// JSON object's sorted keys, so the order is not kept) and the GIMP palette.
TEST(ScaleFormats, TokensAndPaletteReadBackAsTheScale)
{
    const std::vector<ScaleStep> steps = tonalScale(RGB(0x25, 0x63, 0xEB));
    std::multiset<TColor> written;
    for (const ScaleStep& step : steps)
        written.insert(*step.color);
    for (const PaletteRead& read : {readDesignTokens(scaleDesignTokens("primary", steps)),
                                    readGimpPalette(scaleGimpPalette("primary", steps))}) {
        ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
        std::multiset<TColor> colours;
        for (const PaletteEntry& entry : read.entries)
            colours.insert(entry.color);
        EXPECT_EQ(colours, written);
    }
    EXPECT_EQ(readGimpPalette(scaleGimpPalette("primary", steps)).entries[6].color, RGB(0x25, 0x63, 0xEB));
    EXPECT_EQ(scaleFormatNamed("tailwind"), ScaleFormat::Tailwind);
    EXPECT_FALSE(scaleFormatNamed("ase"));
}
