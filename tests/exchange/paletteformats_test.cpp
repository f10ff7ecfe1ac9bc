#include "exchange/paletteformats.h"
#include "exchange/palettenames.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstring>

using namespace Tintara;

namespace {

void use(SchemeSlots& scheme, int slot, TColor color, const char* info)
{
    scheme.colors[slot - 1] = color;
    scheme.used[slot - 1] = 1;
    scheme.infos[slot - 1] = QString::fromUtf8(info);
}

// Used and unused slots, umlauts and blanks, an empty info text and a repeated one.
SchemeSlots sampleScheme()
{
    SchemeSlots scheme;
    const auto use = [&](int slot, TColor color, const char* info) { ::use(scheme, slot, color, info); };
    use(1, RGB(0xE8, 0x73, 0x1C), "Hintergrund Creme – für Fläche");
    scheme.colors[1] = RGB(1, 2, 3); // slot 2 holds a colour but is not used
    use(3, RGB(0x1C, 0x73, 0xE8), "");
    use(4, clWhite, "Hintergrund Creme – für Fläche");
    use(5, clBlack, "Text");
    return scheme;
}

const std::vector<PaletteEntry> sampleEntries = {
    {RGB(0xE8, 0x73, 0x1C), QString::fromUtf8("Hintergrund Creme – für Fläche")},
    {RGB(0x1C, 0x73, 0xE8), "Farbe 3"},
    {clWhite, QString::fromUtf8("Hintergrund Creme – für Fläche")},
    {clBlack, "Text"},
};

} // namespace

TEST(PaletteNames, ReadableIdentifiers)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Hintergrund Creme – für Fläche", "hintergrund-creme-fuer-flaeche"},
        {"  Größe: 12px!  ", "groesse-12px"},
        {"ÄÖÜ straße", "aeoeue-strasse"},
        {"– – –", ""},
    };
    for (const auto& [info, name] : cases)
        EXPECT_EQ(readableIdentifier(QString::fromUtf8(info)).toStdString(), name) << info;
    const QString infos[] = {"Akzent", "", "Akzent", "akzent!", "Akzent-2"};
    const int slotNumbers[] = {1, 2, 5, 7, 9};
    EXPECT_EQ(uniqueReadableNames(infos, slotNumbers),
              (QStringList{"akzent", "farbe-2", "akzent-2", "akzent-3", "akzent-2-2"}));
}

TEST(PaletteFormats, GimpPaletteBytesAndReadingBack)
{
    const QByteArray expected = "GIMP Palette\nName: Farben\nColumns: 16\n#\n"
                                "232 115  28\tHintergrund Creme – für Fläche\n"
                                " 28 115 232\tFarbe 3\n"
                                "255 255 255\tHintergrund Creme – für Fläche\n"
                                "  0   0   0\tText\n";
    const QByteArray bytes = gimpPalette(sampleScheme(), "Farben");
    EXPECT_EQ(bytes, expected);
    const PaletteRead read = readGimpPalette(bytes);
    EXPECT_TRUE(read.error.isEmpty());
    EXPECT_EQ(read.entries, sampleEntries);
    EXPECT_FALSE(readGimpPalette("GIMP Palette\n300 0 0 zu hell\n").error.isEmpty());
    EXPECT_EQ(readGimpPalette("JASC-PAL\n").error, "Die Datei ist keine GIMP-Palette.");
}

