#include "support/files.h"
#include "windowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

const std::pair<const char*, const char*> pageButtons[] = {
    {"ToolButton1", "Z_Vorschlag"}, {"ToolButton9", "Z_Helligkeit"}, {"ToolButton5", "Z_Farbverlauf"},
    {"ToolButton3", "Z_Abstufungen"}, {"ToolButton26", "Z_Palette"}, {"ToolButton23", "Z_Websave"},
    {"ToolButton2", "Z_Testbild"}, {"ToolButton32", "Z_Kontrast"}, {"ToolButton6", "Z_Webseite"},
    {"ToolButton30", "Z_Export"}, {"ToolButton28", "Z_Optionen"}, {"ToolButton27", "Z_Paletteninfo"},
    {"BitBtn1", "Z_Konverter"},
};

const std::pair<const char*, const char*> menuPages[] = {
    {"mmExport", "Z_Export"}, {"mmOptionen", "Z_Optionen"}, {"mmKonverter", "Z_Konverter"},
    {"mmFarbfinder", "Z_Vorschlag"}, {"mmHelligkeitsverlauf", "Z_Helligkeit"}, {"mmFarbverlauf", "Z_Farbverlauf"},
    {"mmAbstufungen", "Z_Abstufungen"}, {"mmPalette", "Z_Palette"}, {"mmWebsicher", "Z_Websave"},
    {"mmTestbilder", "Z_Testbild"}, {"mmKontrast", "Z_Kontrast"}, {"mmTestwebseiten", "Z_Webseite"},
    {"mmFarbinformationen", "Z_Paletteninfo"},
};

const std::pair<Qt::Key, const char*> keyPages[] = {
    {Qt::Key_F5, "Z_Vorschlag"}, {Qt::Key_F6, "Z_Helligkeit"}, {Qt::Key_F7, "Z_Farbverlauf"},
    {Qt::Key_F8, "Z_Abstufungen"}, {Qt::Key_F9, "Z_Palette"}, {Qt::Key_F11, "Z_Optionen"},
};

class KeyRecorder : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys << static_cast<QKeyEvent*>(event)->key();
        return false;
    }
    QList<int> keys;
};

} // namespace

TEST_F(WindowTest, StartsOnTheFinderPageInHsvMode)
{
    EXPECT_EQ(visiblePage(), "Z_Vorschlag");
    EXPECT_EQ(partOf<ColorEditor>(*window).displayMode(), ColorEditor::DisplayMode::Hsv);
    EXPECT_EQ(window->windowTitle(), "Orbelin Tintara Studio Version 1.0.4");
    EXPECT_EQ(window->centralWidget()->size(), QSize(716, 490));
}

TEST_F(WindowTest, EveryPageButtonShowsItsPage)
{
    for (const auto& [button, page] : pageButtons) {
        control<QAbstractButton>(button)->click();
        EXPECT_EQ(visiblePage(), page) << button;
    }
}

TEST_F(WindowTest, EveryMenuEntryReachesItsPage)
{
    for (const auto& [entry, page] : menuPages) {
        control<QAction>(entry)->trigger();
        EXPECT_EQ(visiblePage(), page) << entry;
    }
}

TEST_F(WindowTest, FunctionKeysReachPagesWhateverHasTheFocus)
{
    auto* html = control<QLineEdit>("edHTML");
    html->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), html);
    for (const auto& [key, page] : keyPages) {
        control<QAbstractButton>("ToolButton32")->click();
        QTest::keyClick(html, key);
        EXPECT_EQ(visiblePage(), page) << key;
    }
    control<QAbstractButton>("ToolButton32")->click();
    QTest::keyClick(html, Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(visiblePage(), "Z_Vorschlag");
}

