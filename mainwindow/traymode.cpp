#include "mainwindow/traymode.h"

#include "color/notation.h"
#include "controls/languagechange.h"
#include "controls/ttrayicon.h"
#include "pages/pagehost.h"
#include "platform/systemcolors.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>

namespace Tintara {

TrayMode::TrayMode(QMainWindow& window, PageHost& host, std::function<int()> copyFormat)
    : QObject(&window)
    , m_window(window)
    , m_host(host)
    , m_platform(host.platform())
    , m_copyFormat(std::move(copyFormat))
{
    m_puTray = new QMenu(&window);
    m_puTray->setObjectName(QStringLiteral("puTray"));
    for (int n = 1; n <= 16; ++n) {
        QAction* item = m_puTray->addAction(QString::number(n));
        item->setObjectName(QStringLiteral("puTray_%1").arg(n));
    }
    m_puTray->addSeparator();
    QAction* show = m_puTray->addAction(QString());
    show->setObjectName(QStringLiteral("puTray_0"));
    connect(m_puTray, &QMenu::triggered, this, &TrayMode::PopupmenueTrayClick);

    m_trayIcon = new TTrayIcon(m_platform.notificationArea, &window);
    m_trayIcon->setObjectName(QStringLiteral("TrayIcon1"));
    m_trayIcon->setDropDownMenu(m_puTray);
    m_trayIcon->setMainForm(&window);
    m_trayIcon->setIconIndex(-1);
    m_trayIcon->setDelay(10);
    keepTranslated(m_puTray, [this, show] {
        show->setText(tr("Tintara Studio anzeigen"));
        m_trayIcon->setHint(tr("Mit der linken Maustaste klicken, um das Menü zu öffnen"));
    });
}

// The menu shows the scheme as it is now: a framed colour square and the info text or "Farbe n".
void TrayMode::InTrayMinimieren()
{
    // Hidden without an icon, the program would run on out of reach.
    if (!m_platform.notificationArea.available()) {
        m_platform.messages.showMessage(
            tr("Es ist kein Infobereich verfügbar, in den Tintara Studio minimiert werden kann."));
        return;
    }
    const SchemeSlots scheme = m_host.schemeSlots();
    const QList<QAction*> items = m_puTray->actions();
    for (int n = 1; n <= 16; ++n) {
        QPixmap square(QSize(10, 10) * qApp->devicePixelRatio()); // sharp on a high-density screen
        square.setDevicePixelRatio(qApp->devicePixelRatio());
        QPainter painter(&square);
        painter.fillRect(square.rect(), toQColor(scheme.colors[n - 1]));
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, 9, 9);
        painter.end();
        QAction* item = items[n - 1];
        item->setIcon(QIcon(square));
        const QString& info = scheme.infos[n - 1];
        item->setText(info.isEmpty() ? tr("Farbe %1").arg(n) : info);
        item->setEnabled(scheme.used[n - 1] != 0);
    }
    m_trayIcon->setActive(true);
    m_window.showMinimized();
    m_window.hide();
}

void TrayMode::PopupmenueTrayClick(QAction* item)
{
    const QString name = item->objectName();
    if (name == QLatin1String("puTray_0")) {
        m_window.showNormal();
        m_window.activateWindow();
        m_trayIcon->setActive(false);
        return;
    }
    const int slot = name.mid(7).toInt();
    if (slot < 1 || slot > 16)
        return;
    const TColor color = m_host.schemeSlots().colors[slot - 1];
    const int format = m_copyFormat();
    const QString text = QString::fromStdString(ColorNotation(color, format));
    if (format >= 0 && format < NotationCount && format != NotationCmyk)
        m_platform.clipboard.setText(text);
    else if (format == NotationCmyk)
        m_platform.messages.showMessage(text);
}

} // namespace Tintara
