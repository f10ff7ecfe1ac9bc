#include "cli/commandline.h"
#include "support/files.h"
#include "support/hostilepictures.h"
#include "mainwindow/windowfixture.h"

#include "color/colortext.h"
#include "color/notation.h"
#include "exchange/exportformats.h"
#include "exchange/paletteformats.h"
#include "exchange/scaleformats.h"
#include "platform/inifile.h"
#include "rules/schemeformat.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using namespace Tintara;
using Tintara::Testing::readFile;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;
using Tintara::Testing::writeFile;

namespace {

struct Outcome {
    int code;
    QByteArray out, err;
};

Outcome run(const QStringList& arguments)
{
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int code = runCommandLine(arguments, out, err);
    return {code, out.data(), err.data()};
}

// The scheme of the page tests: used and unused slots, an info text with umlauts and blanks.
const QByteArray scheme = "[Palette]\r\nFarbe1=1866728\r\nFarbeGes1=1\r\nFarbe2=-16777201\r\nFarbeGes2=0\r\n"
                          "Farbe3=14039866\r\nFarbeGes3=1\r\n[Hints]\r\nFeld1=Hintergrund Creme – für Fläche\r\n";

class CommandLineTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        writeFile(path("farben.tsf"), scheme);
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    // The same scheme in the window, on the export page, in format `item` of its list.
    void showOnExportPage(int item)
    {
        partOf<SchemeFiles>(*window).PaletteLaden(path("farben.tsf"));
        control<QAbstractButton>("ToolButton30")->click();
        control<QComboBox>("cbExportFormat")->setCurrentIndex(item);
    }
    QByteArray savedByThePage(const QString& name)
    {
        desktop.fileDialogs.results.push_back(path(name));
        control<QAbstractButton>("btSpeichern")->click();
        return readFile(path(name));
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(CommandLineTest, MisuseExitsTwoFailuresOneAndNeitherLeavesAFile)
{
    writeFile(path("notiz.tsf"), "Einkaufsliste\r\n");
    const QString out = path("aus.gpl"), scheme = path("farben.tsf");
    const struct {
        QStringList arguments;
        int code;
    } cases[] = {
        {{"--export", "png", scheme, "-o", out}, 2},
        {{"--bogus", scheme}, 2},
        {{"--export", "gpl", "-o", out}, 2},
        {{"--export", "gpl", scheme, scheme, "-o", out}, 2},
        {{"--export", "gpl", "--no-info", scheme, "-o", out}, 2},
        {{"--export", "gpl", "--picture", "2", scheme, "-o", out}, 2},
        {{"--export", "ase", scheme}, 2}, // binary, and no file named
        {{"--export", "jpg", "--picture", "strip", scheme, "-o", out}, 2},
        {{"--export", "bmp", "--picture", "3", scheme, "-o", out}, 2},
        {{"-o", out, scheme}, 2},
        {{"--export", "gpl", path("fehlt.tsf"), "-o", out}, 1},
        {{"--export", "gpl", path("notiz.tsf"), "-o", out}, 1},
        {{"--export", "gpl", scheme, "-o", path("fehlt/aus.gpl")}, 1},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("tintara: ")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"farben.tsf", "notiz.tsf"}));
    }
    EXPECT_EQ(run({"--version"}).out, "Tintara Studio " TINTARA_VERSION "\n");
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains("--export <format>"));
}

