#include "rules/configformat.h"
#include "platform/inifile.h"
#include "support/files.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace Tintara;
using Tintara::Testing::readFile;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;
using Tintara::Testing::writeFile;

namespace {

class ConfigTest : public WindowTest
{
protected:
    QString iniPath() const { return folder.filePath("tintara.ini"); }
    void startWith(const QByteArray& ini)
    {
        writeFile(iniPath(), ini);
        start({iniPath(), {}});
    }
    // The check box of a switch is cbOpt_n, n its place in the list.
    QCheckBox* option(Option o) const { return control<QCheckBox>(QString("cbOpt_%1").arg(static_cast<int>(o))); }

    QTemporaryDir folder;
};

// The keys of a written file in order, "Section/Key".
QStringList keysOf(const QByteArray& file)
{
    QStringList keys;
    QString section;
    for (const QString& line : QString::fromUtf8(file).split("\r\n", Qt::SkipEmptyParts)) {
        if (line.startsWith('['))
            section = line.mid(1, line.size() - 2);
        else
            keys << section + '/' + line.left(line.indexOf('='));
    }
    return keys;
}

} // namespace

TEST_F(ConfigTest, FirstStartWithoutAFileTakesEveryDefault)
{
    start({iniPath(), {}});
    visitEveryPage();
    for (int n = 0; n < optionCount; ++n)
        EXPECT_TRUE(option(static_cast<Option>(n))->isChecked()) << n;
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_EQ(window->activeColor(), clBlack);
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(swatch(QString("Palette%1").arg(n))->color(), clBlack);
        EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(n), 0);
    }
    EXPECT_EQ(swatch("shZwischenspeicher4")->color(), clBtnFace);
    EXPECT_EQ(swatch("shPal9")->brushStyle(), TColorShape::BrushStyle::Clear);
    EXPECT_EQ(control<QScrollBar>("cbPalettenmischer")->value(), 0);
    EXPECT_TRUE(control<QCheckBox>("cbRahmen")->isChecked());
    EXPECT_EQ(control<QComboBox>("cbZoom")->currentText(), "Zoom - 100%");
    EXPECT_EQ(control<QComboBox>("cbVorschlag")->currentText(), "Standard");
    EXPECT_EQ(control<QComboBox>("cbAbstufung")->currentText(), "Dunkel nach Hell");
    EXPECT_EQ(control<QComboBox>("cbTrayFormat")->currentText(), "HTML");
    EXPECT_EQ(partOf<ColorEditor>(*window).displayMode(), ColorEditor::DisplayMode::Rgb);
    EXPECT_EQ(visiblePage(), "Z_Vorschlag");

    control<QAbstractButton>("ToolButton25")->click(); // "Beenden ohne Abfrage" is on: no question
    EXPECT_TRUE(desktop.messages.questions.isEmpty());
    EXPECT_TRUE(QFile::exists(iniPath()));
}

TEST_F(ConfigTest, WrittenFileKeepsTheFixedOrderOfSectionsAndKeys)
{
    startWith("[Eigenes]\r\nWert=1\r\n[Farben]\r\nAlt=1\r\n");
    window->close();
    const QStringList keys = keysOf(readFile(iniPath()));
    QStringList expected = {"Eigenes/Wert", "Farben/Farbanzeige", "Farben/Helligkeit", "Farben/VerlaufStart",
                            "Farben/VerlaufEnde"};
    for (const char* name : {"Clipbrd1", "Clipbrd2", "Clipbrd3", "Clipbrd4", "Clipbrd5", "Backgrnd", "BackgrndS",
                             "Pal1", "Pal2", "Pal3", "Pal4", "Pal1Ges", "Pal2Ges", "Pal3Ges", "Pal4Ges"})
        expected << QString("Farben/") + name;
    for (int n = 1; n <= 16; ++n)
        expected << QString("Palette/Farbe%1").arg(n) << QString("Palette/FarbeGes%1").arg(n);
    for (int n = 1; n <= 16; ++n)
        expected << QString("Hints/Feld%1").arg(n);
    for (const char* name : {"Modus", "Links", "Oben", "Vorschlag", "Abstufungen", "Tray", "Deckkraft", "Zoomfaktor",
                             "Rahmen"})
        expected << QString("Modus/") + name;
    for (int n = 0; n <= 17; ++n)
        expected << QString("Optionen/Opt%1").arg(n);
    // The newer features' own, at the end.
    expected << "Erweiterungen/Oklch" << "Erweiterungen/OklchGamut" << "Erweiterungen/OklabVerlauf" << "Erweiterungen/Zoom"
             << "Erweiterungen/Erscheinungsbild" << "Oberflaeche/Sprache";
    EXPECT_EQ(keys, expected);
}

