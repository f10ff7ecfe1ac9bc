#include "platform/qtplatform.h"

#include "platform/portalscreen.h"
#include "platform/systemcolors.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCursor>
#include <QDrag>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTimer>
#include <QMimeData>
#include <QPixmap>
#include <QScreen>
#include <QtMath>
#include <qpa/qplatformcursor.h>
#include <qpa/qplatformscreen.h>
#include <QUrl>

#include <algorithm>
#include <chrono>

namespace Tintara {

namespace {

// Boxes and dialogs belong to the program's window, also while it hides in the notification area:
// a box without a parent ends the program when it closes and no other window is shown.
QWidget* dialogParent()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto main = std::find_if(windows.begin(), windows.end(),
                                   [](const QWidget* window) { return qobject_cast<const QMainWindow*>(window); });
    return main == windows.end() ? nullptr : *main;
}

// The application's title, as the task bar shows it.
QString boxTitle()
{
    return QStringLiteral("Tintara Studio");
}

bool ask(const QString& text, QMessageBox::StandardButton yes, QMessageBox::StandardButton no)
{
    return QMessageBox::question(dialogParent(), boxTitle(), text, yes | no, yes) == yes;
}

QScreen* screenAt(QPoint position)
{
    QScreen* screen = QGuiApplication::screenAt(position);
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

void QtMessageBoxes::showError(const QString& text)
{
    QMessageBox::critical(dialogParent(), boxTitle(), text);
}

// A plain box: no icon, the single button OK.
void QtMessageBoxes::showMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, boxTitle(), text, QMessageBox::Ok, dialogParent());
    box.exec();
}

bool QtMessageBoxes::askYesNo(const QString& text)
{
    return ask(text, QMessageBox::Yes, QMessageBox::No);
}

bool QtMessageBoxes::askOkCancel(const QString& text)
{
    return ask(text, QMessageBox::Ok, QMessageBox::Cancel);
}