TEST(PaletteFormats, AdobeSwatchExchangeFieldByFieldAndReadingBack)
{
    const QByteArray bytes = adobeSwatchExchange(sampleScheme());
    const auto u16 = [&](int at) { return qFromBigEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [&](int at) { return qFromBigEndian<quint32>(bytes.constData() + at); };
    const auto f32 = [&](int at) {
        const quint32 raw = u32(at);
        float f;
        std::memcpy(&f, &raw, 4);
        return f;
    };
    EXPECT_EQ(bytes.left(4), "ASEF");
    EXPECT_EQ(u16(4), 1);
    EXPECT_EQ(u16(6), 0);
    EXPECT_EQ(u32(8), 4u) << "one block per used slot";
    // First block: a colour entry named "Hintergrund Creme – für Fläche" in UTF-16 (30 units and the zero).
    EXPECT_EQ(u16(12), 0x0001);
    EXPECT_EQ(u32(14), 2u + 62 + 4 + 12 + 2);
    EXPECT_EQ(u16(18), 31);
    EXPECT_EQ(u16(20), 'H');
    EXPECT_EQ(u16(20 + 2 * 18), 0x2013); // the dash
    EXPECT_EQ(u16(20 + 2 * 21), 0x00FC); // ü
    EXPECT_EQ(u16(20 + 2 * 30), 0);
    EXPECT_EQ(bytes.mid(82, 4), "RGB ");
    EXPECT_FLOAT_EQ(f32(86), 232 / 255.0f);
    EXPECT_FLOAT_EQ(f32(90), 115 / 255.0f);
    EXPECT_FLOAT_EQ(f32(94), 28 / 255.0f);
    EXPECT_EQ(u16(98), 0) << "global colour";
    // Second block starts right after: "Farbe 3".
    EXPECT_EQ(u16(100), 0x0001);
    EXPECT_EQ(u16(106), 8);
    EXPECT_EQ(bytes.size(), 12 + 88 + (6 + 2 + 16 + 18) + 88 + (6 + 2 + 10 + 18));

    const PaletteRead read = readAdobeSwatchExchange(bytes);
    EXPECT_TRUE(read.error.isEmpty());
    EXPECT_EQ(read.entries, sampleEntries);
    EXPECT_EQ(readAdobeSwatchExchange(bytes.left(bytes.size() - 5)).error,
              "Die Adobe-Swatch-Exchange-Datei ist unvollständig.");
    EXPECT_EQ(readAdobeSwatchExchange("GIMP").error, "Die Datei ist keine Adobe-Swatch-Exchange-Datei.");
}

// Names in any script survive both palette formats; a tab would end a GIMP name early.
TEST(PaletteFormats, SwatchNamesKeepEveryScript)
{
    SchemeSlots scheme;
    const char* infos[] = {"Grün", "日本語", "Rot\tKante", " "};
    for (int n = 0; n < 4; ++n) {
        scheme.used[n] = 1;
        scheme.infos[n] = QString::fromUtf8(infos[n]);
    }
    const std::vector<QString> names = {QString::fromUtf8("Grün"), QString::fromUtf8("日本語"), "Rot Kante", "Farbe 4"};
    for (const PaletteRead& read : {readGimpPalette(gimpPalette(scheme, "S")), readAdobeSwatchExchange(adobeSwatchExchange(scheme))}) {
        ASSERT_EQ(read.entries.size(), names.size());
        for (std::size_t i = 0; i < names.size(); ++i)
            EXPECT_EQ(read.entries[i].name, names[i]);
    }
}

TEST(PaletteFormats, CssVariablesAndDesignTokens)
{
    EXPECT_EQ(cssVariables(sampleScheme()).toStdString(),
              ":root {\n"
              "  --hintergrund-creme-fuer-flaeche: #e8731c;\n"
              "  --farbe-3: #1c73e8;\n"
              "  --hintergrund-creme-fuer-flaeche-2: #ffffff;\n"
              "  --text: #000000;\n"
              "}\n");
    const std::string token = "  \"text\": {\n"
                              "    \"$type\": \"color\",\n"
                              "    \"$value\": {\n"
                              "      \"colorSpace\": \"srgb\",\n"
                              "      \"components\": [0, 0, 0],\n"
                              "      \"hex\": \"#000000\"\n"
                              "    },\n"
                              "    \"$description\": \"Text\"\n"
                              "  }\n"
                              "}\n";
    const std::string tokens = designTokens(sampleScheme()).toStdString();
    EXPECT_EQ(tokens.substr(0, 2), "{\n");
    EXPECT_NE(tokens.find("\"hintergrund-creme-fuer-flaeche\": {"), std::string::npos);
    EXPECT_NE(tokens.find("\"components\": [0.9098, 0.451, 0.1098],\n      \"hex\": \"#e8731c\""), std::string::npos);
    EXPECT_NE(tokens.find("\"$description\": \"Hintergrund Creme – für Fläche\""), std::string::npos);
    EXPECT_NE(tokens.find("  \"farbe-3\": {\n    \"$type\": \"color\",\n    \"$value\": {\n      \"colorSpace\": \"srgb\",\n"
                          "      \"components\": [0.1098, 0.451, 0.9098],\n      \"hex\": \"#1c73e8\"\n    }\n  },\n"),
              std::string::npos)
        << "no description where there is no info text";
    EXPECT_EQ(tokens.substr(tokens.size() - token.size()), token);
    EXPECT_EQ(designTokens(SchemeSlots{}).toStdString(), "{\n}\n");

    // A token name becomes a JavaScript identifier in Style Dictionary: no digit first.
    SchemeSlots link;
    link.used[0] = link.used[1] = 1;
    link.infos[0] = "1. Link";
    link.infos[1] = "Farbe 1 Link";
    EXPECT_NE(designTokens(link).indexOf("\"farbe-1-link\": {"), -1);
    EXPECT_NE(designTokens(link).indexOf("\"farbe-1-link-2\": {"), -1);
    EXPECT_NE(cssVariables(link).indexOf("--1-link: #000000;"), -1) << "custom properties may start with a digit";
}

// Info texts like "primary-500" make groups, as a scale put into the scheme names its slots; the
// names a slot gets without an info text, and a group that is also a token's own name, stay flat.
TEST(PaletteFormats, DesignTokensGroupNameStepInfoTextsAndGiveHexWhereAsked)
{
    SchemeSlots scheme;
    const auto use = [&](int slot, TColor color, const char* info) { ::use(scheme, slot, color, info); };
    use(1, RGB(0x25, 0x63, 0xEB), "primary-500");
    use(2, RGB(0xEC, 0xF3, 0xFE), "primary-50");
    use(3, RGB(0xFF, 0, 0), "Akzent Rot");
    use(4, clBlack, "");
    use(5, RGB(0x11, 0x22, 0x33), "brand");
    use(6, RGB(0x44, 0x55, 0x66), "brand-100");
    const QJsonObject root = QJsonDocument::fromJson(designTokens(scheme)).object();
    EXPECT_EQ(root.keys(), (QStringList{"akzent-rot", "brand", "brand-100", "farbe-4", "primary"}));
    EXPECT_EQ(root["primary"].toObject().keys(), (QStringList{"50", "500"}));
    EXPECT_EQ(root["primary"]["500"]["$value"]["hex"].toString(), "#2563eb");
    EXPECT_EQ(root["primary"]["500"]["$description"].toString(), "primary-500");
    EXPECT_EQ(root["brand"]["$value"]["hex"].toString(), "#112233");
    EXPECT_EQ(root["brand-100"]["$value"]["hex"].toString(), "#445566");
    const QByteArray written = designTokens(scheme);
    EXPECT_LT(written.indexOf("\"primary\""), written.indexOf("\"akzent-rot\"")) << "groups stand where they begin";

    const QJsonObject hex = QJsonDocument::fromJson(designTokens(scheme, TokenValue::Hex)).object();
    EXPECT_EQ(hex["primary"]["500"]["$value"].toString(), "#2563eb");
    EXPECT_EQ(hex["farbe-4"]["$value"].toString(), "#000000");
    for (const QByteArray& tokens : {designTokens(scheme), designTokens(scheme, TokenValue::Hex)}) {
        const PaletteRead read = readDesignTokens(tokens);
        ASSERT_EQ(read.entries.size(), 6u);
        EXPECT_EQ(read.entries.back().name, "primary.500");
        EXPECT_EQ(read.entries.back().color, RGB(0x25, 0x63, 0xEB));
    }
}

// Tailwind v4's theme: one line per used slot, one precision for all, the readable names. The
// figures are culori's (4.0) for the three colours.
TEST(PaletteFormats, TailwindThemeOfTheScheme)
{
    SchemeSlots scheme;
    scheme.used = {1, 0, 1, 1};
    scheme.colors = {RGB(0x25, 0x63, 0xEB), RGB(9, 9, 9), RGB(0x85, 0x39, 0x13), clWhite};
    scheme.infos = {"primary-500", "", "Rost", ""};
    EXPECT_EQ(tailwindTheme(scheme).toStdString(), "@theme {\n"
                                                   "  --color-primary-500: oklch(0.5461 0.2152 262.88);\n"
                                                   "  --color-rost: oklch(0.4416 0.1153 43.73);\n"
                                                   "  --color-farbe-4: oklch(1.0000 0.0000 0.00);\n"
                                                   "}\n");
    EXPECT_EQ(paletteFile(PaletteFormat::Tailwind, scheme, "x"), tailwindTheme(scheme));
    EXPECT_EQ(tailwindTheme(SchemeSlots{}).toStdString(), "@theme {\n}\n");
}

// A slot's colour beyond sRGB goes beside its fallback: CSS variables again in an @supports block,
// tokens in the Display P3 object form, Tailwind as oklch() (color(display-p3 1 0 0), colorjs.io).
TEST(PaletteFormats, WideColoursGoBesideTheirFallback)
{
    SchemeSlots scheme;
    use(scheme, 1, RGB(0xFF, 0x0B, 0x0C), "brand-500");
    use(scheme, 2, RGB(0x25, 0x63, 0xEB), "");
    scheme.wide[0] = Oklch{0.6486, 0.2995, 28.96};
    EXPECT_EQ(cssVariables(scheme).toStdString(), ":root {\n  --brand-500: #ff0b0c;\n  --farbe-2: #2563eb;\n}\n"
                                                 "@supports (color: color(display-p3 0 0 0)) {\n  :root {\n"
                                                 "    --brand-500: color(display-p3 1.000 0.000 0.000);\n  }\n}\n");
    EXPECT_TRUE(tailwindTheme(scheme).contains("  --color-brand-500: oklch(0.6486 0.2995 28.96);\n"));
    const QJsonObject tokens = QJsonDocument::fromJson(designTokens(scheme)).object();
    EXPECT_EQ(tokens["brand"]["500"]["$value"]["colorSpace"].toString(), "display-p3");
    EXPECT_EQ(tokens["brand"]["500"]["$value"]["hex"].toString(), "#ff0b0c");
    EXPECT_EQ(tokens["farbe-2"]["$value"]["colorSpace"].toString(), "srgb");
    const QJsonObject hex = QJsonDocument::fromJson(designTokens(scheme, TokenValue::Hex)).object();
    EXPECT_EQ(hex["brand"]["500"]["$value"].toString(), "#ff0b0c");
    EXPECT_EQ(readDesignTokens(designTokens(scheme)).entries.front().color, RGB(0xFF, 0x0B, 0x0C));
    // A wide colour sRGB holds after all adds nothing.
    scheme.wide[0] = Oklch{0.5461, 0.2152, 262.88};
    scheme.colors[0] = RGB(0x25, 0x63, 0xEB);
    EXPECT_FALSE(cssVariables(scheme).contains("@supports"));
}

TEST(PaletteImport, DesignTokensAndColourCodes)
{
    const PaletteRead tokens = readDesignTokens(R"({"brand": {"primary": {"$type": "color", "$value": "#3a7bd5"},
        "muted": {"$type": "color", "$value": {"colorSpace": "srgb", "components": [1, 0.5, 0]}}},
        "size": {"$type": "dimension", "$value": "4px"}})");
    EXPECT_TRUE(tokens.error.isEmpty());
    EXPECT_EQ(tokens.entries, (std::vector<PaletteEntry>{{RGB(255, 128, 0), "brand.muted"},
                                                          {RGB(0x3A, 0x7B, 0xD5), "brand.primary"}}))
        << "object keys come in their sorted order";
    EXPECT_EQ(readDesignTokens(R"({"a": {"$type": "dimension", "$value": "4px"}})").error,
              "Die Datei enthält keine Design Tokens mit Farben.");
    EXPECT_EQ(readDesignTokens("{ nicht json").error, "Die Datei ist keine gültige JSON-Datei.");

    const PaletteRead codes = readColourCodes("a { color: #E8731C; } b { color: #fff; } c { color: #12345678; }");
    EXPECT_EQ(codes.entries, (std::vector<PaletteEntry>{{RGB(0xE8, 0x73, 0x1C), "#E8731C"}, {clWhite, "#FFF"}}))
        << "an eight-digit code is no colour of ours";
    EXPECT_EQ(readColourCodes("nichts").error, "Die Datei enthält keine Farbcodes wie #RRGGBB.");
    EXPECT_EQ(readPaletteFile("x.GPL", "GIMP Palette\n1 2 3 a\n").entries, (std::vector<PaletteEntry>{{RGB(1, 2, 3), "a"}}));
}
