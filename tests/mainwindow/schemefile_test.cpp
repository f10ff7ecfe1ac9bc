#include "exchange/paletteformats.h"
#include "mainwindow/recentschemes.h"
#include "platform/inifile.h"
#include "support/files.h"
#include "support/hostilepictures.h"
#include "windowfixture.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

using namespace Tintara;
using Tintara::Testing::readFile;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;
using Tintara::Testing::writeFile;

namespace {

class SchemeFileTest : public WindowTest
{
protected:
    QString path(const QString& name) const { return folder.filePath(name); }

    void saveTo(const QString& file)
    {
        desktop.fileDialogs.results.push_back(file);
        partOf<SchemeFiles>(*window).PaletteSpeichern();
    }
    void openFrom(const QString& file)
    {
        desktop.fileDialogs.results.push_back(file);
        partOf<SchemeFiles>(*window).PaletteOeffnen();
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(SchemeFileTest, NewFileHasTheClassicLayout)
{
    partOf<SchemeSwatches>(*window).setSlot(1, RGB(255, 0, 0), 1);
    partOf<SchemeSwatches>(*window).setSlotInfo(16, "Link blau");
    saveTo(path("neu"));
    const QByteArray file = readFile(path("neu.tsf"));
    EXPECT_TRUE(file.startsWith("[Palette]\r\nFarbe1=255\r\nFarbeGes1=1\r\nFarbe2=-16777201\r\nFarbeGes2=0\r\n"));
    EXPECT_TRUE(file.contains("FarbeGes16=0\r\n[Hints]\r\nFeld1=\r\n"));
    EXPECT_TRUE(file.endsWith("Feld15=\r\nFeld16=Link blau\r\n"));
    ASSERT_EQ(desktop.fileDialogs.shown.size(), 1u);
    EXPECT_EQ(desktop.fileDialogs.shown[0].options.filter, "TintaraStudio Farbschema|*.tsf");
    EXPECT_EQ(desktop.fileDialogs.shown[0].options.defaultExt, "tsf");
}

TEST_F(SchemeFileTest, SavingOntoAFileKeepsItsOtherKeys)
{
    writeFile(path("alt.tsf"), "[Palette]\r\nFarbe1=1\r\nEigen=ja\r\n[Notizen]\r\nText=bleibt\r\n");
    saveTo(path("alt.tsf"));
    const QByteArray file = readFile(path("alt.tsf"));
    EXPECT_TRUE(file.startsWith("[Palette]\r\nFarbe1=-16777201\r\nEigen=ja\r\nFarbeGes1=0\r\n"));
    EXPECT_TRUE(file.contains("[Notizen]\r\nText=bleibt\r\n"));
}

TEST_F(SchemeFileTest, LoadingReadsColoursFlagsAndTexts)
{
    visitEveryPage();
    partOf<SchemeSwatches>(*window).setSlot(5, RGB(1, 1, 1), 1);
    writeFile(path("s.tsf"), "[palette]\nFarbe1=$0000FF\nFarbeGes1=1\nFarbe2=0xFF\nFarbe3=65280\nFarbeGes3=2\n"
                             "[Hints]\nFeld1=" + QByteArray(40, 'x') + "\n");
    openFrom(path("s.tsf"));
    EXPECT_EQ(swatch("Palette1")->color(), RGB(255, 0, 0));
    EXPECT_EQ(swatch("Palette2")->color(), RGB(255, 0, 0));
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(3), 2);
    EXPECT_EQ(swatch("Palette3")->color(), RGB(0, 255, 0));
    EXPECT_EQ(swatch("Palette5")->color(), clBlack);
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(5), 0);
    EXPECT_EQ(swatch("Palette5")->dragMode(), TColorShape::DragMode::Automatic) << "drag state unchanged";
    EXPECT_EQ(control<QLineEdit>("edPalInfo1")->text(), QString(40, u'x'));
    EXPECT_EQ(window->schemeSaveDialog().options.fileName, path("s.tsf"));

