#include "controls/tmagnifier.h"
#include "platform/portalscreen.h"
#include "mainwindow/windowfixture.h"
#include "support/privatebus.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <utility>
#include <vector>

using namespace Tintara;
using Tintara::Testing::WindowTest;
using Tintara::Testing::partOf;
using Tintara::Testing::PrivateBus;

namespace {

// The desktop portal as a test wants it: answers PickColor with a colour and Screenshot with a
// picture, or refuses, or cancels, each by its response code.
class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    uint pickResponse = 0, screenshotResponse = 0;
    bool silent = false; // keeps its answers until answerNow()
    QColor color;
    QString screenshotPath;
    QStringList calls;

public Q_SLOTS:
    QDBusObjectPath PickColor(const QString&, const QVariantMap& options)
    {
        QDBusArgument rgb;
        rgb.beginStructure();
        rgb << color.redF() << color.greenF() << color.blueF();
        rgb.endStructure();
        return answer(QStringLiteral("PickColor"), options, pickResponse, {{"color", QVariant::fromValue(rgb)}});
    }
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options)
    {
        const QString call = options.value("interactive").toBool() ? "Screenshot interactive" : "Screenshot";
        return answer(call, options, screenshotResponse, {{"uri", QUrl::fromLocalFile(screenshotPath).toString()}});
    }

public:
    void answerNow()
    {
        silent = false;
        for (const auto& send : std::exchange(kept, {}))
            send();
    }

private:
    // The request object the caller listens on, and its Response a moment later.
    std::vector<std::function<void()>> kept;

    QDBusObjectPath answer(const QString& call, const QVariantMap& options, uint response, const QVariantMap& results)
    {
        calls << call;
        QString sender = message().service().mid(1);
        sender.replace('.', '_');
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                 .arg(sender, options.value("handle_token").toString());
        QDBusConnection bus = connection();
        const auto send = [bus, path, response, results]() mutable {
            QDBusMessage signal = QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
            signal << response << results;
            bus.send(signal);
        };
        if (silent)
            kept.push_back(send);
        else
            QTimer::singleShot(10, this, send);
        return QDBusObjectPath(path);
    }
};

// A session bus of the test's own, so no real portal answers.
class PortalTest : public WindowTest
{
protected:
    void SetUp() override
    {
        if (!PrivateBus::available())
            GTEST_SKIP() << "dbus-daemon is missing";
        ASSERT_TRUE(bus.start());
        client = std::make_unique<QDBusConnection>(bus.client());
        screen = std::make_unique<PortalScreen>(*client);
        platform = std::make_unique<Platform>(Platform{desktop.messages, desktop.colorDialog, desktop.fileDialogs,
                                                       desktop.clipboard, *screen, desktop.shell,
                                                       desktop.notificationArea, desktop.random, desktop.dragOut,
                                                       desktop.appearance});
        window = std::make_unique<TForm1>(*platform);
        window->show();
        window->setActiveColor(RGB(1, 2, 3));
        QTest::keyClick(window.get(), Qt::Key_F4);
    }
    void TearDown() override { window.reset(); }
    void startPortal() { ASSERT_TRUE(bus.servePortal(&portal)); }
    // Presses on the magnifier and waits until the desktop's answer has come back.
    bool pick()
    {
        QTest::mousePress(control("Zoom"), Qt::LeftButton);
        return QTest::qWaitFor([this] { return !control<TMagnifier>("Zoom")->active(); }, 10000);
    }

    PrivateBus bus; // the last to go
    std::unique_ptr<QDBusConnection> client;
    std::unique_ptr<PortalScreen> screen;
    std::unique_ptr<Platform> platform;
    FakePortal portal;
};

} // namespace

TEST(PortalScreen, WaylandSessionsNeedThePortal)
{
    const struct {
        const char* platform;
        const char* sessionType;
        const char* waylandDisplay;
        bool needed;
    } cases[] = {
        {"xcb", "x11", "", false},
        {"xcb", "", "", false},
        {"offscreen", "", "", false},
        {"wayland", "", "", true},
        {"wayland-egl", "wayland", "wayland-0", true},
        {"xcb", "wayland", "", true},  // XWayland
        {"xcb", "", "wayland-0", true}, // XWayland, session type unknown
    };
    for (const auto& c : cases) {
        QProcessEnvironment environment;
        environment.insert("XDG_SESSION_TYPE", c.sessionType);
        environment.insert("WAYLAND_DISPLAY", c.waylandDisplay);
        EXPECT_EQ(screenNeedsPortal(QString(c.platform), environment), c.needed) << c.platform << c.sessionType;
    }
}