// Every printed value reads back as the colour; --to finds each by its menu or copy-format name.
TEST_F(CommandLineTest, ConvertPrintsEveryNotationThatReadsBack)
{
    for (const TColor colour : {RGB(0xE8, 0x03, 0x6D), RGB(0x16, 0xA3, 0x4A), clBlack, clWhite}) {
        const QString html = QString::fromStdString(ColorNotation(colour, NotationHtml));
        const Outcome all = run({"--convert", html});
        ASSERT_EQ(all.code, 0);
        const QStringList lines = QString::fromUtf8(all.out).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), NotationCount + 2);
        EXPECT_EQ(lines[NotationCount], "in sRGB: yes");
        EXPECT_EQ(lines[NotationCount + 1], "in Display P3: yes");
        for (const NotationRow& row : notationTable) {
            const QString line = lines[row.notation];
            const QString name = QString::fromUtf8(row.menuText) + ": ";
            ASSERT_TRUE(line.startsWith(name)) << line.toStdString();
            EXPECT_EQ(colorFromText(line.mid(name.size()).toStdString()), colour) << line.toStdString();
            // Names without regard to case and blanks, by the menu's text or the copy format's.
            for (const QString& asked : {QString::fromUtf8(row.formatName).toUpper(),
                                         QString::fromUtf8(row.menuText).remove(' ').toLower()})
                EXPECT_EQ(run({"--convert", html, "--to", asked}).out, line.mid(name.size()).toUtf8() + '\n');
        }
    }
    // CSS forms in, the window's notations out; an oklch() outside sRGB shown as a browser shows it.
    EXPECT_EQ(run({"--convert", "oklch(0.7 0.4 30)", "--to", "html"}).out, "#FF5843\n");
    EXPECT_EQ(run({"--convert", " RebeccaPurple ", "--to", "rgb"}).out, "102,51,153\n");
    EXPECT_EQ(run({"--convert", "hsl(0.5turn 100% 50%)", "--to", "css rgb()"}).out, "rgb(0 255 255)\n");
}

// Ratios and Lc values from colorjs.io (contrast "WCAG21" and "APCA"), the ratios cut as the window cuts them.
TEST_F(CommandLineTest, ContrastPrintsTheWcagRatioItsVerdictsAndTheApcaLc)
{
    const struct {
        const char *text, *background, *printed;
    } cases[] = {
        {"#767676", "#FFFFFF", "WCAG 2.2: 4.54:1 AA (large text: AAA)\nAPCA Lc: 71.6\n"},
        {"#888", "white", "WCAG 2.2: 3.54:1 fail (large text: AA)\nAPCA Lc: 63.1\n"},
        {"#fff", "#888", "WCAG 2.2: 3.54:1 fail (large text: AA)\nAPCA Lc: -68.5\n"},
        {"#000", "#aaa", "WCAG 2.2: 9.03:1 AAA (large text: AAA)\nAPCA Lc: 58.1\n"},
        {"#123", "#def", "WCAG 2.2: 13.64:1 AAA (large text: AAA)\nAPCA Lc: 91.7\n"},
        {"#def", "#123", "WCAG 2.2: 13.64:1 AAA (large text: AAA)\nAPCA Lc: -93.1\n"},
        {"#123", "#234", "WCAG 2.2: 1.24:1 fail (large text: fail)\nAPCA Lc: 0.0\n"},
    };
    for (const auto& c : cases) {
        const Outcome r = run({"--contrast", c.text, c.background});
        EXPECT_EQ(r.code, 0) << c.text;
        EXPECT_TRUE(r.out.startsWith(c.printed)) << c.text << " on " << c.background << ": " << r.out.toStdString();
    }
}