    saveTo(path("s.tsf"));
    const QByteArray file = readFile(path("s.tsf"));
    EXPECT_TRUE(file.contains("Farbe1=255\r\n"));
    EXPECT_TRUE(file.contains("Farbe2=255\r\n"));
    EXPECT_TRUE(file.contains("FarbeGes3=2\r\n"));
    EXPECT_TRUE(file.contains("Feld1=" + QByteArray(40, 'x') + "\r\n"));
}

TEST_F(SchemeFileTest, MissingFileGivesSixteenBlackEmptySlots)
{
    partOf<SchemeSwatches>(*window).setSlot(1, RGB(9, 9, 9), 1);
    openFrom(path("gibtsnicht.tsf"));
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(swatch(QString("Palette%1").arg(n))->color(), clBlack);
        EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(n), 0);
    }
    EXPECT_EQ(window->schemeSaveDialog().options.fileName, path("gibtsnicht.tsf"));
}

// A file that is there but cannot be read whole is refused with a message; nothing changes.
TEST_F(SchemeFileTest, FilesThatCannotBeReadWholeAreRefusedAndChangeNothing)
{
    partOf<SchemeSwatches>(*window).setSlot(1, RGB(9, 9, 9), 1);
    const SchemeSlots before = window->schemeSlots();
    writeFile(path("gross.tsf"), "[Palette]\r\nFarbe1=255\r\nFarbeGes1=1\r\n" + QByteArray(IniFile::readLimit, ';'));
    QDir(folder.path()).mkdir("ordner.tsf");
    openFrom(path("gross.tsf"));
    openFrom(path("ordner.tsf"));
    ASSERT_EQ(desktop.messages.errors.size(), 2);
    EXPECT_TRUE(desktop.messages.errors[0].contains("größer als 1 MiB"));
    EXPECT_TRUE(desktop.messages.errors[1].contains("kann nicht gelesen werden"));
    EXPECT_EQ(window->schemeSlots(), before);
    EXPECT_TRUE(window->schemeSaveDialog().options.fileName.isEmpty());
    EXPECT_TRUE(partOf<RecentSchemes>(*window).files().isEmpty());
}

// A photo, UTF-16 text or random bytes opened as a scheme is refused as the command line refuses it,
// and Ctrl+S then asks for a name instead of writing INI text over the file.
TEST_F(SchemeFileTest, AFileThatIsNoSchemeIsRefusedAndSavingNeverWritesOverIt)
{
    QByteArray noise;
    for (int n = 0; n < 50000; ++n)
        noise += char((n * 7919 + 13) % 251);
    QByteArray utf16;
    for (const QChar c : QStringLiteral("[Palette]\r\nFarbe1=255\r\nFarbeGes1=1\r\n"))
        utf16 += char(c.unicode()) + QByteArray(1, '\0');
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"foto.jpg", Testing::encoded(Testing::fourAreas(), "JPG")},
        {"utf16.tsf", QByteArray("\xFF\xFE", 2) + utf16},
        {"rauschen.tsf", noise},
        {"leer.tsf", {}},
    };
    partOf<SchemeSwatches>(*window).setSlot(1, RGB(9, 9, 9), 1);
    const SchemeSlots before = window->schemeSlots();
    for (const auto& file : files) {
        writeFile(path(file.name), file.bytes);
        desktop.messages.errors.clear();
        desktop.fileDialogs.results = {path(file.name)};
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(desktop.messages.errors,
                  QStringList{"\"" + QDir::toNativeSeparators(path(file.name)) + "\" ist kein Farbschema von Tintara Studio."})
            << file.name;
        EXPECT_EQ(window->schemeSlots(), before) << file.name;
        EXPECT_TRUE(partOf<RecentSchemes>(*window).files().isEmpty()) << file.name;
        const std::size_t dialogs = desktop.fileDialogs.shown.size();
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier); // asks for a name; cancelled
        EXPECT_EQ(desktop.fileDialogs.shown.size(), dialogs + 1) << file.name;
        EXPECT_EQ(readFile(path(file.name)), file.bytes) << file.name;
    }
    // Named at start, the photo is refused alike, once the window is on the screen.
    desktop.messages.errors.clear();
    start({{}, {path("foto.jpg")}});
    QCoreApplication::processEvents();
    ASSERT_EQ(desktop.messages.errors.size(), 1);
    EXPECT_TRUE(desktop.messages.errors[0].contains("kein Farbschema"));
    desktop.fileDialogs.results.clear();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readFile(path("foto.jpg")), files[0].bytes);
    // A scheme with odd contents is still a scheme.
    writeFile(path("seltsam.tsf"), "[Palette]\r\nFarbe1=99999999999\r\nFarbeGes1=1\r\nUnbekannt=3\r\n[Fremd]\r\nx=1\r\n");
    desktop.messages.errors.clear();
    openFrom(path("seltsam.tsf"));
    EXPECT_TRUE(desktop.messages.errors.isEmpty());
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(1), 1);
    EXPECT_EQ(partOf<RecentSchemes>(*window).files().value(0), path("seltsam.tsf"));
}

