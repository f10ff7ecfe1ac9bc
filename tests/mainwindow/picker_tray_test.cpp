#include "controls/tmagnifier.h"
#include "controls/ttrayicon.h"
#include "platform/qtplatform.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QScrollBar>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;

namespace {

class PickerTest : public WindowTest
{
protected:
    void SetUp() override
    {
        desktop.screen.image = QImage(800, 600, QImage::Format_RGB32);
        desktop.screen.image.fill(qRgb(10, 20, 30));
        desktop.screen.image.setPixel(700, 500, qRgb(200, 100, 50));
        WindowTest::SetUp();
        QTest::keyClick(window.get(), Qt::Key_F4);
    }
    TMagnifier* zoom() const { return control<TMagnifier>("Zoom"); }
    void moveTo(QPoint global, Qt::MouseButtons held = Qt::LeftButton)
    {
        QMouseEvent move(QEvent::MouseMove, window->mapFromGlobal(global), global, Qt::NoButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &move);
    }
    // The pointer rests on the magnifier, as the screen tells.
    void pointAtMagnifier() { desktop.screen.cursor = zoom()->mapToGlobal(zoom()->rect().center()); }
    bool following() const { return partOf<ScreenPicker>(*window).isFollowing(); }
};

} // namespace

TEST(ZoomLevels, NineChoices)
{
    EXPECT_EQ(zoomLevelFor(0), 200);
    EXPECT_EQ(zoomLevelFor(4), 100);
    EXPECT_EQ(zoomLevelFor(6), 50);
    EXPECT_EQ(zoomLevelFor(8), 10);
    EXPECT_EQ(zoomLevelFor(9), std::nullopt);
}

TEST_F(PickerTest, PressMoveReleasePicksThePixelUnderThePointer)
{
    EXPECT_FALSE(zoom()->active());
    control<QComboBox>("cbZoom")->setCurrentIndex(2);
    QTest::mousePress(zoom(), Qt::LeftButton);
    EXPECT_TRUE(partOf<ScreenPicker>(*window).isPicking());
    EXPECT_TRUE(zoom()->active());
    EXPECT_EQ(zoom()->zoomLevel(), 150);

    moveTo({700, 500});
    EXPECT_EQ(swatch("Farbanzeige")->color(), RGB(200, 100, 50));
    EXPECT_EQ(control<QLineEdit>("edHTML")->text(), "#16AE00") << "the editor waits for the release";

    QTest::mouseRelease(window.get(), Qt::LeftButton);
    EXPECT_FALSE(partOf<ScreenPicker>(*window).isPicking());
    EXPECT_FALSE(zoom()->active());
    EXPECT_TRUE(zoom()->hasSnapshot());
    EXPECT_EQ(window->activeColor(), RGB(200, 100, 50));
    EXPECT_EQ(control<QLineEdit>("edHTML")->text(), "#C86432");
    EXPECT_EQ(control<QScrollBar>("sbRot")->value(), 200);
    EXPECT_EQ(partOf<ColorEditor>(*window).brightnessBase(), RGB(200, 100, 50));
}

TEST_F(PickerTest, OnlyTheLeftButtonStartsPickingAndAnyReleaseEndsIt)
{
    QTest::mousePress(zoom(), Qt::RightButton);
    EXPECT_FALSE(partOf<ScreenPicker>(*window).isPicking());
    EXPECT_FALSE(zoom()->active());
    QTest::mousePress(zoom(), Qt::LeftButton);
    QTest::mouseRelease(window.get(), Qt::RightButton);
    EXPECT_FALSE(partOf<ScreenPicker>(*window).isPicking());
}

