#pragma once

#include "platform/platform.h"

#include <QObject>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace Tintara {

class PageHost;
class TTrayIcon;

// Tray mode: the window hides behind an icon in the notification area whose menu copies any used
// slot in the copy format, or brings the window back.
class TrayMode : public QObject
{
    Q_OBJECT

public:
    TrayMode(QMainWindow& window, PageHost& host, std::function<int()> copyFormat);

    // Hides the window behind the icon; where there is no notification area it says so instead.
    void InTrayMinimieren();
    QMenu* menu() const { return m_puTray; }
    TTrayIcon* icon() const { return m_trayIcon; }

private:
    void PopupmenueTrayClick(QAction* item);

    QMainWindow& m_window;
    PageHost& m_host;
    const Platform& m_platform;
    std::function<int()> m_copyFormat;
    QMenu* m_puTray = nullptr;
    TTrayIcon* m_trayIcon = nullptr;
};

} // namespace Tintara