// --min and --min-apca make --contrast a gate for a build: below them it exits 1, says why on standard
// error and still prints the figures with the nearest passing shades. #595959 is the grey that
// reaches 7:1 on white (WebAIM); #617187 and #FFFFFF are the page's suggestions for #67788F on
// #F0F5FF, figured apart for the contrast page.
TEST_F(CommandLineTest, ContrastWithAMinimumIsAGateAndSuggestsTheNearestPassingShades)
{
    const struct {
        QStringList arguments;
        int code;
        const char *suggests, *says;
    } cases[] = {
        {{"#67788F", "#F0F5FF"}, 0,
         "nearest passing text (4.5:1): #617187\nnearest passing background (4.5:1): #FFFFFF\n", ""},
        {{"#67788F", "#F0F5FF", "--min", "AA"}, 1, "(4.5:1): #617187",
         "Der Kontrast 4.12:1 liegt unter dem Mindestwert 4.5:1."},
        {{"#67788F", "#F0F5FF", "--min", "4"}, 0, "nearest passing text (4:1): #67788F", ""},
        {{"#67788F", "#F0F5FF", "--min", "4", "--min-apca", "75"}, 1, "(4:1): #67788F",
         "Der APCA-Kontrast Lc 65.1 liegt unter dem Mindestwert 75."},
        {{"#767676", "white", "--min", "aa-large", "--min-apca", "60"}, 0, "(3:1): #767676", ""},
        {{"#888", "white", "--min", "AAA"}, 1,
         "nearest passing text (7:1): #595959\nnearest passing background (7:1): none\n",
         "Der Kontrast 3.54:1 liegt unter dem Mindestwert 7:1."},
        {{"#fff", "#888", "--min-apca", "60"}, 0, "(4.5:1): #", ""},
    };
    for (const auto& c : cases) {
        const Outcome r = run(QStringList{"--contrast"} + c.arguments);
        const std::string asked = c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.code, c.code) << asked;
        EXPECT_TRUE(r.out.contains(c.suggests)) << asked << ": " << r.out.toStdString();
        EXPECT_EQ(QString::fromUtf8(r.err), *c.says ? QString("tintara: %1\n").arg(QString::fromUtf8(c.says)) : QString())
            << asked;
    }
    for (const QStringList& misused : {QStringList{"--min", "3"}, {"--contrast", "#888", "white", "--min", "22"},
                                       {"--contrast", "#888", "white", "--min", "4,5"},
                                       {"--contrast", "#888", "white", "--min-apca", "0"}}) {
        const Outcome r = run(misused);
        EXPECT_EQ(r.code, 2) << misused.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST_F(CommandLineTest, ColourVerbsExitTwoWhenMisusedAndOneForTextThatIsNoColour)
{
    const struct {
        QStringList arguments;
        int code;
        const char* says;
    } cases[] = {
        {{"--convert"}, 2, "--convert"},
        {{"--convert", "red", "blue"}, 2, "genau eine Farbe"},
        {{"--convert", "red", "--to", "Pantone"}, 2, "Unbekannte Schreibweise „Pantone“"},
        {{"--to", "html"}, 2, "--to gilt nur mit --convert"},
        {{"--contrast", "#fff"}, 2, "genau zwei Farben"},
        {{"--contrast", "#fff", "#000", "#888"}, 2, "genau zwei Farben"},
        {{"--convert", "red", "--contrast", "red", "blue"}, 2, "nur einzeln"},
        {{"--convert", "bluish"}, 1, "„bluish“ ist keine Farbe"},
        {{"--convert", "transparent"}, 1, "durchsichtig"},
        {{"--contrast", "#fff", "#12345"}, 1, "„#12345“ ist keine Farbe"},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("tintara: ")) << r.err.toStdString();
        EXPECT_TRUE(QString::fromUtf8(r.err).contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    }
    EXPECT_TRUE(wantsCommandLine({"scheme.tsf", "--contrast", "#fff", "#000"}));
    EXPECT_TRUE(wantsCommandLine({"--convert=red"}));
}

// Each format as its writer makes it, to standard output and to -o alike.
TEST_F(CommandLineTest, ScalesGoOutInEveryFormatToStandardOutputOrAFile)
{
    const std::vector<ScaleStep> tonal = tonalScale(RGB(0x25, 0x63, 0xEB));
    for (const ScaleFormatRow& row : scaleFormats) {
        const QStringList asked = {"--scale", "#2563EB", "--name", "brand", "--format", row.commandLineName};
        const QByteArray expected = scaleFile(row.format, "brand", tonal);
        const Outcome printed = run(asked);
        EXPECT_EQ(printed.code, 0) << row.commandLineName;
        EXPECT_EQ(printed.out, expected) << row.commandLineName;
        const QString file = path(QStringLiteral("skala.%1").arg(QLatin1String(row.extension)));
        EXPECT_EQ(run(asked + QStringList{"-o", file}).code, 0);
        EXPECT_EQ(readFile(file), expected) << row.commandLineName;
    }
    EXPECT_EQ(run({"--scale", "#2563EB"}).out, scaleText(tonal)) << "txt without --format";
    // Contrast targets: a list with decimal points, in a German session as anywhere.
    const Outcome shades = run({"--scale", "#2563EB", "--against", "white", "--targets", "4.5, 7,22"});
    EXPECT_EQ(shades.out, scaleText(contrastShades(RGB(0x25, 0x63, 0xEB), clWhite, {4.5, 7, 22}, ContrastMeasure::Wcag)));
    EXPECT_TRUE(shades.out.endsWith("\n22 - - -\n"));
    EXPECT_EQ(run({"--scale", "teal", "--against", "#111827", "--metric", "apca"}).out,
              scaleText(contrastShades(RGB(0, 0x80, 0x80), RGB(0x11, 0x18, 0x27), defaultApcaTargets,
                                       ContrastMeasure::Apca)));
    // APCA targets list Lc values; a repeated colour and a target APCA does not count are said.
    const Outcome apca = run({"--scale", "#2563EB", "--against", "#777777", "--metric", "apca", "--targets", "10,30,30"});
    EXPECT_EQ(apca.code, 0);
    EXPECT_TRUE(apca.out.startsWith("10 - - -\n30 #")) << apca.out.toStdString();
    EXPECT_TRUE(apca.err.contains("tintara: Ziel 10 liegt unter Lc 15")) << apca.err.toStdString();
    EXPECT_TRUE(apca.err.contains("tintara: Ziel 30 ergibt dieselbe Farbe wie Ziel 30.\n"));
    // Display P3: the base as written (beyond sRGB here), each step with its fallback.
    const Oklch green{0.723, 0.219, 149.579};
    const Outcome p3 = run({"--scale", "oklch(0.723 0.219 149.579)", "--at", "500", "--gamut", "p3"});
    EXPECT_EQ(p3.out, scaleText(displayP3Scale(green, 5)));
    EXPECT_TRUE(p3.out.contains(" color(display-p3 ")) << p3.out.toStdString();
    const QJsonArray p3Steps =
        QJsonDocument::fromJson(run({"--scale", "oklch(0.723 0.219 149.579)", "--at", "500", "--gamut", "p3", "--format", "json"}).out)
            .object()["steps"].toArray();
    EXPECT_EQ(p3Steps[5]["displayP3"].toArray().size(), 3) << "the 500 lies beyond sRGB";
    // Pinned: the base is step 500 itself; tokens as hex text where asked.
    const Outcome pinned = run({"--scale", "#2563EB", "--at", "500"});
    EXPECT_EQ(pinned.out, scaleText(tonalScale(RGB(0x25, 0x63, 0xEB), 5)));
    EXPECT_TRUE(pinned.out.contains("\n500 #2563EB 5.16 4.06\n")) << pinned.out.toStdString();
    EXPECT_EQ(run({"--scale", "#2563EB", "--format", "tokens", "--token-value", "hex"}).out,
              scaleDesignTokens("primary", tonal, TokenValue::Hex));
    EXPECT_EQ(run({"--export", "tokens", path("farben.tsf"), "--token-value", "hex"}).out,
              designTokens(readSchemeSlots(IniFile(path("farben.tsf"))), TokenValue::Hex));
}

// A colour beyond sRGB: the specified notations write what an sRGB screen shows, oklch() and
// color(display-p3) the colour as written, and the lines say where it lies (colorjs.io's figures).
TEST_F(CommandLineTest, ConvertKeepsAColourBeyondSrgbWhereItsNotationCan)
{
    const Outcome p3 = run({"--convert", "color(display-p3 1 0 0)"});
    EXPECT_EQ(p3.code, 0);
    EXPECT_TRUE(p3.out.startsWith("HTML-Hexwert: #FF0B0C\n")) << p3.out.toStdString();
    EXPECT_TRUE(p3.out.contains("\nCSS color(display-p3): color(display-p3 1.000 0.000 0.000)\n"));
    EXPECT_TRUE(p3.out.contains("\nCSS oklch(): oklch(0.6486 0.2995 28.96)\n")) << p3.out.toStdString();
    EXPECT_TRUE(p3.out.endsWith("in sRGB: no\nin Display P3: yes\n"));
    EXPECT_EQ(run({"--convert", "color(display-p3 1 0 0)", "--to", "css color(display-p3)"}).out,
              "color(display-p3 1.000 0.000 0.000)\n");
    EXPECT_TRUE(run({"--convert", "color(rec2020 0 1 0)"}).out.endsWith("in sRGB: no\nin Display P3: no\n"));
    const QJsonObject json = QJsonDocument::fromJson(run({"--convert", "color(display-p3 1 0 0)", "--format", "json"}).out).object();
    EXPECT_FALSE(json["inSrgb"].toBool());
    EXPECT_TRUE(json["inDisplayP3"].toBool());
    EXPECT_EQ(json["displayP3"].toArray(), (QJsonArray{1, 0, 0}));
    EXPECT_EQ(json["hex"].toString(), "#FF0B0C");
}

// --format json: one object a script parses, numbers as numbers with a decimal point in every
// locale. The figures: culori 4.0 for OKLCH, colorjs.io and apca-w3 for the contrasts.
TEST_F(CommandLineTest, JsonOutputParsesBackWithStableKeys)
{
    const auto json = [](const QStringList& arguments, int code = 0) {
        const Outcome outcome = run(arguments + QStringList{"--format", "json"});
        EXPECT_EQ(outcome.code, code) << arguments.join(' ').toStdString() << outcome.err.toStdString();
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(outcome.out, &error).object();
        EXPECT_EQ(error.error, QJsonParseError::NoError) << outcome.out.toStdString();
        return object;
    };
    const QJsonObject converted = json({"--convert", "#2563EB"});
    EXPECT_EQ(converted.keys(), (QStringList{"displayP3", "hex", "inDisplayP3", "inSrgb", "input", "notations", "oklch", "rgb"}));
    EXPECT_EQ(converted["rgb"].toArray(), (QJsonArray{37, 99, 235}));
    EXPECT_DOUBLE_EQ(converted["oklch"]["l"].toDouble(), 0.5461);
    EXPECT_DOUBLE_EQ(converted["oklch"]["h"].toDouble(), 262.88);
    EXPECT_EQ(converted["notations"]["CSS oklch()"].toString(), "oklch(0.546 0.215 262.9)");
    EXPECT_EQ(converted["notations"].toObject().size(), qsizetype(std::size(notationTable)));
    EXPECT_EQ(json({"--convert", "red", "--to", "hsl"})["notations"].toObject().keys(), QStringList{"CSS hsl()"});

    const QJsonObject contrast = json({"--contrast", "#767676", "white"});
    EXPECT_DOUBLE_EQ(contrast["wcag"]["ratio"].toDouble(), 4.54);
    EXPECT_EQ(contrast["wcag"]["text"].toString(), "AA");
    EXPECT_EQ(contrast["wcag"]["largeText"].toString(), "AAA");
    EXPECT_DOUBLE_EQ(contrast["apca"]["lc"].toDouble(), 71.6);
    EXPECT_TRUE(contrast["passes"].toBool());
    EXPECT_EQ(contrast["nearestPassingText"].toString(), "#767676");
    EXPECT_TRUE(contrast["minimum"]["lc"].isNull());
    const QJsonObject failing = json({"--contrast", "#767676", "white", "--min", "AAA", "--min-apca", "60"}, 1);
    EXPECT_FALSE(failing["passes"].toBool());
    EXPECT_DOUBLE_EQ(failing["minimum"]["ratio"].toDouble(), 7);
    EXPECT_DOUBLE_EQ(failing["minimum"]["lc"].toDouble(), 60);
    EXPECT_NE(failing["nearestPassingText"].toString(), "#767676");

    const QJsonObject scale = json({"--scale", "#2563EB", "--at", "500"});
    EXPECT_EQ(scale["kind"].toString(), "tonal");
    EXPECT_EQ(scale["pinnedStep"].toInt(), 500);
    const QJsonArray steps = scale["steps"].toArray();
    ASSERT_EQ(steps.size(), 11);
    EXPECT_EQ(steps[5]["name"].toString(), "500");
    EXPECT_EQ(steps[5]["hex"].toString(), "#2563EB");
    EXPECT_DOUBLE_EQ(steps[5]["wcag"]["onWhite"].toDouble(), 5.16);
    EXPECT_DOUBLE_EQ(steps[5]["apca"]["onWhite"].toDouble(), 74.9);
    const QJsonObject targets = json({"--scale", "#2563EB", "--against", "white", "--targets", "4.5,22"});
    EXPECT_EQ(targets["kind"].toString(), "contrast");
    EXPECT_EQ(targets["metric"].toString(), "wcag");
    EXPECT_TRUE(targets["steps"][1]["hex"].isNull()) << "22:1 is out of reach";

    const QString picture = path("vier.png");
    writeFile(picture, Testing::encoded(Testing::fourAreas(), "PNG"));
    const QJsonArray colours = json({"--extract", picture})["colors"].toArray();
    ASSERT_EQ(colours.size(), 4);
    EXPECT_EQ(colours[0]["hex"].toString(), "#C81E28");
    EXPECT_DOUBLE_EQ(colours[0]["share"].toDouble(), 0.4);
}

TEST_F(CommandLineTest, ScaleMisuseExitsTwoAndAColourThatCannotBeReadOne)
{
    const struct {
        QStringList arguments;
        int code;
    } cases[] = {
        {{"--scale"}, 2},
        {{"--scale", "red", "blue"}, 2},
        {{"--scale", "red", "--format", "ase"}, 2},
        {{"--scale", "red", "--targets", "3"}, 2},
        {{"--scale", "red", "--against", "white", "--metric", "wcag3"}, 2},
        {{"--scale", "red", "--against", "white", "--targets", "3,viel"}, 2},
        {{"--scale", "red", "--against", "white", "--targets", "0"}, 2},
        {{"--scale", "red", "--to", "html"}, 2},
        {{"--convert", "red", "--name", "x"}, 2},
        {{"--scale", "red", "--export", "css"}, 2},
        {{"--scale", "red", "--at", "550"}, 2},
        {{"--scale", "red", "--at", "fünfhundert"}, 2},
        {{"--scale", "red", "--at", "500", "--against", "white"}, 2},
        {{"--convert", "red", "--at", "500"}, 2},
        {{"--scale", "red", "--token-value", "hex"}, 2},
        {{"--scale", "red", "--format", "tokens", "--token-value", "rgb"}, 2},
        {{"--convert", "red", "--token-value", "hex"}, 2},
        {{"--convert", "red", "--format", "gpl"}, 2},
        {{"--contrast", "red", "white", "--format", "tokens"}, 2},
        {{"--scale", "red", "--gamut", "rec2020"}, 2},
        {{"--scale", "red", "--gamut", "p3", "--against", "white"}, 2},
        {{"--convert", "red", "--gamut", "p3"}, 2},
        {{"--scale", "rot"}, 1},
        {{"--scale", "red", "--against", "transparent"}, 1},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.startsWith("tintara: ")) << r.err.toStdString();
    }
}