// The loupe that follows the pointer: the events come to the window, which holds mouse and keyboard.
TEST_F(PickerTest, SpaceOnTheMagnifierLetsTheLoupeFollowTheMouseAndAClickPicksOneUndoableStep)
{
    window->setActiveColor(RGB(1, 2, 3));
    QCoreApplication::processEvents(); // the undo step of a colour is taken once its command is done
    desktop.screen.cursor = {5, 5};
    QTest::keyClick(window.get(), Qt::Key_Space);
    EXPECT_FALSE(following()) << "Space with the pointer elsewhere is a Space";

    pointAtMagnifier();
    QTest::keyClick(window.get(), Qt::Key_Space);
    ASSERT_TRUE(following());
    EXPECT_TRUE(zoom()->active());
    moveTo({700, 500}, Qt::NoButton);
    EXPECT_EQ(swatch("Farbanzeige")->color(), RGB(200, 100, 50)) << "the display shows the pixel under the pointer";
    EXPECT_EQ(window->activeColor(), RGB(1, 2, 3));
    moveTo({10, 10}, Qt::NoButton);
    EXPECT_EQ(swatch("Farbanzeige")->color(), RGB(10, 20, 30));

    QTest::mouseClick(window.get(), Qt::LeftButton, {}, window->mapFromGlobal(QPoint(700, 500)));
    EXPECT_FALSE(following());
    EXPECT_FALSE(zoom()->active());
    EXPECT_EQ(window->activeColor(), RGB(200, 100, 50)) << "the click's own pixel";
    EXPECT_EQ(control<QLineEdit>("edHTML")->text(), "#C86432");
    QCoreApplication::processEvents();
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->activeColor(), RGB(1, 2, 3));
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window->activeColor(), RGB(200, 100, 50));
}

