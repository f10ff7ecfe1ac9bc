#include "mainwindow/recentschemes.h"
#include "controls/tcolorshape.h"
#include "mainwindow/schemehistory.h"
#include "platform/inifile.h"
#include "support/files.h"
#include "windowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace Tintara;
using Tintara::Testing::readFile;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;
using Tintara::Testing::writeFile;

namespace {

class UndoTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        partOf<SchemeSwatches>(*window).setSlot(3, RGB(30, 30, 30), 1);
        partOf<SchemeSwatches>(*window).setSlot(4, RGB(40, 40, 40), 1);
        partOf<SchemeSwatches>(*window).setSlotInfo(4, "Rahmen");
        partOf<SchemeHistory>(*window).clear();
        writeFile(folder.filePath("blau.tsf"), "[Palette]\r\nFarbe1=16711680\r\nFarbeGes1=1\r\n[Hints]\r\nFeld1=Blau\r\n");
    }
    QAction* action(const char* name) const { return control<QAction>(name); }
    void ctrl(Qt::Key key) { QTest::keyClick(window.get(), key, Qt::ControlModifier); }

    QTemporaryDir folder;
};

} // namespace

TEST_F(UndoTest, EveryChangeToTheSchemeIsUndoneAndRedoneExactlyWithItsFollowUps)
{
    const struct {
        const char* caption;
        std::function<void()> change;
    } changes[] = {
        {"Farbe in Feld 3", [&] { drag(swatch("Vorschlag1"), swatch("Palette3")); }},
        {"Feld 4 geleert", [&] { drag(swatch("Palette4"), control("Image1")); }},
        {"Farben des Farbfinders übernommen",
         [&] { desktop.messages.answers = {true}; action("mmUebernehmen")->trigger(); }},
        {"Neues Farbschema", [&] { desktop.messages.answers = {true}; action("mmNeu")->trigger(); }},
        {"Farbschema laden",
         [&] { desktop.fileDialogs.results = {folder.filePath("blau.tsf")}; action("mmLaden")->trigger(); }},
        {"Farbinformationen", [&] { window->setInfoTexts({"Text", "", "Titel"}); }},
        {"Farbe in Feld 7", [&] {
             action("mmKonverter")->trigger();
             swatch("PFA1")->setColor(RGB(7, 7, 7));
             drag(swatch("PFA1"), swatch("Palette7"));
         }},
    };
    const QSignalSpy followUps(&window->events(), &PageEvents::schemeChanged);
    for (const auto& c : changes) {
        const SchemeSlots before = window->schemeSlots();
        c.change();
        const SchemeSlots after = window->schemeSlots();
        ASSERT_NE(after, before) << c.caption;
        const auto dragModes = [&] {
            std::array<TColorShape::DragMode, 16> modes{};
            for (int n = 1; n <= 16; ++n)
                modes[n - 1] = swatch(QString("Palette%1").arg(n))->dragMode();
            return modes;
        };
        const auto modesAfter = dragModes();
        EXPECT_EQ(action("mmRueckgaengig")->text(), QString("Rückgängig: ") + c.caption);
        const qsizetype seen = followUps.count();

        ctrl(Qt::Key_Z);
        EXPECT_EQ(window->schemeSlots(), before) << c.caption;
        EXPECT_EQ(action("mmWiederherstellen")->text(), QString("Wiederherstellen: ") + c.caption);
        ctrl(Qt::Key_Y);
        EXPECT_EQ(window->schemeSlots(), after) << c.caption;
        EXPECT_EQ(followUps.count(), seen + 2) << "pages follow undo and redo: " << c.caption;
        EXPECT_EQ(dragModes(), modesAfter) << "every slot drags as the change left it: " << c.caption;
    }
    // Ctrl+Shift+Z redoes as well; back to the start, nothing is left to undo.
    const SchemeSlots last = window->schemeSlots();
    ctrl(Qt::Key_Z);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->schemeSlots(), last);
    while (action("mmRueckgaengig")->isEnabled())
        ctrl(Qt::Key_Z);
    EXPECT_EQ(partOf<SchemeHistory>(*window).stack().index(), 0);
    EXPECT_EQ(action("mmRueckgaengig")->text(), "Rückgängig");
}