// F6 in the HTML field, the focus cleared, then F5 and F7: each press acts once, wherever the
// focus went, delivered to the field, to the window, and through the window system as X11 does.
TEST_F(WindowTest, FunctionKeysActOncePerPressAfterTheFocusChanges)
{
    auto* html = control<QLineEdit>("edHTML");
    auto* red = control<QLineEdit>("edRot");
    const auto press = [&](QWidget* focus, Qt::Key key) {
        if (focus)
            focus->setFocus();
        else if (QApplication::focusWidget())
            QApplication::focusWidget()->clearFocus();
        QTest::keyClick(focus ? focus : window.get(), key);
        return visiblePage();
    };
    EXPECT_EQ(press(html, Qt::Key_F6), "Z_Helligkeit");
    EXPECT_EQ(press(nullptr, Qt::Key_F5), "Z_Vorschlag");
    EXPECT_EQ(press(nullptr, Qt::Key_F7), "Z_Farbverlauf");
    EXPECT_EQ(press(red, Qt::Key_F8), "Z_Abstufungen");
    EXPECT_EQ(press(html, Qt::Key_F9), "Z_Palette");
    EXPECT_EQ(press(nullptr, Qt::Key_F9), "Z_Palette");
    EXPECT_EQ(press(red, Qt::Key_F5), "Z_Vorschlag");

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    html->setFocus();
    QTest::keyClick(window->windowHandle(), Qt::Key_F6);
    EXPECT_EQ(visiblePage(), "Z_Helligkeit");
    html->clearFocus();
    QTest::keyClick(window->windowHandle(), Qt::Key_F5);
    EXPECT_EQ(visiblePage(), "Z_Vorschlag");
    QTest::keyClick(window->windowHandle(), Qt::Key_F7);
    EXPECT_EQ(visiblePage(), "Z_Farbverlauf");
}

TEST_F(WindowTest, KeysGoOnToTheFocusedControlUnchanged)
{
    auto* html = control<QLineEdit>("edHTML");
    html->setFocus();
    html->selectAll();
    KeyRecorder recorder;
    html->installEventFilter(&recorder);
    QTest::keyClick(html, Qt::Key_F6);
    QTest::keyClick(html, Qt::Key_A);
    EXPECT_EQ(recorder.keys, (QList<int>{Qt::Key_F6, Qt::Key_A}));
    EXPECT_EQ(html->text(), "a");
}

TEST_F(WindowTest, DisplayModesShowExactlyOneGroup)
{
    const auto groupVisible = [&](std::initializer_list<const char*> names) {
        int visible = 0;
        for (const char* name : names)
            visible += control(name)->isVisible() && control(name)->isEnabled();
        return visible;
    };
    const std::initializer_list<const char*> rgb = {"sbRot", "sbGruen", "sbBlau", "edRot", "edGruen", "edBlau",
                                                   "shRot", "shGruen", "shBlau"};
    const std::initializer_list<const char*> hsv = {"sbH", "sbS", "sbV", "shH", "shS", "shV", "edH", "edS", "edV"};
    const std::initializer_list<const char*> picker = {"Zoom", "Bevel14", "cbZoom"};

    const struct {
        Qt::Key key;
        int mode, rgb, hsv, picker;
        bool brightnessEnabled;
    } cases[] = {{Qt::Key_F2, 0, 9, 0, 0, true}, {Qt::Key_F3, 1, 0, 9, 0, true}, {Qt::Key_F4, 2, 0, 0, 3, false}};
    for (const auto& c : cases) {
        QTest::keyClick(window.get(), c.key);
        EXPECT_EQ(static_cast<int>(partOf<ColorEditor>(*window).displayMode()), c.mode);
        EXPECT_EQ(groupVisible(rgb), c.rgb) << c.mode;
        EXPECT_EQ(groupVisible(hsv), c.hsv) << c.mode;
        EXPECT_EQ(groupVisible(picker), c.picker) << c.mode;
        EXPECT_EQ(control("sbHell")->isEnabled(), c.brightnessEnabled) << c.mode;
        EXPECT_TRUE(control("sbHell")->isVisible());
        EXPECT_TRUE(control("edHTML")->isVisible());
        EXPECT_TRUE(control("Farbanzeige")->isVisible());
    }
    control<QAction>("mmRGB")->trigger();
    EXPECT_EQ(partOf<ColorEditor>(*window).displayMode(), ColorEditor::DisplayMode::Rgb);
}

