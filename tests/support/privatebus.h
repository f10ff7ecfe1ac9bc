#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace Tintara::Testing {

// A session bus of the test's own, so that no real desktop service answers: the program connects
// as "tintara", the test's fake service as "portal".
class PrivateBus
{
public:
    static bool available() { return !QStandardPaths::findExecutable("dbus-daemon").isEmpty(); }
    bool start()
    {
        m_daemon.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (!m_daemon.waitForReadyRead(10000))
            return false;
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        return true;
    }
    ~PrivateBus()
    {
        QDBusConnection::disconnectFromBus("portal");
        QDBusConnection::disconnectFromBus("tintara");
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
    QDBusConnection client() const { return QDBusConnection::connectToBus(m_address, "tintara"); }
    // Serves `object` as the desktop portal.
    bool servePortal(QObject* object) const
    {
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, "portal");
        return bus.registerObject("/org/freedesktop/portal/desktop", object, QDBusConnection::ExportAllSlots)
               && bus.registerService("org.freedesktop.portal.Desktop");
    }
    QDBusConnection portal() const { return QDBusConnection::connectToBus(m_address, "portal"); }

private:
    QProcess m_daemon;
    QString m_address;
};

} // namespace Tintara::Testing
