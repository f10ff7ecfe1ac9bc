#pragma once

#include "platform/screen.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

class QProcessEnvironment;

namespace Tintara {

// Whether the screen must be read through the desktop portal: in a Wayland session, natively or
// through XWayland, other programs' windows cannot be captured directly.
bool screenNeedsPortal(QStringView platformName, const QProcessEnvironment& environment);

// The screen of a Wayland desktop, through org.freedesktop.portal.Screenshot: PickColor picks,
// and a screenshot, where the portal grants one, gives the magnifier something to show.
class PortalScreen : public QObject, public Screen
{
    Q_OBJECT

public:
    explicit PortalScreen(const QDBusConnection& bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    QPoint cursorPos() const override;
    TColor pixel(QPoint position) const override;
    QImage capture(const QRect& area) const override;
    QSize primarySize() const override;
    bool picksThroughDesktop() const override { return true; }
    void pickThroughDesktop(std::function<void(const DesktopPick&)> done) override;

private:
    using Answer = std::function<void(uint response, const QVariantMap& results)>;
    // Calls a method of the portal; `answer` gets its Response, or 2 where the call itself failed.
    void request(const QString& method, QVariantMap options, Answer answer);

    QDBusConnection m_bus;
    QImage m_screenshot;
    int m_requests = 0;
};

} // namespace Tintara