TEST_F(WindowTest, CustomBackgroundShowsOnlyOnTheSevenBackgroundPages)
{
    const TColor custom = RGB(10, 200, 30);
    partOf<ModuleBackground>(*window).setUserBackground(custom);
    EXPECT_EQ(partOf<ModuleBackground>(*window).color(), custom); // the finder page is a background page

    const QStringList backgroundPages = {"Z_Vorschlag", "Z_Helligkeit", "Z_Farbverlauf", "Z_Abstufungen",
                                         "Z_Palette",   "Z_Websave",    "Z_Testbild"};
    for (const auto& [button, page] : pageButtons) {
        control<QAbstractButton>(button)->click();
        const bool backgroundPage = backgroundPages.contains(page);
        EXPECT_EQ(partOf<ModuleBackground>(*window).color(), backgroundPage ? custom : ModuleBackground::standardBackground()) << page;
    }

    control<QAbstractButton>("ToolButton1")->click();
    EXPECT_EQ(partOf<ModuleBackground>(*window).color(), custom);
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(visiblePage(), "Z_Vorschlag");
    EXPECT_EQ(partOf<ModuleBackground>(*window).color(), ModuleBackground::standardBackground());
}

TEST_F(WindowTest, CommandsLeaveTheBackgroundAlone)
{
    partOf<ModuleBackground>(*window).setUserBackground(RGB(1, 2, 3));
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(partOf<ModuleBackground>(*window).color(), RGB(1, 2, 3));
}

// Each command's keys trigger its action once per press, with the focus in either editor field or
// nowhere, moving between them from key to key. An edit field keeps its own undo keys.
TEST_F(WindowTest, EveryActionsKeysTriggerItWhereverTheFocusIs)
{
    const struct {
        QKeyCombination key;
        const char* action;
        bool inField;
    } cases[] = {
        {Qt::Key_F1, "mmHilfeAufrufen", true}, {Qt::Key_F2, "mmRGB", true}, {Qt::Key_F3, "mmHSV", true},
        {Qt::Key_F4, "mmFarbpicker", true}, {Qt::Key_F5, "mmFarbfinder", true},
        {Qt::Key_F6, "mmHelligkeitsverlauf", true}, {Qt::Key_F7, "mmFarbverlauf", true},
        {Qt::Key_F8, "mmAbstufungen", true}, {Qt::Key_F9, "mmPalette", true}, {Qt::Key_F11, "mmOptionen", true},
        {Qt::ControlModifier | Qt::Key_N, "mmNeu", true}, {Qt::ControlModifier | Qt::Key_O, "mmLaden", true},
        {Qt::ControlModifier | Qt::Key_S, "actSpeichernOhneDialog", true},
        {Qt::ControlModifier | Qt::Key_E, "mmExport", true}, {Qt::ControlModifier | Qt::Key_Q, "mmBeenden", true},
        {Qt::ControlModifier | Qt::Key_Y, "mmWiederherstellen", false},
        {Qt::ControlModifier | Qt::Key_Z, "mmRueckgaengig", false},
        {Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z, "mmWiederherstellen", false},
    };
    auto* html = control<QLineEdit>("edHTML");
    auto* red = control<QLineEdit>("edRot");
    QWidget* const focusPlaces[] = {html, nullptr, red, html, nullptr};
    window->setActiveColor(RGB(1, 2, 3)); // a step for Ctrl+Z, which comes on the window
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const auto& c = cases[n];
        QWidget* focus = focusPlaces[n % std::size(focusPlaces)];
        if (focus)
            focus->setFocus();
        else if (QApplication::focusWidget())
            QApplication::focusWidget()->clearFocus();
        QSignalSpy triggered(control<QAction>(c.action), &QAction::triggered);
        QTest::keyClick(focus ? focus : window.get(), c.key.key(), c.key.keyboardModifiers());
        EXPECT_EQ(triggered.size(), focus && !c.inField ? 0 : 1) << c.action << (focus ? " in a field" : " on the window");
    }
    QSignalSpy tray(control<QAction>("mmTray"), &QAction::triggered);
    QTest::keyClick(html, Qt::Key_F10);
    EXPECT_EQ(tray.size(), 1);
}