TEST_F(UndoTest, ActiveColourChangesInOneGoAndABarDragAreOneStepEach)
{
    QTest::keyClick(window.get(), Qt::Key_F2); // the RGB bars
    window->setActiveColor(RGB(1, 1, 1));
    partOf<SchemeHistory>(*window).clear();
    drag(swatch("Palette3"), swatch("Farbanzeige")); // a drop
    QCoreApplication::processEvents();
    desktop.colorDialog.result = RGB(2, 2, 2);
    action("mmFarbauswahl")->trigger(); // the dialog
    QCoreApplication::processEvents();
    // A drag of the red bar: several moves, one release.
    auto* red = control<QScrollBar>("sbRot");
    red->setFocus();
    for (const int value : {10, 20, 30}) {
        red->setValue(value);
        QCoreApplication::processEvents();
    }
    QTest::mouseRelease(red, Qt::LeftButton);
    red->setValue(40); // a second drag of the same bar is a step of its own
    QTest::mouseRelease(red, Qt::LeftButton);
    desktop.messages.answers = {true};
    desktop.random.values = {30, 20, 10}; // blue, green, red
    action("mmZufallsfarbe")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(action("mmRueckgaengig")->text(), "Rückgängig: Aktive Farbe #0A141E");

    const TColor expected[] = {RGB(40, 2, 2), RGB(30, 2, 2), RGB(2, 2, 2), RGB(30, 30, 30), RGB(1, 1, 1)};
    for (const TColor colour : expected) {
        action("mmRueckgaengig")->trigger();
        EXPECT_EQ(window->activeColor(), colour);
        EXPECT_EQ(control<QLineEdit>("edHTML")->text(), QString::fromStdString(ColorNotation(colour, NotationHtml)));
    }
    EXPECT_FALSE(action("mmRueckgaengig")->isEnabled());
    action("mmWiederherstellen")->trigger();
    EXPECT_EQ(window->activeColor(), RGB(30, 30, 30));
    EXPECT_EQ(window->schemeSlots().colors[2], RGB(30, 30, 30)) << "colour steps leave the scheme alone";
}