TEST_F(CommandLineTest, ExtractPrintsAPicturesColoursLargestFirstOrWritesThemAsAPalette)
{
    const QString picture = path("vier.png");
    writeFile(picture, Testing::encoded(Testing::fourAreas(), "PNG"));
    const Outcome text = run({"--extract", picture});
    EXPECT_EQ(text.code, 0);
    EXPECT_EQ(text.out, "#C81E28 40.0\n#145AC8 30.0\n#F0C81E 20.0\n#146E3C 10.0\n");
    EXPECT_EQ(run({"--extract", picture, "--count", "2"}).out.count('\n'), 2);
    const Outcome gimp = run({"--extract", picture, "--format", "gpl", "-o", path("vier.gpl")});
    EXPECT_EQ(gimp.code, 0);
    EXPECT_TRUE(readFile(path("vier.gpl")).startsWith("GIMP Palette\nName: vier\n"));
    EXPECT_TRUE(run({"--extract", picture, "--format", "cssvars"}).out.contains("  --vier-1: #c81e28;\n"));
    EXPECT_EQ(readDesignTokens(run({"--extract", picture, "--format", "tokens"}).out).entries.size(), 4u);
    // Accents: a grey moodboard's small orange and magenta come first.
    const QString board = path("moodboard.png");
    writeFile(board, Testing::encoded(Testing::greyMoodboard(), "PNG"));
    EXPECT_FALSE(run({"--extract", board, "--count", "6"}).out.contains("#F0"));
    const QByteArray accents = run({"--extract", board, "--count", "6", "--mode", "accents"}).out;
    EXPECT_TRUE(accents.startsWith("#F0781") || accents.startsWith("#DC1E")) << accents.toStdString();

    writeFile(path("kaputt.png"), Testing::hostilePictures()[2].bytes);
    const struct {
        QStringList arguments;
        int code;
    } cases[] = {
        {{"--extract", picture, "--count", "1"}, 2},
        {{"--extract", picture, "--count", "17"}, 2},
        {{"--extract", picture, "--count", "acht"}, 2},
        {{"--extract", picture, "--format", "tailwind"}, 2},
        {{"--extract", picture, "--mode", "bunt"}, 2},
        {{"--convert", "red", "--mode", "accents"}, 2},
        {{"--extract", picture, picture}, 2},
        {{"--count", "4"}, 2},
        {{"--extract", path("fehlt.png")}, 1},
        {{"--extract", path("kaputt.png")}, 1},
        {{"--extract", folder.path()}, 1},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.startsWith("tintara: ")) << r.err.toStdString();
    }
}

