#pragma once

#include "platform/platform.h"

#include <optional>
#include "platform/screenprofile.h"

#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>
#include <random>

class QWidget;

namespace Tintara {

class QtMessageBoxes : public MessageBoxes
{
public:
    void showError(const QString& text) override;
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;
    bool askOkCancel(const QString& text) override;
};

class QtColorDialog : public ColorDialog
{
public:
    std::optional<TColor> execute(TColor initial) override;
};

class QtFileDialogs : public FileDialogs
{
public:
    std::optional<QString> execute(FileDialogKind kind, const FileDialogOptions& options) override;
};

class QtClipboard : public Clipboard
{
public:
    void setText(const QString& text) override;
    QString text() const override;
    QImage image() const override;
};

// The device pixel under a pointer at `position` (layout pixels), counted from the top left of its
// screen at `origin`, which has `scale` device pixels per layout pixel. On a zoomed window a layout
// pixel covers more than one device pixel, and X11's events name only the layout pixel: where the
// pointer's own device pixel `pointer` is known and lies in it, that is the one.
QPoint devicePixelUnder(QPointF position, QPoint origin, qreal scale, std::optional<QPoint> pointer = std::nullopt);

// A picked pixel is converted from the screen's colour profile, where the desktop publishes one.
class QtScreen : public Screen
{
public:
    QPoint cursorPos() const override;
    TColor pixel(QPoint position) const override;
    WideColor shownColor(QPointF position) const override;
    QImage capture(const QRect& area) const override;
    QSize primarySize() const override;

private:
    mutable ScreenColorConversion m_conversion;
};

class QtShell : public Shell
{
public:
    void openFirst(const QStringList& paths, const std::function<void()>& noneOpened) override;
};

class QtDragOut : public DragOut
{
public:
    void start(QWidget* source, QMimeData* data) override;
};

class ClockRandomSource : public RandomSource
{
public:
    void randomize() override;
    int random(int range) override;

private:
    std::mt19937 m_engine;
};

class QtNotificationArea : public NotificationArea
{
public:
    QtNotificationArea();
    ~QtNotificationArea() override;
    bool notify(NotifyMessage message, const NotifyIconData& data) override;
    bool available() const override;
    unsigned shellVersion() const override;
    quintptr taskBarWindow() const override;
    QPoint cursorPos() const override;
    Qt::KeyboardModifiers keyboardModifiers() const override;
    Qt::MouseButtons mouseButtons() const override;
    void setCallback(Callback callback) override;

private:
    void deliver(unsigned message);

    std::unique_ptr<QSystemTrayIcon> m_icon;
    Callback m_callback;
};

// The production set of seams.
class QtPlatform
{
public:
    // Reads the screen directly, or through the desktop portal where the session needs it.
    QtPlatform();
    ~QtPlatform();
    Platform platform();

private:
    QtMessageBoxes m_messages;
    QtColorDialog m_colorDialog;
    QtFileDialogs m_fileDialogs;
    QtClipboard m_clipboard;
    std::unique_ptr<Screen> m_screen;
    QtShell m_shell;
    QtNotificationArea m_notificationArea;
    ClockRandomSource m_random;
    QtDragOut m_dragOut;
    PortalAppearance m_appearance;
};

} // namespace Tintara