// The message for a scheme named at start that cannot be read stands over the window, not over nothing.
TEST_F(SchemeFileTest, AMessageAboutTheSchemeNamedAtStartWaitsForTheWindow)
{
    window.reset();
    writeFile(path("gross.tsf"), "[Palette]\r\n" + QByteArray(IniFile::readLimit + 1, ';'));
    TForm1 shownLater(desktop.platform(), {{}, {path("gross.tsf")}});
    QCoreApplication::processEvents();
    EXPECT_TRUE(desktop.messages.errors.isEmpty()) << "no box before the window is there";
    shownLater.show();
    QCoreApplication::processEvents();
    ASSERT_EQ(desktop.messages.errors.size(), 1);
    EXPECT_TRUE(desktop.messages.errors[0].contains("größer als 1 MiB"));
}

TEST_F(SchemeFileTest, DialogsRememberTheirNames)
{
    saveTo(path("eins.tsf"));
    EXPECT_EQ(window->schemeOpenDialog().options.fileName, path("eins.tsf"));
    partOf<SchemeFiles>(*window).PaletteSpeichern(); // cancelled: the open dialog still follows the save dialog
    EXPECT_EQ(desktop.fileDialogs.shown.back().options.fileName, path("eins.tsf"));
    desktop.messages.answers = {false};
    partOf<SchemeFiles>(*window).PaletteNeu();
    EXPECT_TRUE(window->schemeSaveDialog().options.fileName.isEmpty());
}

TEST_F(SchemeFileTest, RefusedWriteKeepsThePreviousFileAndSaysSo)
{
    writeFile(path("voll.tsf"), "[Palette]\r\nFarbe1=1\r\n");
    partOf<SchemeSwatches>(*window).setSlotInfo(1, QString(3000, u'y'));
    {
        const Testing::FileSizeLimit fullDisk(512);
        saveTo(path("voll.tsf"));
    }
    EXPECT_EQ(desktop.messages.errors,
              QStringList{"In " + QDir::toNativeSeparators(path("voll.tsf")) + " kann nicht geschrieben werden: "
                          + QString::fromLocal8Bit(std::strerror(EFBIG))});
    EXPECT_EQ(readFile(path("voll.tsf")), "[Palette]\r\nFarbe1=1\r\n");
}

TEST_F(SchemeFileTest, FirstArgumentIsLoadedAtStart)
{
    writeFile(path("start.tsf"), "[Palette]\r\nFarbe4=16711680\r\nFarbeGes4=1\r\n");
    start({{}, {path("start.tsf")}});
    EXPECT_EQ(swatch("Palette4")->color(), RGB(0, 0, 255));
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(4), 1);
}