// Each row of the format table stands at its place in the page's list, and the command line writes it.
TEST_F(CommandLineTest, EveryExportFormatIsOfferedByThePageAndTheCommandLine)
{
    showOnExportPage(0);
    auto* list = control<QComboBox>("cbExportFormat");
    ASSERT_EQ(list->count(), int(exportFormats.size()));
    for (std::size_t n = 0; n < exportFormats.size(); ++n) {
        const ExportFormat& format = exportFormats[n];
        EXPECT_EQ(list->itemText(int(n)), QString::fromUtf8(format.listText));
        const QStringList chosen = format.pictureName ? QStringList{"--export", "bmp", "--picture", format.pictureName}
                                                      : QStringList{"--export", format.commandLineName};
        const QString out = path(QStringLiteral("aus%1.%2").arg(n).arg(QLatin1String(format.extension)));
        EXPECT_EQ(run(chosen + QStringList{path("farben.tsf"), "-o", out}).code, 0) << format.listText;
        EXPECT_FALSE(readFile(out).isEmpty()) << format.listText;
    }
}

// What is printed is what the page shows; what is written is what the page saves.
TEST_F(CommandLineTest, TextGoesOutAsThePageShowsAndSavesIt)
{
    const struct {
        QStringList flags;
        int item;
        const char* uncheck;
        const char* check;
    } cases[] = {
        {{"--export", "css"}, 0, "", ""},
        {{"--export", "css", "--no-background", "--definition", "--no-info"}, 0, "cbTextBkgrnd cbCSSInfo", "cbTextCSSDef"},
        {{"--export", "txt", "--no-rgb"}, 1, "cbTextRGB", ""},
        {{"--export", "txt", "--no-html", "--no-info"}, 1, "cbTextHTML cbTextInfo", ""},
    };
    for (const auto& c : cases) {
        start();
        showOnExportPage(c.item);
        for (const QString& box : QString(c.uncheck).split(' ', Qt::SkipEmptyParts))
            control<QCheckBox>(box)->click();
        for (const QString& box : QString(c.check).split(' ', Qt::SkipEmptyParts))
            control<QCheckBox>(box)->click();
        const Outcome printed = run(c.flags + QStringList{path("farben.tsf")});
        EXPECT_EQ(printed.code, 0);
        EXPECT_EQ(printed.out, control<QPlainTextEdit>("Memo1")->toPlainText().toUtf8() + '\n') << c.flags.join(' ').toStdString();
        EXPECT_EQ(run(c.flags + QStringList{path("farben.tsf"), "-o", path("cli.txt")}).code, 0);
        EXPECT_EQ(readFile(path("cli.txt")), savedByThePage("page.txt"));
    }
}

