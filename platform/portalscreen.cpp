#include "platform/portalscreen.h"

#include "platform/colorconversion.h"
#include "platform/desktopportal.h"

#include <QCursor>
#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QPainter>
#include <QProcessEnvironment>
#include <QScreen>
#include <QUrl>

#include <cmath>

namespace Tintara {

namespace {

const QString screenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

// The portal answers a request with a signal on an object of its own; this receives it once.
class PortalRequest : public QObject
{
    Q_OBJECT

public:
    PortalRequest(std::function<void(uint, const QVariantMap&)> answer, QObject* parent)
        : QObject(parent), m_answer(std::move(answer)) {}

    void finish(uint response, const QVariantMap& results)
    {
        if (auto answer = std::exchange(m_answer, nullptr))
            answer(response, results);
        deleteLater();
    }

public Q_SLOTS:
    void Response(uint response, const QVariantMap& results) { finish(response, results); }

private:
    std::function<void(uint, const QVariantMap&)> m_answer;
};

// The portal's colour: three doubles from 0 to 1.
std::optional<TColor> pickedColor(const QVariantMap& results)
{
    const QVariant value = results.value(QStringLiteral("color"));
    if (!value.canConvert<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument argument = value.value<QDBusArgument>();
    double r = 0, g = 0, b = 0;
    argument.beginStructure();
    argument >> r >> g >> b;
    argument.endStructure();
    const auto channel = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return RGB(channel(r), channel(g), channel(b));
}

} // namespace

bool screenNeedsPortal(QStringView platformName, const QProcessEnvironment& environment)
{
    return platformName.startsWith(u"wayland")
        || environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1StringView("wayland")
        || !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
}

PortalScreen::PortalScreen(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), m_bus(bus)
{
}

QPoint PortalScreen::cursorPos() const
{
    return QCursor::pos();
}

TColor PortalScreen::pixel(QPoint position) const
{
    return m_screenshot.valid(position) ? fromQColor(m_screenshot.pixelColor(position)) : clBlack;
}

// The screenshot in screen coordinates; outside it, or without one, black.
QImage PortalScreen::capture(const QRect& area) const
{
    QImage part(area.size(), QImage::Format_RGB32);
    part.fill(Qt::black);
    if (!m_screenshot.isNull()) {
        QPainter painter(&part);
        painter.drawImage(QPoint(0, 0), m_screenshot, area);
    }
    return part;
}

QSize PortalScreen::primarySize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

// A screenshot first, so the magnifier shows the screen while the desktop's picker is open.
void PortalScreen::pickThroughDesktop(std::function<void(const DesktopPick&)> done)
{
    request(QStringLiteral("Screenshot"), {{QStringLiteral("interactive"), false}},
            [this, done = std::move(done)](uint response, const QVariantMap& results) {
                const QUrl uri(results.value(QStringLiteral("uri")).toString());
                m_screenshot = response == 0 && uri.isLocalFile() ? QImage(uri.toLocalFile()) : QImage();
                request(QStringLiteral("PickColor"), {}, [done](uint response, const QVariantMap& results) {
                    DesktopPick pick;
                    pick.color = response == 0 ? pickedColor(results) : std::nullopt;
                    pick.outcome = pick.color ? DesktopPick::Outcome::Picked
                        : response == 1       ? DesktopPick::Outcome::Cancelled
                                              : DesktopPick::Outcome::Unavailable;
                    done(pick);
                });
            });
}

void PortalScreen::request(const QString& method, QVariantMap options, Answer answer)
{
    // The answer comes on a path made of our bus name and a token; listen there before asking.
    const QString token = QStringLiteral("tintara%1").arg(++m_requests);
    QString sender = m_bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    auto* pending = new PortalRequest(std::move(answer), this);
    m_bus.connect(portalService, path, requestInterface, QStringLiteral("Response"), pending,
                  SLOT(Response(uint, QVariantMap)));
    options.insert(QStringLiteral("handle_token"), token);

    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, screenshotInterface, method);
    call << QString() << options;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), pending);
    connect(watcher, &QDBusPendingCallWatcher::finished, pending, [this, pending, path](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError()) {
            pending->finish(2, {});
        } else if (reply.value().path() != path) { // an older portal chooses the path itself
            m_bus.disconnect(portalService, path, requestInterface, QStringLiteral("Response"), pending,
                             SLOT(Response(uint, QVariantMap)));
            m_bus.connect(portalService, reply.value().path(), requestInterface, QStringLiteral("Response"),
                          pending, SLOT(Response(uint, QVariantMap)));
        }
        w->deleteLater();
    });
}

} // namespace Tintara

#include "portalscreen.moc"