TEST_F(PickerTest, TheContextEntryStartsTheLoupeSpacePicksAndEscapeEndsWithoutAPick)
{
    window->setActiveColor(RGB(1, 2, 3));
    QContextMenuEvent opened(QContextMenuEvent::Mouse, QPoint(2, 2), zoom()->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(zoom(), &opened);
    QMenu* menu = partOf<ContextMenu>(*window).menu();
    const QList<QAction*> entries = menu->actions();
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [](const QAction* a) { return a->objectName() == "puLupeFolgt"; });
    ASSERT_NE(entry, entries.end());
    EXPECT_TRUE((*entry)->isVisible());
    menu->hide();
    (*entry)->trigger();
    ASSERT_TRUE(following());
    moveTo({700, 500}, Qt::NoButton);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(following());
    EXPECT_EQ(window->activeColor(), RGB(1, 2, 3));
    EXPECT_EQ(swatch("Farbanzeige")->color(), RGB(1, 2, 3)) << "the display shows the active colour again";

    (*entry)->trigger();
    moveTo({700, 500}, Qt::NoButton);
    QTest::keyClick(window.get(), Qt::Key_Space);
    EXPECT_FALSE(following());
    EXPECT_EQ(window->activeColor(), RGB(200, 100, 50));

    QContextMenuEvent elsewhere(QContextMenuEvent::Mouse, QPoint(2, 2), swatch("Palette1")->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(swatch("Palette1"), &elsewhere);
    EXPECT_FALSE((*entry)->isVisible()) << "only on the magnifier";
    menu->hide();
}

namespace {

class TrayModeTest : public WindowTest
{
protected:
    QAction* item(const char* name) const { return partOf<TrayMode>(*window).menu()->findChild<QAction*>(name); }
};

} // namespace

TEST_F(TrayModeTest, F10HidesTheWindowAndBuildsTheMenu)
{
    partOf<SchemeSwatches>(*window).setSlot(2, RGB(255, 0, 0), 1);
    partOf<SchemeSwatches>(*window).setSlotInfo(3, "Link blau");
    QTest::keyClick(window.get(), Qt::Key_F10);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(partOf<TrayMode>(*window).icon()->active());
    EXPECT_EQ(desktop.notificationArea.calls.front().message, NotifyMessage::Add);
    EXPECT_EQ(desktop.notificationArea.calls.front().data.tip, "Mit der linken Maustaste klicken, um das Menü zu öffnen");

    EXPECT_EQ(item("puTray_2")->text(), "Farbe 2");
    EXPECT_TRUE(item("puTray_2")->isEnabled());
    EXPECT_EQ(item("puTray_3")->text(), "Link blau");
    EXPECT_FALSE(item("puTray_3")->isEnabled());
    EXPECT_EQ(item("puTray_7")->text(), "Farbe 7");

    desktop.notificationArea.callback(TrayLeftDown);
    EXPECT_TRUE(partOf<TrayMode>(*window).menu()->isVisible());
    partOf<TrayMode>(*window).menu()->hide();

    item("puTray_0")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(partOf<TrayMode>(*window).icon()->active());
    EXPECT_EQ(desktop.notificationArea.calls.back().message, NotifyMessage::Delete);
}

TEST_F(TrayModeTest, ChoosingAColourCopiesItInTheChosenFormat)
{
    partOf<SchemeSwatches>(*window).setSlot(1, RGB(255, 128, 0), 1);
    control<QAbstractButton>("ToolButton33")->click();
    control<QComboBox>("cbTrayFormat")->setCurrentIndex(4);
    item("puTray_1")->trigger();
    EXPECT_EQ(desktop.clipboard.content, "0x0080FF");
    EXPECT_EQ(swatch("shZwischenspeicher")->color(), clBtnFace) << "the history stays as it was";

    control<QComboBox>("cbTrayFormat")->setCurrentIndex(7);
    item("puTray_1")->trigger();
    EXPECT_EQ(desktop.clipboard.content, "0x0080FF");
    EXPECT_EQ(desktop.messages.messages, QStringList{"0;127;255;0"});

    control<QComboBox>("cbTrayFormat")->setCurrentIndex(9);
    item("puTray_1")->trigger();
    EXPECT_EQ(desktop.clipboard.content, "hsl(30 100% 50%)") << "the style-sheet notations copy too";
}

TEST_F(TrayModeTest, WithoutANotificationAreaTheWindowStays)
{
    desktop.notificationArea.present = false;
    QTest::keyClick(window.get(), Qt::Key_F10);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(partOf<TrayMode>(*window).icon()->active());
    EXPECT_EQ(desktop.messages.messages,
              QStringList{"Es ist kein Infobereich verfügbar, in den Tintara Studio minimiert werden kann."});
}

// The real box: shown while the window hides in the notification area, it must not end the program.
TEST(TrayModeBox, TheCmykBoxBelongsToTheWindowAndKeepsTheProgramRunning)
{
    Fakes::FakePlatform desktop;
    QtMessageBoxes boxes;
    const Platform platform{boxes,          desktop.colorDialog, desktop.fileDialogs,      desktop.clipboard,
                            desktop.screen, desktop.shell,       desktop.notificationArea, desktop.random,
                            desktop.dragOut,        desktop.appearance};
    TForm1 window(platform);
    window.show();
    partOf<SchemeSwatches>(window).setSlot(1, RGB(255, 128, 0), 1);
    window.findChild<QComboBox*>("cbTrayFormat")->setCurrentIndex(7);

    bool lastWindowClosed = false;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [&] { lastWindowClosed = true; });
    QString shown;
    QWidget* owner = nullptr;
    QMessageBox::Icon icon = QMessageBox::Information;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            owner = box->parentWidget();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start(10);
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&window, Qt::Key_F10);
        partOf<TrayMode>(window).menu()->findChild<QAction*>("puTray_1")->trigger();
        QApplication::exit(42);
    });
    EXPECT_EQ(QApplication::exec(), 42);
    EXPECT_EQ(shown, "0;127;255;0");
    EXPECT_EQ(owner, &window);
    EXPECT_EQ(icon, QMessageBox::NoIcon) << "a plain box, like the info page's message";
    EXPECT_FALSE(lastWindowClosed);
}