TEST_F(CommandLineTest, PicturesAndPalettesAreThoseThePageSaves)
{
    const struct {
        QStringList flags;
        int item;
        const char* extension;
    } cases[] = {
        {{"--export", "bmp"}, 2, "bmp"},
        {{"--export", "bmp", "--picture", "2", "--no-name"}, 3, "bmp"},
        {{"--export", "bmp", "--picture", "strip"}, 4, "bmp"},
        {{"--export", "gpl"}, 5, "gpl"},
        {{"--export", "ase"}, 6, "ase"},
        {{"--export", "cssvars"}, 7, "css"},
        {{"--export", "tokens"}, 8, "json"},
    };
    for (const auto& c : cases) {
        start();
        showOnExportPage(c.item);
        if (c.flags.contains("--no-name"))
            control<QCheckBox>("cbGrafikName")->click();
        const QString cli = path(QStringLiteral("cli.%1").arg(c.extension));
        EXPECT_EQ(run(c.flags + QStringList{path("farben.tsf"), "-o", cli}).code, 0);
        // The page names palettes after the scheme file too, and saves under that name.
        const QByteArray page = savedByThePage(QStringLiteral("farben.%1").arg(c.extension));
        EXPECT_FALSE(page.isEmpty());
        EXPECT_EQ(readFile(cli), page) << c.flags.join(' ').toStdString();
    }
    EXPECT_EQ(run({"--export", "gpl", path("farben.tsf")}).out, readFile(path("farben.gpl")));
}

