#pragma once

#include "platform/notificationarea.h"

#include <QDateTime>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>

#include <vector>


class QTimer;
class QWidget;

namespace Tintara {

// An icon in the notification area with a tooltip, a menu for each mouse button, balloons,
// an optional animation, and control over whether the application shows in the task bar.
class TTrayIcon : public QObject
{
    Q_OBJECT

public:
    enum Visibility : unsigned {
        VisibleTaskBar = 1 << 0,
        VisibleTaskList = 1 << 1,
        AutoHide = 1 << 2,
        VisibleDesign = 1 << 3,
        RestoreClick = 1 << 4,
        RestoreDbClick = 1 << 5,
        MinimizeClick = 1 << 6,
        MinimizeDbClick = 1 << 7,
    };
    enum class BalloonKind { None, Error, Info, Warning };

    TTrayIcon(NotificationArea& area, QObject* parent = nullptr);
    ~TTrayIcon() override;

    bool active() const { return m_active; }
    void setActive(bool active);
    QIcon icon() const { return m_icon; }
    void setIcon(const QIcon& icon);
    QString hint() const { return m_hint; }
    void setHint(const QString& hint);
    int iconIndex() const { return m_iconIndex; }
    void setIconIndex(int index);
    // The animation frames; not owned.
    void setIcons(const std::vector<QIcon>* icons) { m_icons = icons; }
    bool animated() const { return m_animated; }
    void setAnimated(bool animated);
    unsigned delay() const { return m_delay; }
    void setDelay(unsigned milliseconds);
    unsigned visibility() const { return m_visibility; }
    void setVisibility(unsigned visibility);
    void setSnap(bool snap) { m_snap = snap; }
    // Menus for the left and the right button; not owned.
    void setDropDownMenu(QMenu* menu) { m_dropDownMenu = menu; }
    void setPopupMenu(QMenu* menu) { m_popupMenu = menu; }
    // The window that hides and shows with the application; while the icon is active, minimising
    // it hides it into the icon (with AutoHide).
    void setMainForm(QWidget* form);
    bool applicationShown() const { return m_applicationShown; }
    // Hides (minimised, no task-bar entry) or shows the main form, on every call.
    void setApplicationShown(bool shown);

    void showBalloon(const QString& title, const QString& text, unsigned timeoutMs, BalloonKind kind);
    bool newShell() const { return m_area.shellVersion() > 0x4FFFF; }

    // Handles one callback message from the notification area.
    void handleMessage(unsigned message);
    // One animation step.
    void animate();

    // The tooltip as the notification area gets it: the text before the first "|", 127 characters.
    static QString shortHint(const QString& hint);

Q_SIGNALS:
    void click(Qt::MouseButton button, const Tintara::TrayMouseState& state);
    void dblClick(Qt::MouseButton button, const Tintara::TrayMouseState& state);
    void mouseDown(Qt::MouseButton button, const Tintara::TrayMouseState& state);
    void mouseUp(Qt::MouseButton button, const Tintara::TrayMouseState& state);
    void mouseMove(const Tintara::TrayMouseState& state);
    void balloonShow();
    void balloonHide();
    void balloonClick();
    void animationStep(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void listen(bool on);
    void taskBarCheck();
    void fillRecord();
    void modify();
    void openMenu(QMenu* menu, QPoint position);
    void removeBalloon();

    NotificationArea& m_area;
    NotifyIconData m_record;
    bool m_active = false;
    QIcon m_icon;
    QString m_hint;
    QString m_lastTip;
    bool m_applicationShown = true;
    bool m_animated = false;
    unsigned m_delay = 100;
    const std::vector<QIcon>* m_icons = nullptr;
    QTimer* m_animationTimer = nullptr;
    int m_iconIndex = 0;
    QPointer<QMenu> m_dropDownMenu;
    QPointer<QMenu> m_popupMenu;
    QPointer<QWidget> m_mainForm;
    bool m_listening = false;
    QDateTime m_balloonShownAt;
    unsigned m_balloonSeconds = 0;
    quintptr m_taskBarWindow = 0;
    unsigned m_visibility = VisibleTaskBar | VisibleTaskList | AutoHide;
    bool m_snap = false;
};

} // namespace Tintara