TEST_F(PortalTest, ThePortalsColourEndsPickingAsAScreenPickAndItsScreenshotFillsTheMagnifier)
{
    QTemporaryDir folder;
    QImage shot(64, 48, QImage::Format_RGB32);
    shot.fill(qRgb(200, 100, 50));
    portal.screenshotPath = folder.filePath("bildschirm.png");
    ASSERT_TRUE(shot.save(portal.screenshotPath));
    portal.color = QColor(0x3A, 0x7B, 0xD5);
    startPortal();

    ASSERT_TRUE(pick());
    EXPECT_EQ(portal.calls, (QStringList{"Screenshot", "PickColor"}));
    EXPECT_EQ(window->activeColor(), RGB(0x3A, 0x7B, 0xD5));
    EXPECT_EQ(control<QLineEdit>("edHTML")->text(), "#3A7BD5");
    EXPECT_EQ(control<QScrollBar>("sbBlau")->value(), 0xD5);
    EXPECT_EQ(partOf<ColorEditor>(*window).brightnessBase(), RGB(0x3A, 0x7B, 0xD5));
    EXPECT_TRUE(control<TMagnifier>("Zoom")->hasSnapshot());
    EXPECT_EQ(screen->capture(QRect(60, 40, 8, 8)).pixel(0, 0), qRgb(200, 100, 50));
    EXPECT_EQ(screen->capture(QRect(60, 40, 8, 8)).pixel(7, 7), qRgb(0, 0, 0)); // beyond the screenshot
    EXPECT_TRUE(desktop.messages.errors.isEmpty());
}

TEST_F(PortalTest, ARefusingOrAbsentPortalGivesTheMessageACancelNothing)
{
    ASSERT_TRUE(pick()); // no portal on the bus
    ASSERT_EQ(desktop.messages.errors.size(), 1);
    EXPECT_TRUE(desktop.messages.errors[0].contains("Desktop-Portal"));

    portal.screenshotResponse = 2;
    portal.pickResponse = 2;
    startPortal();
    ASSERT_TRUE(pick());
    EXPECT_EQ(desktop.messages.errors.size(), 2);

    portal.pickResponse = 1; // the user closed the desktop's picker
    ASSERT_TRUE(pick());
    EXPECT_EQ(desktop.messages.errors.size(), 2);
    EXPECT_EQ(window->activeColor(), RGB(1, 2, 3));
}

// A desktop that never answers leaves nothing stuck: Escape, or another press on the magnifier,
// ends the waiting, and an answer that comes after all changes nothing.
TEST_F(PortalTest, WaitingForASilentPortalEndsWithEscapeOrAnotherPress)
{
    portal.color = QColor(0x3A, 0x7B, 0xD5);
    portal.silent = true;
    startPortal();
    auto* magnifier = control<TMagnifier>("Zoom");
    QTest::mousePress(magnifier, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.calls.size() == 1; }));
    EXPECT_TRUE(magnifier->active()) << "waiting for the desktop";
    QTest::keyClick(control("edHTML"), Qt::Key_Escape);
    EXPECT_FALSE(magnifier->active());

    QTest::mousePress(magnifier, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.calls.size() == 2; }));
    EXPECT_TRUE(magnifier->active());
    QTest::mousePress(magnifier, Qt::LeftButton);
    EXPECT_FALSE(magnifier->active());

    portal.answerNow(); // both screenshots, then the colour of the picks they lead to
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.calls.count("PickColor") == 2; }));
    QTest::qWait(200); // the colour's answer arrives, and is no longer waited for
    EXPECT_EQ(window->activeColor(), RGB(1, 2, 3));
    EXPECT_FALSE(magnifier->active());
    EXPECT_TRUE(desktop.messages.errors.isEmpty());
    QTest::keyClick(control("edHTML"), Qt::Key_Escape); // Escape is the field's again
}

#include "portalscreen_test.moc"