std::optional<TColor> QtColorDialog::execute(TColor initial)
{
    const QColor chosen = QColorDialog::getColor(toQColor(initial), dialogParent());
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

std::optional<QString> QtFileDialogs::execute(FileDialogKind kind, const FileDialogOptions& options)
{
    QFileDialog dialog(dialogParent());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The question is asked below, for the name the file really gets, extension included.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(kind == FileDialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setNameFilter(qtFileFilter(options.filter));
    dialog.setDefaultSuffix(options.defaultExt);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString path = withDefaultExtension(dialog.selectedFiles().constFirst(), options.defaultExt);
        if (kind == FileDialogKind::Open || !QFileInfo::exists(path))
            return path;
        const QString question = QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(QFileInfo(path).fileName());
        if (QMessageBox::warning(&dialog, dialog.windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
            == QMessageBox::Yes)
            return path;
        dialog.selectFile(path); // No: the dialog again, to choose another name
    }
}

void QtClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

QImage QtClipboard::image() const
{
    return QGuiApplication::clipboard()->image();
}

QPoint QtScreen::cursorPos() const
{
    return QCursor::pos();
}

TColor QtScreen::pixel(QPoint position) const
{
    return shownColor(QPointF(position)).srgb;
}

QPoint devicePixelUnder(QPointF position, QPoint origin, qreal scale, std::optional<QPoint> pointer)
{
    const QPointF layout = position - QPointF(origin);
    const auto layoutPixelOf = [scale](QPoint device) {
        return QPoint(qFloor(device.x() / scale + 1e-6), qFloor(device.y() / scale + 1e-6));
    };
    if (pointer && layoutPixelOf(*pointer) == QPoint(qFloor(layout.x()), qFloor(layout.y())))
        return *pointer;
    // A fractional position is the device pixel divided by the scale; multiplying finds it again.
    return {qFloor(layout.x() * scale + 1e-6), qFloor(layout.y() * scale + 1e-6)};
}

// A capture of layout pixels on a zoomed window starts at a device pixel Qt rounds to; the pixel
// under the pointer is read in device pixels instead.
WideColor QtScreen::shownColor(QPointF position) const
{
    QScreen* screen = screenAt(position.toPoint());
    if (!screen || !screen->handle())
        return {clBlack, std::nullopt};
    const QPlatformScreen* native = screen->handle();
    std::optional<QPoint> pointer;
    if (const QPlatformCursor* cursor = native->cursor())
        pointer = cursor->pos() - native->geometry().topLeft(); // device pixels
    const QPoint device = devicePixelUnder(position, screen->geometry().topLeft(), screen->devicePixelRatio(), pointer);
    const QImage image = native->grabWindow(0, device.x(), device.y(), 1, 1).toImage();
    if (image.isNull())
        return {clBlack, std::nullopt};
    return m_conversion.shownWide(fromQColor(image.pixelColor(0, 0)), x11ScreenProfile());
}

QImage QtScreen::capture(const QRect& area) const
{
    QScreen* screen = screenAt(area.topLeft());
    if (!screen)
        return {};
    const QPoint origin = screen->geometry().topLeft();
    return screen->grabWindow(0, area.x() - origin.x(), area.y() - origin.y(), area.width(), area.height())
        .toImage();
}

QSize QtScreen::primarySize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

namespace {

// xdg-open starts even where nothing will show the file; the MIME registry knows beforehand. The
// registry is asked in the background, and where it does not answer within three seconds, or
// there is no xdg-mime to ask, the desktop gets its chance.
void openFirstRegistered(QStringList paths, const std::function<void()>& noneOpened)
{
    if (paths.isEmpty()) {
        noneOpened();
        return;
    }
    const QString path = paths.takeFirst();
    const auto open = [path, paths, noneOpened] {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            openFirstRegistered(paths, noneOpened); // nothing could be started for it
    };
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty()) {
        open();
        return;
    }
    auto* process = new QProcess(QCoreApplication::instance());
    auto* deadline = new QTimer(process);
    QObject::connect(process, &QProcess::finished, process, [process, open, paths, noneOpened] {
        process->deleteLater();
        if (process->readAllStandardOutput().trimmed().isEmpty())
            openFirstRegistered(paths, noneOpened);
        else
            open();
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, open](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        open();
    });
    QObject::connect(deadline, &QTimer::timeout, process, [process, open] {
        process->disconnect();
        process->kill();
        process->deleteLater();
        open();
    });
    deadline->start(3000);
    process->start(query, {QStringLiteral("query"), QStringLiteral("default"), QMimeDatabase().mimeTypeForFile(path).name()});
}

} // namespace

void QtShell::openFirst(const QStringList& paths, const std::function<void()>& noneOpened)
{
    openFirstRegistered(paths, noneOpened);
}

void ClockRandomSource::randomize()
{
    m_engine.seed(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int ClockRandomSource::random(int range)
{
    if (range <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, range - 1)(m_engine);
}

QtNotificationArea::QtNotificationArea() = default;
QtNotificationArea::~QtNotificationArea() = default;

bool QtNotificationArea::notify(NotifyMessage message, const NotifyIconData& data)
{
    if (message == NotifyMessage::SetVersion)
        return true;
    if (message == NotifyMessage::Delete) {
        m_icon.reset();
        return true;
    }
    if (!m_icon) {
        if (message == NotifyMessage::Modify)
            return false;
        m_icon = std::make_unique<QSystemTrayIcon>();
        QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason reason) {
            switch (reason) {
            case QSystemTrayIcon::Trigger:
                deliver(TrayLeftDown);
                deliver(TrayLeftUp);
                break;
            case QSystemTrayIcon::Context:
                deliver(TrayRightDown);
                deliver(TrayRightUp);
                break;
            case QSystemTrayIcon::DoubleClick: deliver(TrayLeftDoubleClick); break;
            case QSystemTrayIcon::MiddleClick:
                deliver(TrayMiddleDown);
                deliver(TrayMiddleUp);
                break;
            default: break;
            }
        });
        QObject::connect(m_icon.get(), &QSystemTrayIcon::messageClicked, [this] { deliver(TrayBalloonClick); });
    }
    if (data.flags & NifIcon)
        m_icon->setIcon(data.icon);
    if (data.flags & NifTip)
        m_icon->setToolTip(data.tip);
    if ((data.flags & NifInfo) && !(data.balloonTitle.isEmpty() && data.balloonText.isEmpty())) {
        static constexpr QSystemTrayIcon::MessageIcon icons[] = {
            QSystemTrayIcon::NoIcon, QSystemTrayIcon::Information, QSystemTrayIcon::Warning,
            QSystemTrayIcon::Critical};
        m_icon->showMessage(data.balloonTitle, data.balloonText, icons[data.balloonIcon & 3],
                            static_cast<int>(data.timeout));
    }
    m_icon->show();
    return true;
}

unsigned QtNotificationArea::shellVersion() const
{
    return 0x60000; // the tray speaks the modern protocol: multi-line tips and balloons
}

bool QtNotificationArea::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

quintptr QtNotificationArea::taskBarWindow() const
{
    return QSystemTrayIcon::isSystemTrayAvailable() ? 1 : 0;
}

QPoint QtNotificationArea::cursorPos() const
{
    return QCursor::pos();
}

Qt::KeyboardModifiers QtNotificationArea::keyboardModifiers() const
{
    return QGuiApplication::queryKeyboardModifiers();
}

Qt::MouseButtons QtNotificationArea::mouseButtons() const
{
    return QGuiApplication::mouseButtons();
}

void QtNotificationArea::setCallback(Callback callback)
{
    m_callback = std::move(callback);
}

void QtNotificationArea::deliver(unsigned message)
{
    if (m_callback)
        m_callback(message);
}

void QtDragOut::start(QWidget* source, QMimeData* data)
{
    auto* drag = new QDrag(source);
    QPixmap swatch(16, 16);
    swatch.fill(data->colorData().value<QColor>());
    drag->setPixmap(swatch);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

QtPlatform::QtPlatform()
{
    if (screenNeedsPortal(QGuiApplication::platformName(), QProcessEnvironment::systemEnvironment()))
        m_screen = std::make_unique<PortalScreen>();
    else
        m_screen = std::make_unique<QtScreen>();
}

QtPlatform::~QtPlatform() = default;

Platform QtPlatform::platform()
{
    return {m_messages, m_colorDialog, m_fileDialogs, m_clipboard,
            *m_screen, m_shell, m_notificationArea, m_random, m_dragOut, m_appearance};
}

} // namespace Tintara
