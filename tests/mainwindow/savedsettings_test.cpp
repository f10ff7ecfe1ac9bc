#include "support/files.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace Tintara;
using Tintara::Testing::readFile;
using Tintara::Testing::WindowTest;
using Tintara::Testing::writeFile;

namespace {

// A file with a value other than the default under every key a page keeps.
QByteArray richFile(const QByteArray& options)
{
    QByteArray ini = "[Farben]\r\nFarbanzeige=1193046\r\nHelligkeit=3381759\r\nVerlaufStart=255\r\n"
                     "VerlaufEnde=16711680\r\nClipbrd1=4210752\r\nBackgrnd=8421504\r\nBackgrndS=1\r\n"
                     "Pal1=65280\r\nPal2=16711935\r\nPal1Ges=1\r\nPal2Ges=1\r\n"
                     "[Palette]\r\nFarbe3=255\r\nFarbeGes3=1\r\n[Hints]\r\nFeld3=Rot\r\n"
                     "[Modus]\r\nModus=2\r\nLinks=40\r\nOben=30\r\nVorschlag=4\r\nAbstufungen=1\r\nTray=3\r\n"
                     "Deckkraft=64\r\nZoomfaktor=2\r\nRahmen=0\r\n"
                     "[Erweiterungen]\r\nOklabVerlauf=1\r\n[Optionen]\r\n";
    return ini + options;
}

struct Use {
    const char* name;
    QByteArray before;                  // the file the program starts with; empty: none
    std::function<void(QWidget&)> work; // what the user does before closing
};

} // namespace

// The file written on closing, byte for byte as the program wrote it when it read the settings from
// the pages, which it made for that; now saving makes no page.
TEST_F(WindowTest, SavedSettingsKeepTheirBytes)
{
    const auto nothing = [](QWidget&) {};
    const std::vector<Use> uses = {
        {"fresh", {}, nothing},
        {"restored", richFile({}), nothing},
        {"master-off", richFile("Opt0=0\r\n"), nothing},
        {"page-switches-off", richFile("Opt9=0\r\nOpt10=0\r\nOpt11=0\r\nOpt12=0\r\nOpt13=0\r\nOpt14=0\r\nOpt15=0\r\n"),
         nothing},
        {"pages-used", richFile({}),
         [](QWidget& w) {
             auto* tform = static_cast<TForm1*>(&w);
             tform->setActiveColor(RGB(10, 200, 30));
             tform->Toolbar(Command::Farbverlauf);
             w.findChild<TColorShape*>("shEnde")->setColor(RGB(7, 8, 9));
             tform->Toolbar(Command::Palette);
             w.findChild<QScrollBar*>("cbPalettenmischer")->setValue(33);
             tform->Toolbar(Command::Abstufungen);
             w.findChild<QComboBox*>("cbAbstufung")->setCurrentIndex(0);
             tform->Toolbar(Command::Farbfinder);
             w.findChild<QComboBox*>("cbVorschlag")->setCurrentIndex(2);
         }},
    };
    const QString fixtures = QStringLiteral(TINTARA_TEST_SOURCE "/mainwindow/savedsettings/");
    for (const Use& use : uses) {
        QTemporaryDir folder;
        const QString path = folder.filePath("tintara.ini");
        if (!use.before.isEmpty())
            writeFile(path, use.before);
        start({path, {}});
        use.work(*window);
        const auto* pages = control<QStackedWidget>("PageControl1");
        const int made = pages->count();
        window->close();
        EXPECT_EQ(pages->count(), made) << use.name << ": saving made a page";
        EXPECT_EQ(readFile(path), readFile(fixtures + use.name + ".ini")) << use.name;
    }
}