// Picking moves the three bars one after another; it is still one step.
TEST_F(UndoTest, APickFromTheScreenIsOneStep)
{
    desktop.screen.image = QImage(800, 600, QImage::Format_RGB32);
    desktop.screen.image.fill(qRgb(200, 100, 50));
    QTest::keyClick(window.get(), Qt::Key_F4);
    const TColor before = window->activeColor();
    QTest::mousePress(control("Zoom"), Qt::LeftButton);
    QMouseEvent move(QEvent::MouseMove, window->mapFromGlobal(QPoint(5, 5)), QPoint(5, 5), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &move);
    QTest::mouseRelease(window.get(), Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_EQ(window->activeColor(), RGB(200, 100, 50));
    ctrl(Qt::Key_Z);
    EXPECT_EQ(window->activeColor(), before);
    EXPECT_FALSE(action("mmRueckgaengig")->isEnabled());
}

// What start-up restored is where undo stops; a file named at start is one undoable load after
// it, so a mistyped name, which starts a new empty scheme, does not take the restored one with it.
TEST_F(UndoTest, AFileNamedAtStartIsAnUndoableLoadAfterTheRestoredScheme)
{
    const QString ini = folder.filePath("tintara.ini");
    start({ini, {}});
    EXPECT_EQ(partOf<SchemeHistory>(*window).stack().count(), 0);
    EXPECT_FALSE(action("mmRueckgaengig")->isEnabled());
    partOf<SchemeSwatches>(*window).setSlot(5, RGB(5, 5, 5), 1);
    window->close();

    start({ini, {folder.filePath("neu.tsf")}}); // no such file: sixteen empty slots
    EXPECT_EQ(window->schemeSlots().used, (std::array<int, 16>{}));
    EXPECT_EQ(partOf<SchemeHistory>(*window).stack().count(), 1);
    ctrl(Qt::Key_Z);
    EXPECT_EQ(window->schemeSlots().colors[4], RGB(5, 5, 5));
    EXPECT_FALSE(action("mmRueckgaengig")->isEnabled());
    EXPECT_TRUE(partOf<RecentSchemes>(*window).files().isEmpty()); // nothing was read there
    window->close();

    start({ini, {folder.filePath("blau.tsf")}});
    EXPECT_EQ(window->schemeSlots().colors[0], RGB(0, 0, 255));
    EXPECT_EQ(partOf<RecentSchemes>(*window).files(), QStringList{folder.filePath("blau.tsf")});
    ctrl(Qt::Key_Z);
    EXPECT_EQ(window->schemeSlots().colors[4], RGB(5, 5, 5));
}

TEST_F(UndoTest, CtrlZInAnEditFieldUndoesTheTypingNotTheScheme)
{
    drag(swatch("Vorschlag1"), swatch("Palette3"));
    const SchemeSlots changed = window->schemeSlots();
    auto* html = control<QLineEdit>("edHTML");
    html->setFocus();
    html->setText("#1");
    QTest::keyClicks(html, "2");
    QTest::keyClick(html, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(html->text(), "#1");
    EXPECT_EQ(window->schemeSlots(), changed);
}

// Ctrl+S writes into the file the scheme came from, as editors do; the tool button and the menu
// entry keep their dialog; with no file yet, Ctrl+S asks as they do.
TEST_F(UndoTest, CtrlSSavesIntoTheSchemesOwnFileWithoutADialog)
{
    ctrl(Qt::Key_S);
    ASSERT_EQ(desktop.fileDialogs.shown.size(), 1u) << "no file yet: the dialog asks";
    desktop.fileDialogs.results = {folder.filePath("blau.tsf")};
    action("mmLaden")->trigger();
    partOf<SchemeSwatches>(*window).setSlot(2, RGB(0, 200, 0), 1);
    ctrl(Qt::Key_S);
    EXPECT_EQ(desktop.fileDialogs.shown.size(), 2u) << "only the open dialog was shown";
    EXPECT_TRUE(readFile(folder.filePath("blau.tsf")).contains("Farbe2=51200\r\nFarbeGes2=1\r\n"));

    action("mmSpeichern")->trigger();
    EXPECT_EQ(desktop.fileDialogs.shown.size(), 3u);
    EXPECT_EQ(desktop.fileDialogs.shown.back().kind, FileDialogKind::Save);
}

TEST_F(UndoTest, TheUsualKeysReachTheSchemeCommandsAndTheFunctionKeysStay)
{
    control<QCheckBox>("cbOpt_17")->setChecked(false); // the quit command asks
    const SchemeSlots before = window->schemeSlots();
    ctrl(Qt::Key_N);
    EXPECT_EQ(desktop.messages.questions.size(), 1);
    ctrl(Qt::Key_Q);
    EXPECT_EQ(desktop.messages.questions.size(), 2);
    EXPECT_TRUE(window->isVisible()) << "No to the question keeps the program";
    EXPECT_EQ(window->schemeSlots(), before) << "No to the question keeps the scheme";
    ctrl(Qt::Key_O);
    ctrl(Qt::Key_S);
    ASSERT_EQ(desktop.fileDialogs.shown.size(), 2u);
    EXPECT_EQ(desktop.fileDialogs.shown[0].kind, FileDialogKind::Open);
    EXPECT_EQ(desktop.fileDialogs.shown[1].kind, FileDialogKind::Save);
    ctrl(Qt::Key_E);
    EXPECT_EQ(visiblePage(), "Z_Export");
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(visiblePage(), "Z_Vorschlag");
}

TEST_F(UndoTest, RecentSchemesNewestFirstAtMostEightMissingGreyedAndAListToClear)
{
    for (int n = 1; n <= 9; ++n)
        writeFile(folder.filePath(QString("s%1.tsf").arg(n)), "[Palette]\r\nFarbe1=1\r\nFarbeGes1=1\r\n");
    for (int n = 1; n <= 8; ++n) {
        desktop.fileDialogs.results = {folder.filePath(QString("s%1.tsf").arg(n))};
        action("mmLaden")->trigger();
    }
    desktop.fileDialogs.results = {folder.filePath("s9.tsf")};
    action("mmSpeichern")->trigger(); // saved counts too
    desktop.fileDialogs.results = {folder.filePath("s5.tsf")};
    action("mmLaden")->trigger(); // again: to the front, not twice
    QFile::remove(folder.filePath("s2.tsf"));

    QMenu* recent = partOf<RecentSchemes>(*window).menu();
    emit recent->aboutToShow();
    QStringList entries;
    for (QAction* entry : recent->actions()) {
        if (!entry->isSeparator())
            entries << entry->text().section(' ', 1) + (entry->isEnabled() ? "" : " (grau)");
    }
    const auto file = [&](int n) { return QDir::toNativeSeparators(folder.filePath(QString("s%1.tsf").arg(n))); };
    EXPECT_EQ(entries, (QStringList{file(5), file(9), file(8), file(7), file(6), file(4), file(3),
                                    file(2) + " (grau)", "leeren"}));

    partOf<SchemeSwatches>(*window).setSlot(1, RGB(9, 9, 9), 1);
    recent->actions().constFirst()->trigger(); // s5 again, an undoable load
    EXPECT_EQ(window->schemeSlots().colors[0], TColor(1));
    ctrl(Qt::Key_Z);
    EXPECT_EQ(window->schemeSlots().colors[0], RGB(9, 9, 9));

    control<QAction>("mmListeLeeren")->trigger();
    EXPECT_TRUE(partOf<RecentSchemes>(*window).files().isEmpty());
}

// A slot used before a load that leaves it empty stays draggable, and dragging it empties the slot
// it lands on. Undo and redo give that drag mode back exactly, not one derived from the used flag.
TEST_F(UndoTest, UndoAndRedoKeepTheDragModeALoadLeftOnAnEmptySlot)
{
    writeFile(folder.filePath("leer3.tsf"), "[Palette]\r\nFarbe1=255\r\nFarbeGes1=1\r\nFarbeGes3=0\r\n");
    desktop.fileDialogs.results = {folder.filePath("leer3.tsf")};
    action("mmLaden")->trigger();
    ASSERT_EQ(partOf<SchemeSwatches>(*window).usedFlag(3), 0);
    ASSERT_EQ(swatch("Palette3")->dragMode(), TColorShape::DragMode::Automatic);
    window->setInfoTexts({"Rot"});
    ctrl(Qt::Key_Z);
    EXPECT_EQ(swatch("Palette3")->dragMode(), TColorShape::DragMode::Automatic);
    ctrl(Qt::Key_Y);
    ctrl(Qt::Key_Z);
    drag(swatch("Palette3"), swatch("Palette1"));
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(1), 0) << "the empty slot still empties the one it is dropped on";
    EXPECT_EQ(swatch("Palette1")->dragMode(), TColorShape::DragMode::Manual);
    ctrl(Qt::Key_Z); // the emptying
    ctrl(Qt::Key_Z); // the load: slot 3 used again, as before it
    EXPECT_EQ(partOf<SchemeSwatches>(*window).usedFlag(3), 1);
    EXPECT_EQ(swatch("Palette3")->dragMode(), TColorShape::DragMode::Automatic);
}

// Choosing an entry moves it to the top and rebuilds the list while the entry's own signal is
// still being delivered; "Liste leeren" empties the list it stands in. Both with the mouse, as a
// designer does it, with the picker on and the info page on view.
TEST_F(UndoTest, RecentEntriesChosenWithTheMouseOpenTheirSchemeAndTheListStaysWhole)
{
    for (int n = 1; n <= 2; ++n) {
        partOf<SchemeSwatches>(*window).setSlot(1, RGB(n, n, n), 1);
        desktop.fileDialogs.results = {folder.filePath(QString("s%1.tsf").arg(n))};
        action("mmSpeichern")->trigger();
    }
    QTest::keyClick(window.get(), Qt::Key_F4);
    action("mmFarbinformationen")->trigger();
    QMenuBar* bar = window->menuBar();
    QMenu* schemeMenu = control<QMenu>("mmFarbschema");
    QMenu* recent = partOf<RecentSchemes>(*window).menu();
    const auto choose = [&](int entry) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(schemeMenu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return schemeMenu->isVisible(); }));
        QTest::mouseClick(schemeMenu, Qt::LeftButton, {}, schemeMenu->actionGeometry(recent->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return recent->isVisible(); }));
        // The menu and the menu bar still hand the chosen entry on after its own signal: it must
        // outlive the delivery (a deleted one was read there, and the program crashed).
        QAction* chosen = recent->actions().at(entry);
        bool delivering = true, deletedWhileDelivered = false;
        const QMetaObject::Connection watch =
            QObject::connect(chosen, &QObject::destroyed, [&] { deletedWhileDelivered = delivering; });
        QTest::mouseClick(recent, Qt::LeftButton, {}, recent->actionGeometry(chosen).center());
        delivering = false;
        EXPECT_FALSE(deletedWhileDelivered);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // An entry that lives on is deleted later, when these flags are gone.
        QObject::disconnect(watch);
    };
    for (int round = 0; round < 3; ++round) {
        choose(1); // the older file, which moves to the top
        EXPECT_EQ(window->schemeSlots().colors[0], round % 2 ? RGB(2, 2, 2) : RGB(1, 1, 1));
    }
    EXPECT_EQ(partOf<RecentSchemes>(*window).files().size(), 2);
    choose(3); // after the separator: "Liste leeren"
    EXPECT_TRUE(partOf<RecentSchemes>(*window).files().isEmpty());
    EXPECT_EQ(recent->actions().size(), 1);
}

// The list is a section of its own at the end; the configuration before it stays byte for byte.
TEST_F(UndoTest, TheRecentListLeavesEverySpecifiedSectionOfTheConfigurationAsItWas)
{
    const QString ini = folder.filePath("tintara.ini");
    start({ini, {}});
    window->close();
    const QByteArray without = readFile(ini);
    ASSERT_FALSE(without.isEmpty());
    EXPECT_FALSE(without.contains("Zuletzt"));

    start({ini, {}});
    for (int n = 1; n <= 8; ++n)
        partOf<RecentSchemes>(*window).add(folder.filePath(QString("s%1.tsf").arg(n)));
    window->close();
    const QByteArray with = readFile(ini);
    QByteArray section = "[Zuletzt geoeffnet]\r\n";
    for (int n = 1; n <= 8; ++n)
        section += QString("Datei%1=%2\r\n").arg(n).arg(folder.filePath(QString("s%1.tsf").arg(9 - n))).toUtf8();
    EXPECT_EQ(with, without + section);

    start({ini, {}});
    EXPECT_EQ(partOf<RecentSchemes>(*window).files().size(), 8);
    partOf<RecentSchemes>(*window).clear();
    window->close();
    EXPECT_EQ(readFile(ini), without);
}