TEST_F(ConfigTest, StateSurvivesARestart)
{
    start({iniPath(), {}});
    visitEveryPage();
    window->setActiveColor(RGB(10, 20, 30));
    partOf<SchemeSwatches>(*window).setSlot(2, RGB(200, 0, 0), 1);
    partOf<SchemeSwatches>(*window).setSlotInfo(2, "Rot");
    control<QComboBox>("cbVorschlag")->setCurrentIndex(3);
    control<QComboBox>("cbTrayFormat")->setCurrentIndex(2);
    control<QScrollBar>("cbPalettenmischer")->setValue(77);
    swatch("shPal12")->setColor(RGB(1, 2, 3));
    swatch("shPal12")->setBrushStyle(TColorShape::BrushStyle::Solid);
    partOf<ModuleBackground>(*window).setUserBackground(RGB(40, 50, 60));
    window->move(33, 44);
    window->close();

    start({iniPath(), {}});
    visitEveryPage();
    EXPECT_EQ(window->activeColor(), RGB(10, 20, 30));
    EXPECT_EQ(control<QLineEdit>("edHTML")->text(), "#0A141E");
    EXPECT_EQ(swatch("Palette2")->color(), RGB(200, 0, 0));
    EXPECT_EQ(swatch("Palette2")->toolTip(), "Rot");
    EXPECT_EQ(swatch("Palette2")->dragMode(), TColorShape::DragMode::Automatic);
    EXPECT_EQ(control<QLineEdit>("edPalInfo2")->text(), "Rot");
    EXPECT_EQ(control<QComboBox>("cbVorschlag")->currentIndex(), 3);
    EXPECT_EQ(control<QScrollBar>("cbPalettenmischer")->value(), 77);
    EXPECT_EQ(swatch("shPal12")->color(), RGB(1, 2, 3));
    EXPECT_EQ(swatch("shPal12")->brushStyle(), TColorShape::BrushStyle::Solid);
    EXPECT_EQ(partOf<ModuleBackground>(*window).color(), RGB(40, 50, 60));
    EXPECT_EQ(window->pos(), QPoint(33, 44));
    EXPECT_EQ(partOf<ContextMenu>(*window).menu()->findChild<QAction*>("puFarbwert")->text(), "Farbwert kopieren (RGB)");
}

TEST_F(ConfigTest, OddValuesAreReadTheClassicWay)
{
    startWith("[Modus]\r\nModus=7\r\nDeckkraft=999\r\nVorschlag=12\r\nZoomfaktor=$3\r\n"
              "[Farben]\r\nPal2=255\r\nPal2Ges=2\r\nFarbanzeige=abc\r\n");
    visitEveryPage();
    EXPECT_EQ(partOf<ColorEditor>(*window).displayMode(), ColorEditor::DisplayMode::Picker);
    EXPECT_EQ(control<QScrollBar>("cbPalettenmischer")->value(), 255);
    EXPECT_EQ(control<QComboBox>("cbVorschlag")->currentIndex(), -1);
    EXPECT_EQ(control<QComboBox>("cbZoom")->currentIndex(), 3);
    EXPECT_EQ(swatch("shPal10")->color(), RGB(255, 0, 0));
    EXPECT_EQ(swatch("shPal10")->brushStyle(), TColorShape::BrushStyle::Clear);
    EXPECT_EQ(window->activeColor(), clBlack);
}

