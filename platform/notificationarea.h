#pragma once

#include <QIcon>
#include <QPoint>
#include <QString>

#include <functional>

namespace Tintara {

enum class NotifyMessage { Add, Modify, Delete, SetVersion };

// Flags of the notify record.
enum NotifyFlag : unsigned {
    NifMessage = 1,
    NifIcon = 2,
    NifTip = 4,
    NifInfo = 16,
};

// Mouse and balloon messages that the notification area reports for the icon.
enum TrayMessage : unsigned {
    TrayMouseMove = 0x200,
    TrayLeftDown = 0x201,
    TrayLeftUp = 0x202,
    TrayLeftDoubleClick = 0x203,
    TrayRightDown = 0x204,
    TrayRightUp = 0x205,
    TrayRightDoubleClick = 0x206,
    TrayMiddleDown = 0x207,
    TrayMiddleUp = 0x208,
    TrayMiddleDoubleClick = 0x209,
    TrayKeySelect = 1025,
    TrayBalloonHide = 1027,
    TrayBalloonTimeout = 1028,
    TrayBalloonClick = 1029,
};

// What the mouse events of the icon carry besides the button: the keys and buttons held, and
// where the pointer is on the screen.
struct TrayMouseState {
    Qt::KeyboardModifiers keys;
    Qt::MouseButtons buttons;
    QPoint position;
};

struct NotifyIconData {
    int size = 0;
    int id = 1;
    unsigned flags = 0;
    unsigned callbackMessage = 1025;
    QIcon icon;
    QString tip;
    unsigned version = 0;
    QString balloonTitle;
    QString balloonText;
    unsigned timeout = 0;
    unsigned balloonIcon = 0;
};

class NotificationArea
{
public:
    using Callback = std::function<void(unsigned message)>;

    virtual ~NotificationArea() = default;
    virtual bool notify(NotifyMessage message, const NotifyIconData& data) = 0;
    // Whether the desktop has a notification area at all.
    virtual bool available() const = 0;
    // Major version in the upper 16 bits; 5 and later is the new shell.
    virtual unsigned shellVersion() const = 0;
    // Identifies the task bar; a different value means it was recreated.
    virtual quintptr taskBarWindow() const = 0;
    // Where the pointer is while a message is handled.
    virtual QPoint cursorPos() const = 0;
    // The keys and mouse buttons held while a message is handled.
    virtual Qt::KeyboardModifiers keyboardModifiers() const = 0;
    virtual Qt::MouseButtons mouseButtons() const = 0;
    virtual void setCallback(Callback callback) = 0;
};

} // namespace Tintara
