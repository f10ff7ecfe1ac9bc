#include "mainwindow/appearance.h"
#include "mainwindow/windowfixture.h"
#include "platform/desktopappearance.h"
#include "support/privatebus.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QThread>

using namespace Tintara;
using Tintara::Testing::partOf;
using Tintara::Testing::PrivateBus;
using Tintara::Testing::WindowTest;

namespace {

// The desktop's settings portal, with the colour scheme a test gives it.
class FakeSettings : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    QVariant scheme;          // what Read answers for color-scheme, as it is wrapped
    unsigned long delay = 0;  // milliseconds before the answer, as a portal that is still starting
    QStringList askedFor;

public Q_SLOTS:
    QDBusVariant Read(const QString& group, const QString& key)
    {
        askedFor << group + " " + key;
        QThread::msleep(delay);
        return QDBusVariant(scheme);
    }
};

class PortalAppearanceTest : public WindowTest
{
protected:
    void SetUp() override
    {
        if (!PrivateBus::available())
            GTEST_SKIP() << "dbus-daemon is missing";
        ASSERT_TRUE(bus.start());
        appearance = std::make_unique<PortalAppearance>(bus.client());
        // The window waits for the portal's answer, which a portal in its own thread can give.
        settings.moveToThread(&portalThread);
        portalThread.start();
    }
    void TearDown() override
    {
        window.reset();
        portalThread.quit();
        portalThread.wait();
    }
    void startWindow()
    {
        const Platform platform{desktop.messages, desktop.colorDialog, desktop.fileDialogs, desktop.clipboard,
                                desktop.screen,   desktop.shell,       desktop.notificationArea, desktop.random,
                                desktop.dragOut,  *appearance};
        window.reset(); // before the appearance it watches
        window = std::make_unique<TForm1>(platform);
        window->show();
    }
    bool dark() const { return partOf<Appearance>(*window).isDark(); }

    PrivateBus bus; // the last to go
    QThread portalThread;
    FakeSettings settings;
    std::unique_ptr<PortalAppearance> appearance;
};

} // namespace

TEST_F(PortalAppearanceTest, TheWindowStartsAsThePortalSays)
{
    const struct {
        const char* what;
        QVariant scheme;
        bool dark;
    } rows[] = {
        {"prefers dark, wrapped twice as the portal does", QVariant::fromValue(QDBusVariant(1u)), true},
        {"prefers dark, wrapped once", QVariant(1u), true},
        {"prefers light", QVariant::fromValue(QDBusVariant(2u)), false},
        {"no preference", QVariant::fromValue(QDBusVariant(0u)), false},
    };
    ASSERT_TRUE(bus.servePortal(&settings));
    for (const auto& row : rows) {
        settings.scheme = row.scheme;
        window.reset();
        appearance = std::make_unique<PortalAppearance>(bus.client());
        startWindow();
        EXPECT_EQ(dark(), row.dark) << row.what;
    }
    EXPECT_EQ(settings.askedFor.value(0), "org.freedesktop.appearance color-scheme");
}

TEST_F(PortalAppearanceTest, WithoutAPortalTheWindowIsLightAndStartsAtOnce)
{
    QElapsedTimer clock;
    clock.start();
    startWindow();
    EXPECT_FALSE(dark());
    EXPECT_LT(clock.elapsed(), 5000) << "no wait for an answer that cannot come";
}

TEST_F(PortalAppearanceTest, APortalTooSlowForTheStartIsHeardOnceItAnswers)
{
    settings.scheme = QVariant::fromValue(QDBusVariant(1u));
    settings.delay = 1500; // beyond what the start waits
    ASSERT_TRUE(bus.servePortal(&settings));
    appearance = std::make_unique<PortalAppearance>(bus.client());
    startWindow();
    EXPECT_FALSE(dark()) << "the window does not wait for it";
    EXPECT_TRUE(QTest::qWaitFor([this] { return dark(); }, 10000));
}

TEST_F(PortalAppearanceTest, TheWindowFollowsTheDesktopWhenItChangesItsMind)
{
    settings.scheme = QVariant::fromValue(QDBusVariant(0u));
    ASSERT_TRUE(bus.servePortal(&settings));
    appearance = std::make_unique<PortalAppearance>(bus.client());
    startWindow();
    ASSERT_FALSE(dark());
    QDBusMessage changed = QDBusMessage::createSignal("/org/freedesktop/portal/desktop",
                                                      "org.freedesktop.portal.Settings", "SettingChanged");
    changed << QString("org.freedesktop.appearance") << QString("color-scheme")
            << QVariant::fromValue(QDBusVariant(1u));
    ASSERT_TRUE(bus.portal().send(changed));
    EXPECT_TRUE(QTest::qWaitFor([this] { return dark(); }, 5000));
}

#include "portalappearance_test.moc"