TEST_F(WindowTest, CaptionsOnTheBackgroundFollowItsBrightness)
{
    auto* caption = control<QWidget>("Label10");
    partOf<ModuleBackground>(*window).setUserBackground(RGB(0, 0, 0));
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), QColor(Qt::white));
    partOf<ModuleBackground>(*window).setUserBackground(RGB(255, 255, 255));
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(WindowTest, BackgroundChosenOffABackgroundPageWaitsForOne)
{
    control<QAbstractButton>("ToolButton32")->click();
    partOf<ModuleBackground>(*window).setUserBackground(RGB(9, 9, 9));
    EXPECT_EQ(partOf<ModuleBackground>(*window).color(), ModuleBackground::standardBackground());
    control<QAbstractButton>("ToolButton23")->click();
    EXPECT_EQ(partOf<ModuleBackground>(*window).color(), RGB(9, 9, 9));
}

TEST_F(WindowTest, QuittingAsksUnlessSwitchedOff)
{
    auto* noQuestion = control<QCheckBox>("cbOpt_17");
    EXPECT_FALSE(noQuestion->isChecked());

    desktop.messages.answers = {false};
    control<QAbstractButton>("ToolButton25")->click();
    ASSERT_EQ(desktop.messages.questions, QStringList{"Wollen Sie Orbelin Tintara Studio wirklich beenden?"});
    EXPECT_TRUE(window->isVisible());

    desktop.messages.answers = {true};
    control<QAction>("mmBeenden")->trigger();
    EXPECT_FALSE(window->isVisible());

    window->show();
    noQuestion->setChecked(true);
    control<QAbstractButton>("ToolButton25")->click();
    EXPECT_EQ(desktop.messages.questions.size(), 2);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, ClosingTheWindowAsksNothing)
{
    window->close();
    EXPECT_TRUE(desktop.messages.questions.isEmpty());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, HelpOpensTheFileBesideTheProgramAndSaysSoWithoutIt)
{
    const QString path = QApplication::applicationDirPath() + "/tintara.chm";
    ASSERT_FALSE(QFile::exists(path)) << "the test folder must not hold a help file";
    QTemporaryDir noData; // an installed copy of the program must not answer for the missing one
    const Testing::ScopedEnvironment dataHome("XDG_DATA_HOME", noData.path().toUtf8());
    const Testing::ScopedEnvironment dataDirs("XDG_DATA_DIRS", noData.path().toUtf8());
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_TRUE(desktop.shell.opened.isEmpty());
    EXPECT_EQ(desktop.messages.errors, QStringList{"Die Hilfe ist nicht installiert: tintara.chm wurde nicht gefunden."});

    QFile help(path);
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    control<QAbstractButton>("ToolButton35")->click();
    control<QAction>("mmHilfeAufrufen")->trigger();
    QFile::remove(path);
    EXPECT_EQ(desktop.shell.opened, (QStringList{path, path}));
}

// Installed as CHM and as HTML: the browser shows the pages where nothing takes the CHM.
TEST_F(WindowTest, HelpFallsBackToTheHtmlPagesWhereNoViewerTakesTheChm)
{
    QTemporaryDir data;
    const QString chm = data.filePath("tintara/tintara.chm"), html = data.filePath("doc/tintara/html/index.html");
    const Testing::ScopedEnvironment dataHome("XDG_DATA_HOME", data.path().toUtf8());
    const Testing::ScopedEnvironment dataDirs("XDG_DATA_DIRS", data.path().toUtf8());
    QDir(data.path()).mkpath("doc/tintara/html");
    Testing::writeFile(html, "<html></html>");
    QTest::keyClick(window.get(), Qt::Key_F1); // no CHM at all
    EXPECT_EQ(desktop.shell.opened, QStringList{html});

    QDir(data.path()).mkpath("tintara");
    Testing::writeFile(chm, "ITSF");
    desktop.shell.opened.clear();
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(desktop.shell.opened, QStringList{chm});

    desktop.shell.opened.clear();
    desktop.shell.refused = QStringList{chm};
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(desktop.shell.opened, (QStringList{chm, html}));
    EXPECT_TRUE(desktop.messages.errors.isEmpty());

    // No program for either: F1 says so and where the help is, instead of doing nothing.
    desktop.shell.refused = QStringList{chm, html};
    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_EQ(desktop.messages.errors.size(), 1);
    EXPECT_TRUE(desktop.messages.errors[0].startsWith("Die Hilfe kann nicht geöffnet werden"));
    EXPECT_TRUE(desktop.messages.errors[0].contains(QDir::toNativeSeparators(chm)));
}