TEST_F(ConfigTest, MasterSwitchOffRestoresOnlyTheSwitches)
{
    startWith("[Optionen]\r\nOpt0=0\r\nOpt3=0\r\n[Farben]\r\nFarbanzeige=255\r\n[Modus]\r\nLinks=5\r\nOben=5\r\n");
    EXPECT_FALSE(option(Option::RestoreAtStart)->isChecked());
    EXPECT_FALSE(option(Option::MagnifierZoom)->isChecked());
    EXPECT_TRUE(option(Option::Scheme)->isChecked());
    EXPECT_EQ(window->activeColor(), RGB(22, 174, 0)) << "the layout colour stays";
    EXPECT_NE(window->pos(), QPoint(5, 5));
    window->close();
    EXPECT_TRUE(readFile(iniPath()).contains("Opt0=0\r\n"));
}

TEST_F(ConfigTest, SchemeWithoutItsTexts)
{
    startWith("[Optionen]\r\nOpt5=0\r\n[Palette]\r\nFarbe1=255\r\nFarbeGes1=1\r\n[Hints]\r\nFeld1=Rot\r\n");
    EXPECT_EQ(swatch("Palette1")->color(), RGB(255, 0, 0));
    EXPECT_TRUE(swatch("Palette1")->hint().isEmpty());
    window->close();
    EXPECT_TRUE(readFile(iniPath()).contains("Feld1=\r\n"));
}

TEST_F(ConfigTest, RefusedWriteShowsTheMessageAndKeepsTheFile)
{
    startWith("[Eigenes]\r\nWert=1\r\n");
    {
        const Testing::FileSizeLimit fullDisk(100);
        window->close();
    }
    EXPECT_EQ(desktop.messages.errors.size(), 1);
    EXPECT_TRUE(desktop.messages.errors.value(0).contains("tintara.ini kann nicht geschrieben werden: "));
    EXPECT_EQ(readFile(iniPath()), "[Eigenes]\r\nWert=1\r\n");
}

TEST_F(WindowTest, ValuePanelCaptionsChooseTheCopyFormat)
{
    const auto blue = [this](const char* name) {
        return control<QLabel>(name)->palette().color(QPalette::WindowText) == QColor(0, 0, 255);
    };
    EXPECT_TRUE(blue("Label6"));
    QTest::mouseClick(control("lbRGB"), Qt::LeftButton);
    EXPECT_EQ(control<QComboBox>("cbTrayFormat")->currentIndex(), 2);
    EXPECT_TRUE(blue("Label8"));
    EXPECT_FALSE(blue("Label6"));
    EXPECT_EQ(partOf<ContextMenu>(*window).menu()->findChild<QAction*>("puFarbwert")->text(), "Farbwert kopieren (RGB)");

    control<QComboBox>("cbTrayFormat")->setCurrentIndex(5);
    for (const char* caption : {"Label6", "Label8", "Label3", "Label7"})
        EXPECT_FALSE(blue(caption)) << caption;
    EXPECT_EQ(partOf<ContextMenu>(*window).menu()->findChild<QAction*>("puFarbwert")->text(), "Farbwert kopieren (Visual Basic)");

    QTest::mouseClick(control("Label3"), Qt::LeftButton);
    EXPECT_EQ(control<QComboBox>("cbTrayFormat")->currentIndex(), 3);
    EXPECT_TRUE(blue("Label3"));
}

