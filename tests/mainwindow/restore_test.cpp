#include "support/files.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>

#include <functional>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

class RestoreTest : public WindowTest
{
protected:
    // Starts with `ini` as tintara.ini, shows every page once, and back to the colour finder.
    void startWith(const QByteArray& ini)
    {
        const QString path = folder.filePath("tintara.ini");
        Testing::writeFile(path, ini);
        start({path, {}});
        for (const char* button : {"ToolButton9", "ToolButton5", "ToolButton3", "ToolButton26", "ToolButton23",
                                   "ToolButton2", "ToolButton32", "ToolButton6", "ToolButton30", "ToolButton28",
                                   "ToolButton27", "ToolButton1"})
            control<QAbstractButton>(button)->click();
    }
    int index(const char* list) const { return control<QComboBox>(list)->currentIndex(); }

    QTemporaryDir folder;
};

} // namespace

// Every choice a user can leave behind, and one that names nothing, comes back at the next start.
TEST_F(RestoreTest, EveryStoredChoiceComesBackAtStart)
{
    const auto centred = [] {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        return screen.center().x() - 716 / 2;
    };
    const struct {
        QByteArray ini;
        std::function<void()> check;
    } cases[] = {
        {"[Modus]\r\nModus=0\r\n", [&] { EXPECT_EQ(partOf<ColorEditor>(*window).displayMode(), ColorEditor::DisplayMode::Rgb); }},
        {"[Modus]\r\nModus=2\r\n", [&] { EXPECT_EQ(partOf<ColorEditor>(*window).displayMode(), ColorEditor::DisplayMode::Picker); }},
        {"[Modus]\r\nModus=9\r\n", [&] { EXPECT_EQ(partOf<ColorEditor>(*window).displayMode(), ColorEditor::DisplayMode::Picker); }},
        {"[Modus]\r\nVorschlag=7\r\n", [&] { EXPECT_EQ(index("cbVorschlag"), 7); }},
        {"[Modus]\r\nVorschlag=8\r\n", [&] { EXPECT_EQ(index("cbVorschlag"), -1); }},
        {"[Modus]\r\nAbstufungen=1\r\n", [&] { EXPECT_EQ(control<QComboBox>("cbAbstufung")->currentText(), "Heller"); }},
        {"[Modus]\r\nAbstufungen=2\r\n", [&] { EXPECT_EQ(control<QComboBox>("cbAbstufung")->currentText(), "Dunkler"); }},
        {"[Modus]\r\nAbstufungen=3\r\n", [&] { EXPECT_EQ(index("cbAbstufung"), -1); }},
        {"[Modus]\r\nTray=7\r\n", [&] {
             EXPECT_EQ(index("cbTrayFormat"), 7);
             EXPECT_EQ(partOf<ContextMenu>(*window).menu()->findChild<QAction*>("puFarbwert")->text(), "Farbwert kopieren (CMYK)");
         }},
        {"[Modus]\r\nTray=10\r\n", [&] {
             EXPECT_EQ(index("cbTrayFormat"), 10);
             EXPECT_EQ(partOf<ContextMenu>(*window).menu()->findChild<QAction*>("puFarbwert")->text(),
                       "Farbwert kopieren (CSS oklch())");
         }},
        {"[Modus]\r\nTray=11\r\n", [&] { EXPECT_EQ(index("cbTrayFormat"), 11); }},
        {"[Modus]\r\nTray=12\r\n", [&] { EXPECT_EQ(index("cbTrayFormat"), -1); }},
        {"[Modus]\r\nDeckkraft=200\r\n", [&] { EXPECT_EQ(control<QScrollBar>("cbPalettenmischer")->value(), 200); }},
        {"[Modus]\r\nDeckkraft=-3\r\n", [&] { EXPECT_EQ(control<QScrollBar>("cbPalettenmischer")->value(), 0); }},
        {"[Modus]\r\nZoomfaktor=8\r\n", [&] { EXPECT_EQ(index("cbZoom"), 8); }},
        {"[Modus]\r\nZoomfaktor=9\r\n", [&] { EXPECT_EQ(index("cbZoom"), -1); }},
        {"[Modus]\r\nRahmen=0\r\n", [&] {
             EXPECT_FALSE(control<QCheckBox>("cbRahmen")->isChecked());
             EXPECT_EQ(swatch("Vorschlag1")->penStyle(), TColorShape::PenStyle::Clear);
         }},
        {"[Modus]\r\nLinks=33\r\nOben=44\r\n", [&] { EXPECT_EQ(window->pos(), QPoint(33, 44)); }},
        {"[Modus]\r\nLinks=-100\r\nOben=10\r\n", [&] { EXPECT_EQ(window->pos(), QPoint(-100, 10)) << "partly visible"; }},
        {"[Modus]\r\nLinks=6000\r\nOben=5000\r\n", [&] { EXPECT_EQ(window->x(), centred()) << "off every screen"; }},
        {"[Farben]\r\nFarbanzeige=255\r\n", [&] { EXPECT_EQ(control<QLineEdit>("edHTML")->text(), "#FF0000"); }},
        {"[Farben]\r\nHelligkeit=65280\r\n", [&] {
             EXPECT_EQ(swatch("shHelligkeitStart")->color(), RGB(0, 255, 0));
             EXPECT_EQ(swatch("HD100")->color(), RGB(0, 255, 0));
         }},
        {"[Farben]\r\nVerlaufStart=255\r\nVerlaufEnde=16711680\r\n", [&] {
             EXPECT_EQ(swatch("shStart")->color(), RGB(255, 0, 0));
             EXPECT_EQ(swatch("shEnde")->color(), RGB(0, 0, 255));
             EXPECT_EQ(redOf(swatch("Verlauf1")->color()), 254) << "the gradient runs from the start colour";
         }},
        {"[Farben]\r\nClipbrd5=255\r\n", [&] { EXPECT_EQ(swatch("shZwischenspeicher4")->color(), RGB(255, 0, 0)); }},
        {"[Farben]\r\nBackgrnd=8421504\r\nBackgrndS=1\r\n",
         [&] { EXPECT_EQ(partOf<ModuleBackground>(*window).color(), RGB(128, 128, 128)); }},
        {"[Farben]\r\nPal4=255\r\nPal4Ges=1\r\n", [&] {
             EXPECT_EQ(swatch("shPal12")->color(), RGB(255, 0, 0));
             EXPECT_EQ(swatch("shPal12")->brushStyle(), TColorShape::BrushStyle::Solid);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini.toStdString());
        startWith(c.ini);
        EXPECT_TRUE(window->isVisible());
        c.check();
    }
}

TEST_F(RestoreTest, RestoredGradationDirectionDrawsTheScheme)
{
    startWith("[Modus]\r\nAbstufungen=2\r\n[Palette]\r\nFarbe1=16777215\r\nFarbeGes1=1\r\n");
    control<QAbstractButton>("ToolButton3")->click();
    EXPECT_EQ(swatch("Abstuf1")->color(), RGB(243, 243, 243)) << "\"Dunkler\": row 1 is 5 % darker";
}
