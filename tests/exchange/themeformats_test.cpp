#include "exchange/paletteformats.h"
#include "exchange/themeformats.h"

#include <gtest/gtest.h>

using namespace Tintara;

namespace {

// White on slot 1 as the background, #333333 of its own as the text; the derived dark colours are
// #121212 and #D4D4D4 (colorjs.io: OKLCH L 0.1822 and 0.8699, WCAG 12.639 against 12.635 in light).
SchemeSlots smallTheme()
{
    SchemeSlots scheme;
    scheme.colors[0] = clWhite;
    scheme.used[0] = 1;
    scheme.roles.light[roleIndex(Role::Background)] = RoleColor{1, 0};
    scheme.roles.light[roleIndex(Role::Text)] = RoleColor{0, RGB(0x33, 0x33, 0x33)};
    return scheme;
}

} // namespace

TEST(ThemeFormats, EachFileGivesBothModes)
{
    const SchemeSlots scheme = smallTheme();
    EXPECT_EQ(themeCss(scheme).toStdString(),
              ":root {\n  color-scheme: light dark;\n  --background: #ffffff;\n  --text: #333333;\n}\n"
              "@supports (color: light-dark(#000, #fff)) {\n  :root {\n"
              "    --background: light-dark(#ffffff, #121212);\n    --text: light-dark(#333333, #d4d4d4);\n  }\n}\n"
              "@media (prefers-color-scheme: dark) {\n  :root {\n    --background: #121212;\n    --text: #d4d4d4;\n  }\n}\n"
              ".dark {\n  color-scheme: dark;\n  --background: #121212;\n  --text: #d4d4d4;\n}\n");
    EXPECT_EQ(themeTailwind(scheme).toStdString(),
              "@theme {\n  --color-background: oklch(1.000 0.000 0.0);\n  --color-text: oklch(0.321 0.000 0.0);\n}\n"
              "@layer base {\n  :root {\n    @variant dark {\n      --color-background: oklch(0.182 0.000 0.0);\n"
              "      --color-text: oklch(0.870 0.000 0.0);\n    }\n  }\n}\n");
    const std::string tokens = themeTokens(scheme, TokenValue::Hex).toStdString();
    EXPECT_EQ(tokens.find("\"light\": {\n    \"background\": {\n      \"$type\": \"color\",\n      \"$value\": \"#ffffff\""),
              4u)
        << tokens;
    EXPECT_NE(tokens.find("\"dark\": {\n    \"background\": {\n      \"$type\": \"color\",\n      \"$value\": \"#121212\""),
              std::string::npos);
    EXPECT_NE(themeTokens(scheme).indexOf("\"hex\": \"#d4d4d4\""), -1) << "the object form by default";
    EXPECT_EQ(paletteFile(PaletteFormat::ThemeCss, scheme, {}), themeCss(scheme));

    SchemeSlots slotGone = scheme; // a role following an empty slot has no colour, and is left out
    slotGone.used[0] = 0;
    EXPECT_FALSE(themeCss(slotGone).contains("--background"));
    EXPECT_TRUE(themeCss(slotGone).contains("--text: #333333;"));
}