// [Modus] Modus keeps its three values (0 RGB, 1 HSV, else the picker); the OKLCH mode has a section of its own.
TEST_F(ConfigTest, TheOklchModeSurvivesARestart)
{
    start({iniPath(), {}});
    QTest::keyClick(window.get(), Qt::Key_F12);
    window->close();
    const IniFile ini(iniPath());
    EXPECT_EQ(ini.readInteger("Modus", "Modus", -1), 0);
    EXPECT_TRUE(ini.readBool("Erweiterungen", "Oklch", false));

    start({iniPath(), {}});
    EXPECT_TRUE(control<QWidget>("sbOkL")->isVisible());
    EXPECT_FALSE(control<QWidget>("sbRot")->isVisible());
    EXPECT_EQ(window->editor().displayMode(), ColorEditor::DisplayMode::Oklch);
    QTest::keyClick(window.get(), Qt::Key_F3);
    window->close();
    start({iniPath(), {}});
    EXPECT_TRUE(control<QWidget>("sbH")->isVisible());
}

TEST_F(ConfigTest, MixingInOklabRebuildsTheGradientAndSurvivesARestart)
{
    start({iniPath(), {}});
    window->Toolbar(Command::Farbverlauf);
    partOf<Z_Farbverlauf>(*window).setEnds(RGB(0, 0, 255), RGB(255, 255, 0));
    EXPECT_EQ(swatch("Verlauf128")->color(), RGB(126, 126, 127));
    QTest::mouseClick(control<QCheckBox>("cbOklab"), Qt::LeftButton);
    EXPECT_EQ(swatch("Verlauf128")->color(), RGB(0x6B, 0xAB, 0xC7));
    EXPECT_EQ(swatch("shFarbmischung")->color(), RGB(0x6B, 0xAB, 0xC7)) << "the mixer at 127 too";
    window->close();
    EXPECT_TRUE(IniFile(iniPath()).readBool("Erweiterungen", "OklabVerlauf", false));

    start({iniPath(), {}});
    window->Toolbar(Command::Farbverlauf);
    EXPECT_TRUE(control<QCheckBox>("cbOklab")->isChecked());
    EXPECT_EQ(swatch("Verlauf128")->color(), RGB(0x6B, 0xAB, 0xC7));
}

// The language chosen in the menu applies at once, is kept, and a file without it starts in German.
TEST_F(ConfigTest, TheLanguageSwitchesAtOnceAndIsKeptAndLanguageOnTheCommandLineOnlyForOneRun)
{
    start({iniPath(), {}});
    visitEveryPage();
    auto* help = control<QMenu>("mmHilfe");
    EXPECT_EQ(help->title(), "Hilfe");
    control<QAction>("mmSpracheEnglish")->trigger();
    QCoreApplication::processEvents(); // the language change reaches the widgets as events
    EXPECT_EQ(help->title(), "Help");
    EXPECT_EQ(control<QLabel>("lbFarbdifferenz")->text(), "Color difference:") << "pages too";
    EXPECT_EQ(control<QAction>("mmSpracheEnglish")->isChecked(), true);
    control<QAction>("mmSpracheDeutsch")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(help->title(), "Hilfe");
    EXPECT_EQ(control<QLabel>("lbFarbdifferenz")->text(), "Farbdifferenz:");
    control<QAction>("mmSpracheEnglish")->trigger();
    window->close();
    EXPECT_EQ(IniFile(iniPath()).readString("Oberflaeche", "Sprache", {}), "en");

    start({iniPath(), {}});
    QCoreApplication::processEvents();
    EXPECT_EQ(control<QMenu>("mmHilfe")->title(), "Help");
    window->close();
    start({iniPath(), {}, Language::German}); // --language de: this run only
    QCoreApplication::processEvents();
    EXPECT_EQ(control<QMenu>("mmHilfe")->title(), "Hilfe");
    window->close();
    EXPECT_EQ(IniFile(iniPath()).readString("Oberflaeche", "Sprache", {}), "en") << "not saved";

    startWith("[Farben]\r\nFarbanzeige=255\r\n");
    QCoreApplication::processEvents();
    EXPECT_EQ(control<QMenu>("mmHilfe")->title(), "Hilfe") << "no section: German";
}