// A full standard output and a file past the read limit fail with their reason; nothing is taken
// for done that was not.
TEST_F(CommandLineTest, UnwritableOutputAndOversizedSchemesExitOne)
{
    QFile full("/dev/full");
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    QBuffer err;
    err.open(QIODevice::WriteOnly);
    EXPECT_EQ(runCommandLine({"--export", "css", path("farben.tsf")}, full, err), 1);
    EXPECT_TRUE(err.data().contains("Standardausgabe")) << err.data().toStdString();

    writeFile(path("gross.tsf"), scheme + QByteArray(IniFile::readLimit, ' ') + "\r\n");
    const Outcome big = run({"--export", "gpl", path("gross.tsf")});
    EXPECT_EQ(big.code, 1);
    EXPECT_TRUE(big.err.contains("1 MiB")) << big.err.toStdString();
    EXPECT_TRUE(big.out.isEmpty());
}

// Roles given on the command line, over those of the file; --check prints each pair of both modes
// and fails where one falls short, the file written only with -o.
TEST_F(CommandLineTest, ThemeRolesFromTheCommandLineAndTheirCheck)
{
    writeFile(path("rollen.tsf"), "[Palette]\r\nFarbe1=16777215\r\nFarbeGes1=1\r\n[Farbrollen]\r\ntext=#000000\r\n");
    const Outcome css = run({"--export", "theme-css", path("rollen.tsf"), "--role", "background=1", "--role",
                             "text=#333333"});
    EXPECT_EQ(css.code, 0) << css.err.toStdString();
    EXPECT_TRUE(css.out.contains("  --background: light-dark(#ffffff, #121212);\n    --text: light-dark(#333333, #d4d4d4);"))
        << "the command line's text over the file's: " << css.out.toStdString();

    const Outcome passing = run({"--export", "theme-css", path("rollen.tsf"), "--role", "background=1", "--check"});
    EXPECT_EQ(passing.code, 0) << passing.err.toStdString();
    // colorjs.io: black on white Lc 106.04; the derived white on #121212 18.734:1 and Lc -107.31.
    EXPECT_EQ(passing.out, "light  text on background            21.00:1 (4.5)  Lc 106.0 (60)  passes\n"
                           "dark   text on background            18.73:1 (4.5)  Lc 107.3 (60)  passes\n");

    const Outcome failing = run({"--export", "theme-tokens", path("rollen.tsf"), "--role", "background=1", "--role", "text-muted=#6B7280",
                                 "--check", "-o", path("rollen.json")});
    EXPECT_EQ(failing.code, 1);
    EXPECT_TRUE(failing.out.contains("dark   text-muted on background       4.83:1 (4.5)  Lc  34.9 (45)  FAILS\n"))
        << failing.out.toStdString();
    EXPECT_TRUE(readFile(path("rollen.json")).contains("\"dark\": {")) << "written with -o, before the verdict";
    EXPECT_TRUE(failing.err.contains("Farbpaar"));

    for (const QStringList& misused : {QStringList{"--export", "css", path("rollen.tsf"), "--check"},
                                       QStringList{"--export", "theme-css", path("rollen.tsf"), "--role", "text"},
                                       QStringList{"--export", "theme-css", path("rollen.tsf"), "--role", "ink=#000"},
                                       QStringList{"--export", "theme-css", path("rollen.tsf"), "--role", "text=17"}})
        EXPECT_EQ(run(misused).code, 2) << misused.join(' ').toStdString();
}