// A scheme named by a relative path is the file in the folder the program was started in: the
// save dialog proposes that file, Enter saves into it, and the recent list holds its whole path.
TEST_F(SchemeFileTest, ARelativePathAtStartIsTheFileInTheStartFolder)
{
    QDir(folder.path()).mkpath("w/unter");
    const QString previous = QDir::currentPath();
    const struct {
        const char* startIn;
        const char* argument;
        const char* file;
    } cases[] = {
        {"", "w/a.tsf", "w/a.tsf"},
        {"w/unter", "../b.tsf", "w/b.tsf"},
        {"w", "mit Leerzeichen.tsf", "w/mit Leerzeichen.tsf"},
    };
    for (const auto& c : cases) {
        writeFile(path(c.file), "[Palette]\r\nFarbe1=255\r\nFarbeGes1=1\r\n");
        QDir::setCurrent(path(c.startIn));
        start({{}, {c.argument}});
        QDir::setCurrent(previous);
        partOf<SchemeSwatches>(*window).setSlot(2, RGB(0, 0, 255), 1);
        desktop.fileDialogs.results = {window->schemeSaveDialog().options.fileName}; // Enter on the proposal
        control<QAbstractButton>("ToolButton12")->click();
        EXPECT_EQ(desktop.fileDialogs.shown.back().options.fileName, path(c.file)) << c.argument;
        EXPECT_TRUE(readFile(path(c.file)).contains("Farbe2=16711680\r\nFarbeGes2=1\r\n")) << c.argument;
        EXPECT_EQ(partOf<RecentSchemes>(*window).files().value(0), path(c.file)) << c.argument;
    }
    EXPECT_FALSE(QFile::exists(path("a.tsf")));
}

TEST_F(SchemeFileTest, ConverterShowsTheOldColours)
{
    visitEveryPage();
    writeFile(path("alt.ini"), "[CFarben]\nCFarbe1=255\nCFarbe5=0\nCFarbe16=$00FF00\n");
    desktop.fileDialogs.results.push_back(path("alt.ini"));
    control<QAbstractButton>("btnKonvDateiOeffnen")->click();
    EXPECT_TRUE(desktop.fileDialogs.shown.back().options.filter.contains("|Tintara Farbschema|*.ini|"));
    EXPECT_EQ(desktop.fileDialogs.shown.back().options.defaultExt, "ini") << "\"alt\" opens alt.ini";
    EXPECT_EQ(swatch("PFA1")->color(), RGB(255, 0, 0));
    EXPECT_EQ(swatch("PFA1")->penStyle(), TColorShape::PenStyle::Solid);
    EXPECT_EQ(swatch("PFA5")->color(), clBtnFace);
    EXPECT_EQ(swatch("PFA5")->penStyle(), TColorShape::PenStyle::Clear);
    EXPECT_EQ(swatch("PFA16")->color(), RGB(0, 255, 0));
    EXPECT_EQ(swatch("PFA48")->color(), clBtnFace);
    EXPECT_EQ(window->schemeOpenDialog().options.filter, "TintaraStudio Farbschema|*.tsf");
    EXPECT_EQ(window->schemeOpenDialog().options.defaultExt, "tsf");
    EXPECT_EQ(window->schemeOpenDialog().options.fileName, path("alt.ini")) << "the next open proposes it";

    control<QAbstractButton>("btnKonvDateiOeffnen")->click(); // cancelled
    EXPECT_EQ(swatch("PFA1")->color(), RGB(255, 0, 0));
    EXPECT_EQ(window->schemeOpenDialog().options.filter, "TintaraStudio Farbschema|*.tsf");
}

