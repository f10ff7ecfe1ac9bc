#include "controls/ttrayicon.h"
#include "fakes/fakeplatform.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>
#include <QWidget>

using namespace Tintara;

namespace {

class TrayTest : public ::testing::Test
{
protected:
    Fakes::FakeNotificationArea area;
    TTrayIcon tray{area};

    void send(unsigned message) { area.callback(message); }
    std::vector<NotifyMessage> messages() const
    {
        std::vector<NotifyMessage> sent;
        for (const auto& call : area.calls)
            sent.push_back(call.message);
        return sent;
    }
};

} // namespace

TEST_F(TrayTest, ActivationAddsTheIconWithTheNewShellRecord)
{
    tray.setHint("Kurz|lange Beschreibung");
    tray.setActive(true);
    EXPECT_EQ(messages(), (std::vector{NotifyMessage::Add, NotifyMessage::SetVersion}));
    const NotifyIconData& record = area.calls.front().data;
    EXPECT_EQ(record.size, 488);
    EXPECT_EQ(record.flags, 23u);
    EXPECT_EQ(record.callbackMessage, 1025u);
    EXPECT_EQ(record.version, 3u);
    EXPECT_EQ(record.tip, "Kurz");
    tray.setActive(true); // again: no equality test
    EXPECT_EQ(area.calls.size(), 4u);
    tray.setActive(false);
    EXPECT_EQ(area.calls.back().message, NotifyMessage::Delete);
}

TEST(TrayOldShell, SmallRecordAndOneLineHints)
{
    Fakes::FakeNotificationArea area;
    area.version = 0x40000;
    TTrayIcon tray(area);
    tray.setHint("zwei\r\nZeilen");
    EXPECT_EQ(tray.hint(), "zwei - Zeilen");
    tray.setActive(true);
    ASSERT_EQ(area.calls.size(), 1u) << "no version message for the old shell";
    EXPECT_EQ(area.calls[0].data.size, 88);
}

TEST_F(TrayTest, HintsAreCutAndKeepTheirLineBreakWithTheNewShell)
{
    tray.setHint("zwei\r\nZeilen");
    EXPECT_EQ(tray.hint(), "zwei\r\nZeilen");
    EXPECT_EQ(TTrayIcon::shortHint(QString(200, u'a')).size(), 127);
}

TEST_F(TrayTest, MouseMoveRefreshesTheTipOnce)
{
    tray.setActive(true);
    tray.setHint("Neu");
    area.calls.clear();
    send(TrayMouseMove);
    send(TrayMouseMove);
    ASSERT_EQ(area.calls.size(), 1u);
    EXPECT_EQ(area.calls[0].message, NotifyMessage::Modify);
    EXPECT_EQ(area.calls[0].data.flags, 7u);
    EXPECT_EQ(area.calls[0].data.tip, "Neu");
}

TEST_F(TrayTest, IconIndexOutsideTheFramesBecomesMinusOne)
{
    tray.setIconIndex(2);
    EXPECT_EQ(tray.iconIndex(), -1) << "no frames at all";
    const std::vector<QIcon> frames(2);
    tray.setIcons(&frames);
    tray.setIconIndex(1);
    EXPECT_EQ(tray.iconIndex(), 1);
    tray.setIconIndex(2);
    EXPECT_EQ(tray.iconIndex(), -1);

    tray.setActive(true);
    const std::vector<QIcon> none;
    tray.setIcons(&none);
    tray.animate();
    EXPECT_EQ(tray.iconIndex(), -1) << "an empty frame list keeps the index at -1";
    tray.setIcons(&frames);
    QSignalSpy steps(&tray, &TTrayIcon::animationStep);
    tray.animate();
    tray.animate();
    tray.animate();
    EXPECT_EQ(tray.iconIndex(), 0);
    EXPECT_EQ(steps.count(), 3);
}

