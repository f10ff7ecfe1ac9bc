#include "platform/desktopappearance.h"

#include "platform/desktopportal.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QFileInfo>

namespace Tintara {

namespace {

const QString settings = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString colorScheme = QStringLiteral("color-scheme");
constexpr int answerWithin = 500; // milliseconds; the window waits for it at start

// The portal wraps the value in a variant, older versions twice.
uint schemeValue(QVariant value)
{
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value.toUInt();
}

} // namespace

std::optional<QDBusConnection> desktopSessionBus()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        && (runtime.isEmpty() || !QFileInfo::exists(runtime + QStringLiteral("/bus"))))
        return std::nullopt;
    return QDBusConnection::sessionBus();
}

PortalAppearance::PortalAppearance(std::optional<QDBusConnection> bus, QObject* parent)
    : DesktopAppearance(parent), m_bus(std::move(bus))
{
    if (m_bus)
        m_bus->connect(portalService, portalPath, settings, QStringLiteral("SettingChanged"), this,
                       SLOT(settingChanged(QString, QString, QDBusVariant)));
}

bool PortalAppearance::prefersDark()
{
    if (!m_dark) {
        m_dark = false;
        if (m_bus && m_bus->isConnected()) {
            QDBusMessage read = QDBusMessage::createMethodCall(portalService, portalPath, settings, QStringLiteral("Read"));
            read << appearanceGroup << colorScheme;
            const QDBusMessage reply = m_bus->call(read, QDBus::Block, answerWithin);
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
                m_dark = schemeValue(reply.arguments().constFirst()) == 1;
            else if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply"))
                askAgainLater(read); // a portal that is still starting answers later
        }
    }
    return *m_dark;
}

void PortalAppearance::askAgainLater(const QDBusMessage& read)
{
    auto* answer = new QDBusPendingCallWatcher(m_bus->asyncCall(read), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusMessage reply = call->reply();
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
            setDark(schemeValue(reply.arguments().constFirst()) == 1);
    });
}

void PortalAppearance::setDark(bool dark)
{
    if (m_dark == dark)
        return;
    m_dark = dark;
    Q_EMIT preferenceChanged();
}

void PortalAppearance::settingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    if (group == appearanceGroup && key == colorScheme)
        setDark(schemeValue(value.variant()) == 1);
}

} // namespace Tintara