TEST_F(SchemeFileTest, ConverterImportsThePaletteFilesOfOtherPrograms)
{
    visitEveryPage();
    SchemeSlots scheme;
    scheme.colors[0] = RGB(10, 20, 30);
    scheme.used[0] = 1;
    scheme.colors[1] = RGB(200, 100, 50);
    scheme.used[1] = 1;
    QString many;
    for (int n = 0; n < 50; ++n)
        many += QStringLiteral("#%1 ").arg(n * 5, 6, 16, QLatin1Char('0'));
    writeFile(path("p.gpl"), gimpPalette(scheme, "p"));
    writeFile(path("p.ase"), adobeSwatchExchange(scheme));
    writeFile(path("p.json"), designTokens(scheme));
    writeFile(path("viele.css"), many.toUtf8());
    const auto open = [&](const QString& file) {
        desktop.fileDialogs.results.push_back(path(file));
        control<QAbstractButton>("btnKonvDateiOeffnen")->click();
    };
    for (const char* file : {"p.gpl", "p.ase", "p.json"}) {
        swatch("PFA1")->setColor(clBlack);
        open(file);
        EXPECT_EQ(swatch("PFA1")->color(), RGB(10, 20, 30)) << file;
        EXPECT_EQ(swatch("PFA2")->color(), RGB(200, 100, 50)) << file;
        EXPECT_EQ(swatch("PFA3")->penStyle(), TColorShape::PenStyle::Clear) << file;
    }
    open("viele.css");
    EXPECT_EQ(swatch("PFA48")->color(), RGB(0, 0, 47 * 5)) << "the first 48 of 50";
    EXPECT_TRUE(desktop.messages.errors.isEmpty());

    // Broken files: a message, and the page as it was.
    writeFile(path("kaputt.ase"), adobeSwatchExchange(scheme).left(30));
    writeFile(path("andere.json"), R"({"abstand": {"$type": "dimension", "$value": "4px"}})");
    writeFile(path("leer.txt"), "keine Farben");
    for (const char* file : {"kaputt.ase", "andere.json", "leer.txt"}) {
        open(file);
        EXPECT_EQ(swatch("PFA48")->color(), RGB(0, 0, 47 * 5)) << file;
    }
    ASSERT_EQ(desktop.messages.errors.size(), 3);
    EXPECT_TRUE(desktop.messages.errors[0].endsWith("Die Adobe-Swatch-Exchange-Datei ist unvollständig."));
    EXPECT_TRUE(desktop.messages.errors[1].endsWith("Die Datei enthält keine Design Tokens mit Farben."));
    EXPECT_TRUE(desktop.messages.errors[2].endsWith("Die Datei enthält keine Farbcodes wie #RRGGBB."));
}

// Hostile palette files: a megabyte line is quoted as a short excerpt, a file over 1 MiB is refused
// before it is read, and an old scheme of random bytes says why the grid is empty.
TEST_F(SchemeFileTest, ConverterRefusesHostilePaletteFilesWithAShortMessage)
{
    visitEveryPage();
    const auto open = [&](const QString& file) {
        desktop.messages.errors.clear();
        desktop.fileDialogs.results.push_back(path(file));
        control<QAbstractButton>("btnKonvDateiOeffnen")->click();
        return desktop.messages.errors.value(0);
    };
    writeFile(path("lang.gpl"), "GIMP Palette\n" + QByteArray(largestPaletteFile - 100, 'x') + "\n");
    const QString longLine = open("lang.gpl");
    EXPECT_TRUE(longLine.endsWith("eine Zeile, die keine Farbe ist: „xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…“"))
        << longLine.left(200).toStdString();
    QByteArray many = "GIMP Palette\n";
    while (many.size() <= largestPaletteFile)
        many += "  1   2   3\tFarbe\n";
    writeFile(path("riesig.gpl"), many);
    EXPECT_TRUE(open("riesig.gpl").endsWith("Die Datei ist größer als 1 MiB und damit keine Palette."));
    const QByteArray justBelow = many.left(largestPaletteFile);
    writeFile(path("fast.gpl"), justBelow.left(justBelow.lastIndexOf('\n') + 1));
    EXPECT_EQ(open("fast.gpl"), QString()) << "up to 1 MiB is read";
    EXPECT_EQ(swatch("PFA48")->color(), RGB(1, 2, 3));

    QByteArray noise;
    for (int n = 0; n < 4096; ++n)
        noise += char((n * 131 + 7) % 256);
    writeFile(path("rauschen.ini"), noise);
    EXPECT_TRUE(open("rauschen.ini").contains("der Abschnitt [CFarben] fehlt"));
    EXPECT_EQ(swatch("PFA1")->penStyle(), TColorShape::PenStyle::Clear) << "48 empty places, as ever";
}