TEST_F(WindowTest, SwatchGridsExistByName)
{
    visitEveryPage();
    for (const char* last : {"Abstuf288", "Verlauf256", "HD200", "WS216", "PFA48"})
        EXPECT_NE(window->findChild<TColorShape*>(last), nullptr) << last;
    EXPECT_EQ(window->findChild<TColorShape*>("Abstuf289"), nullptr);
    EXPECT_EQ(swatch("Abstuf17")->geometry(), QRect(6, 24, 25, 16));
    EXPECT_EQ(swatch("Abstuf17")->parentWidget()->objectName(), "Z_Abstufungen");
    EXPECT_EQ(swatch("Verlauf256")->geometry(), QRect(6 + 32 * 15, 6 + 18 * 15, 28, 15));
    EXPECT_EQ(swatch("HD21")->geometry(), QRect(6, 35, 23, 27));
    EXPECT_EQ(swatch("WS13")->geometry(), QRect(6, 26, 40, 19));
    EXPECT_EQ(swatch("PFA9")->geometry(), QRect(6, 58, 60, 48));
    EXPECT_EQ(swatch("PFA48")->dragMode(), TColorShape::DragMode::Automatic);
}

TEST_F(WindowTest, FixedSurfacesTakeShadesOfTheButtonFace)
{
    visitEveryPage();
    EXPECT_EQ(swatch("Shape11")->color(), ShadeColor(clBtnFace, 20));
    EXPECT_EQ(swatch("Shape12")->color(), ShadeColor(clBtnFace, 50));
    EXPECT_EQ(partOf<ModuleBackground>(*window).color(), ShadeColor(clBtnFace, -5));
}

// A page made when it is first shown looks as it would had it followed every change from the start:
// the scheme, the active colour and the user's background, captions included.
TEST_F(WindowTest, PagesMadeWhenFirstShownLookAsIfMadeAtStart)
{
    const auto change = [&] {
        partOf<SchemeSwatches>(*window).setSlot(2, RGB(200, 40, 90), 1);
        window->setActiveColor(RGB(20, 120, 220));
        partOf<ModuleBackground>(*window).setUserBackground(RGB(30, 30, 60));
    };
    const auto pictures = [&] {
        QList<QImage> shown;
        for (const CommandRow& row : commandTable) {
            if (row.createPage) {
                window->Toolbar(row.command);
                shown << control("PageControl1")->grab().toImage();
            }
        }
        return shown;
    };
    // Every page made, shown and left, the finder too; then changed under while hidden.
    visitEveryPage();
    window->Toolbar(Command::Bildfarben);
    change();
    const QList<QImage> madeAtStart = pictures();
    start();
    change();
    const QList<QImage> madeLate = pictures();
    ASSERT_EQ(madeLate.size(), madeAtStart.size());
    for (qsizetype n = 0; n < madeLate.size(); ++n)
        EXPECT_TRUE(madeLate[n] == madeAtStart[n]) << "page " << n;
}

// Every row finds its tool button and its menu entry in the form; a form that lacks them is told
// row by row, and an action the window makes is not missed.
TEST_F(WindowTest, EveryCommandRowFindsItsControlsInTheForm)
{
    EXPECT_EQ(missingFormControls(*window), QStringList{});
    const QWidget bare;
    const QStringList missing = missingFormControls(bare);
    EXPECT_TRUE(missing.contains(R"(The command row "mmFarbfinder" names the tool button "ToolButton1", which the )"
                                 R"(form does not have.)"))
        << missing.join('\n').toStdString();
    EXPECT_TRUE(missing.contains(R"(The command row "mmBeenden" names a menu entry the form does not have; a row )"
                                 R"(whose action the window makes says windowAction.)"));
    EXPECT_FALSE(missing.join('\n').contains("actSpeichernOhneDialog")) << "the window makes that one";
    EXPECT_EQ(missing.size(), 25 + commandCount - 3) << "25 tool buttons, every menu entry but the three made";
}

// The page commands come first, each with the factory that makes its page; no other command makes one.
TEST(CommandTable, ThePagesComeFirstEachWithItsFactory)
{
    for (const CommandRow& row : commandTable)
        EXPECT_EQ(row.createPage != nullptr, row.command < Command::Neu) << row.action;
}