TEST_F(TrayTest, RecreatedTaskBarGetsTheIconBack)
{
    tray.setActive(true);
    area.calls.clear();
    area.taskBar = 2;
    tray.setHint("egal");
    EXPECT_EQ(messages(), (std::vector{NotifyMessage::Delete, NotifyMessage::Add, NotifyMessage::SetVersion}));
}

TEST_F(TrayTest, LeftPressOpensTheDropDownMenu)
{
    QMenu menu;
    menu.addAction("Farbe 1");
    tray.setDropDownMenu(&menu);
    area.cursor = {100, 100};
    QSignalSpy down(&tray, &TTrayIcon::mouseDown);
    send(TrayRightDown);
    EXPECT_FALSE(menu.isVisible());
    send(TrayLeftDown);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(down.count(), 2);
    menu.hide();
}

TEST_F(TrayTest, DoubleClickHandlerTakesOverCompletely)
{
    QMenu popup;
    QAction* standard = popup.addAction("Standard");
    popup.setDefaultAction(standard);
    QSignalSpy triggered(standard, &QAction::triggered);
    tray.setPopupMenu(&popup);

    send(TrayLeftDoubleClick);
    EXPECT_EQ(triggered.count(), 1) << "without a handler the default item is clicked";

    int handled = 0;
    QObject::connect(&tray, &TTrayIcon::dblClick, [&](Qt::MouseButton) { ++handled; });
    send(TrayLeftDoubleClick);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(triggered.count(), 1);
}

TEST_F(TrayTest, BalloonsNeedTheNewShell)
{
    tray.setActive(true);
    area.calls.clear();
    tray.showBalloon(QString(80, u't'), "Text", 3000, TTrayIcon::BalloonKind::Warning);
    ASSERT_EQ(area.calls.size(), 1u);
    EXPECT_EQ(area.calls[0].data.balloonTitle.size(), 63);
    EXPECT_EQ(area.calls[0].data.balloonIcon, 2u);
    QSignalSpy clicked(&tray, &TTrayIcon::balloonClick);
    send(TrayBalloonClick);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(area.calls.back().data.balloonText.isEmpty()) << "a click removes the balloon";
}

TEST_F(TrayTest, MouseEventsCarryButtonKeysAndPosition)
{
    area.cursor = {640, 1010};
    area.keys = Qt::ShiftModifier | Qt::ControlModifier;
    area.buttons = Qt::LeftButton;
    QSignalSpy clicked(&tray, &TTrayIcon::click);
    send(TrayLeftUp);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    const auto state = clicked[0][1].value<TrayMouseState>();
    EXPECT_EQ(state.keys, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(state.buttons, Qt::LeftButton);
    EXPECT_EQ(state.position, QPoint(640, 1010));
}

TEST_F(TrayTest, MinimisingTheFormWhileTheIconIsActiveHidesItIntoTheIcon)
{
    QWidget form;
    tray.setMainForm(&form);
    form.show();
    form.showMinimized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.isVisible()) << "no icon, nothing to hide into";

    form.showNormal();
    tray.setActive(true);
    form.showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(tray.applicationShown());

    tray.setApplicationShown(true);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.isMinimized());

    form.showMinimized();
    form.showNormal(); // restored before the hiding came round
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.isVisible());
}

TEST_F(TrayTest, TheApplicationSwitchActsOnEveryCall)
{
    QWidget form;
    tray.setMainForm(&form);
    for (const bool snap : {false, true}) {
        tray.setSnap(snap);
        form.showNormal();
        tray.setApplicationShown(false);
        EXPECT_FALSE(form.isVisible()) << snap;
        EXPECT_TRUE(form.isMinimized()) << snap;
        form.showNormal(); // shown again behind the switch's back
        tray.setApplicationShown(false);
        EXPECT_FALSE(form.isVisible()) << "hidden again although the switch was off already";
        tray.setApplicationShown(true);
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(form.isMinimized());
    }
}
