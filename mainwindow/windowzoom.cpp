#include "mainwindow/windowzoom.h"

#include "controls/languagechange.h"
#include "model/documentmodel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QWidget>

#include <private/qhighdpiscaling_p.h>

#include <algorithm>

namespace Tintara {

namespace {

int stepIndex(int percent)
{
    const auto step = std::find(zoomSteps.begin(), zoomSteps.end(), percent);
    return step == zoomSteps.end() ? 0 : static_cast<int>(step - zoomSteps.begin());
}

double desktopScaleFactor()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1.0;
}

// Qt warns that a factor should be set before the first window; it is safe for ours, which are
// given their size again right after, so the warning stays off the console.
QtMessageHandler previousHandler = nullptr;

void withoutFactorWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("QHighDpiScaling::setFactor")))
        previousHandler(type, context, message);
}

void setScaleFactor(double factor)
{
    previousHandler = qInstallMessageHandler(withoutFactorWarning);
    QHighDpiScaling::setGlobalFactor(factor);
    qInstallMessageHandler(previousHandler);
}

// Qt keeps the native window as it was; a size set anew makes the window take the scaled one,
// and tells the window manager the new fixed size.
void resizeToNewScale(QWidget* window)
{
    const QSize size = window->size();
    const QSize minimum = window->minimumSize();
    const QSize maximum = window->maximumSize();
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->resize(size + QSize(1, 1));
    window->setMinimumSize(minimum);
    window->setMaximumSize(maximum);
    window->resize(size);
    // What Qt repaints after a resize is only what it thinks new; at a new scale all of it is.
    for (QWidget* widget : window->findChildren<QWidget*>())
        widget->update();
    window->update();
}

} // namespace

int neighbouringZoom(int percent, int direction)
{
    const int index = std::clamp(stepIndex(percent) + direction, 0, static_cast<int>(zoomSteps.size()) - 1);
    return zoomSteps[static_cast<std::size_t>(index)];
}

int fittingZoom(int wanted, QSizeF deviceSizeAt100, QSize available)
{
    for (int index = stepIndex(wanted); index > 0; --index) {
        const double scale = zoomSteps[static_cast<std::size_t>(index)] / 100.0;
        if (deviceSizeAt100.width() * scale <= available.width() && deviceSizeAt100.height() * scale <= available.height())
            return zoomSteps[static_cast<std::size_t>(index)];
    }
    return zoomSteps.front();
}

WindowZoom::WindowZoom(QMenu* viewMenu, QWidget& window, DocumentModel& model)
    : QObject(&window)
    , m_window(window)
    , m_model(model)
    , m_menu(viewMenu->addMenu(QString()))
    , m_desktopFactor(desktopScaleFactor())
{
    m_menu->setObjectName(QStringLiteral("mmZoom"));
    auto* group = new QActionGroup(m_menu);
    for (std::size_t i = 0; i < zoomSteps.size(); ++i) {
        QAction* step = group->addAction(QString());
        step->setObjectName(QStringLiteral("mmZoom%1").arg(zoomSteps[i]));
        step->setCheckable(true);
        m_menu->addAction(step);
        connect(step, &QAction::triggered, this, [this, percent = zoomSteps[i]] { setZoom(percent); });
        m_steps[i] = step;
    }
    m_steps.front()->setChecked(true);
    m_menu->addSeparator();
    m_in = m_menu->addAction(QString(), this, [this] { setZoom(neighbouringZoom(m_zoom, 1)); });
    m_in->setObjectName(QStringLiteral("mmZoomIn"));
    m_in->setShortcuts(QKeySequence::ZoomIn); // Ctrl++, also where + needs Shift
    m_in->setShortcuts(m_in->shortcuts() << QKeySequence(Qt::CTRL | Qt::Key_Equal));
    m_out = m_menu->addAction(QString(), this, [this] { setZoom(neighbouringZoom(m_zoom, -1)); });
    m_out->setObjectName(QStringLiteral("mmZoomOut"));
    m_out->setShortcuts(QKeySequence::ZoomOut);
    m_reset = m_menu->addAction(QString(), this, [this] { setZoom(100); });
    m_reset->setObjectName(QStringLiteral("mmZoomReset"));
    m_reset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    // The keys work anywhere in the window, also while the menu is closed.
    window.addActions({m_in, m_out, m_reset});
    keepTranslated(&window, [this] { retranslate(); });
}

WindowZoom::~WindowZoom()
{
    if (m_zoom != 100)
        setScaleFactor(m_desktopFactor);
}

void WindowZoom::retranslate()
{
    m_menu->setTitle(tr("Zoom"));
    for (std::size_t i = 0; i < zoomSteps.size(); ++i)
        m_steps[i]->setText(tr("%1 %").arg(zoomSteps[i]));
    m_in->setText(tr("Vergrößern"));
    m_out->setText(tr("Verkleinern"));
    m_reset->setText(tr("Originalgröße"));
}

QSize WindowZoom::availableDevicePixels() const
{
    const QScreen* screen = m_window.screen();
    if (!screen)
        return {};
    return (QSizeF(screen->availableGeometry().size()) * screen->devicePixelRatio()).toSize();
}

void WindowZoom::setZoom(int percent)
{
    const QSize frame = m_window.isVisible() ? m_window.frameGeometry().size() : m_window.size();
    const qreal devicePixels = m_window.screen() ? m_window.screen()->devicePixelRatio() : 1.0;
    const QSizeF at100 = QSizeF(frame) * devicePixels * 100.0 / m_zoom;
    const int zoom = fittingZoom(percent, at100, availableDevicePixels());
    m_steps[static_cast<std::size_t>(stepIndex(zoom))]->setChecked(true);
    m_model.setWindowZoom(zoom);
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    setScaleFactor(m_desktopFactor * zoom / 100.0);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowType() != Qt::Popup)
            resizeToNewScale(window);
    }
    Q_EMIT zoomChanged(zoom);
}

} // namespace Tintara
