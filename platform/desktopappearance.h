#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QObject>

#include <optional>

namespace Tintara {

// Whether the desktop prefers a dark appearance for its programs.
class DesktopAppearance : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    // The first answer may ask the desktop.
    virtual bool prefersDark() = 0;

Q_SIGNALS:
    // The desktop changed its preference.
    void preferenceChanged();
};

// The desktop's session bus, where one is set up. Where there is none, D-Bus is not touched at all:
// its first connection starts a thread of its own, which costs start time.
std::optional<QDBusConnection> desktopSessionBus();

// The preference the freedesktop settings portal gives as org.freedesktop.appearance color-scheme
// (1: prefers dark). Without a portal the desktop prefers light; a portal too slow for the start
// is heard once it answers.
class PortalAppearance : public DesktopAppearance
{
    Q_OBJECT

public:
    explicit PortalAppearance(std::optional<QDBusConnection> bus = desktopSessionBus(), QObject* parent = nullptr);
    bool prefersDark() override;

private Q_SLOTS:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void askAgainLater(const QDBusMessage& read);
    void setDark(bool dark);

    std::optional<QDBusConnection> m_bus;
    std::optional<bool> m_dark; // asked once, then kept up to date by the portal's signal
};

} // namespace Tintara
