#include "mainwindow/tform1.h"

#include "color/notation.h"
#include "controls/tcolorshape.h"
#include "controls/ttrayicon.h"
#include "platform/systemcolors.h"

#include "pages/z_optionen.h"

#include <QMenu>
#include <QPainter>

namespace Tintara {

void TForm1::connectTrayMode()
{
    m_puTray = new QMenu(this);
    m_puTray->setObjectName(QStringLiteral("puTray"));
    for (int n = 1; n <= 16; ++n) {
        QAction* item = m_puTray->addAction(QString::number(n));
        item->setObjectName(QStringLiteral("puTray_%1").arg(n));
    }
    m_puTray->addSeparator();
    m_puTray->addAction(QStringLiteral("Tintara Studio anzeigen"))->setObjectName(QStringLiteral("puTray_0"));
    connect(m_puTray, &QMenu::triggered, this, &TForm1::PopupmenueTrayClick);

    m_trayIcon = new TTrayIcon(m_platform.notificationArea, this);
    m_trayIcon->setObjectName(QStringLiteral("TrayIcon1"));
    m_trayIcon->setHint(QStringLiteral("Mit der linken Maustaste klicken, um das Menü zu öffnen"));
    m_trayIcon->setDropDownMenu(m_puTray);
    m_trayIcon->setMainForm(this);
    m_trayIcon->setIconIndex(-1);
    m_trayIcon->setDelay(10);
}

// The menu shows the scheme as it is now: a framed colour square and the info text or "Farbe n".
void TForm1::InTrayMinimieren()
{
    // Hidden without an icon, the program would run on out of reach.
    if (!m_platform.notificationArea.available()) {
        m_platform.messages.showMessage(
            QStringLiteral("Es ist kein Infobereich verfügbar, in den Tintara Studio minimiert werden kann."));
        return;
    }
    const QList<QAction*> items = m_puTray->actions();
    for (int n = 1; n <= 16; ++n) {
        QPixmap square(10, 10);
        QPainter painter(&square);
        painter.fillRect(square.rect(), toQColor(m_slots[n - 1]->color()));
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, 9, 9);
        painter.end();
        QAction* item = items[n - 1];
        item->setIcon(QIcon(square));
        const QString info = m_slots[n - 1]->hint();
        item->setText(info.isEmpty() ? QStringLiteral("Farbe %1").arg(n) : info);
        item->setEnabled(m_used[n - 1] != 0);
    }
    m_trayIcon->setActive(true);
    showMinimized();
    hide();
}

void TForm1::PopupmenueTrayClick(QAction* item)
{
    const QString name = item->objectName();
    if (name == QLatin1String("puTray_0")) {
        showNormal();
        activateWindow();
        m_trayIcon->setActive(false);
        return;
    }
    const int slot = name.mid(7).toInt();
    if (slot < 1 || slot > 16)
        return;
    const TColor color = m_slots[slot - 1]->color();
    const int format = m_optionen->copyFormat();
    const QString text = QString::fromStdString(ColorNotation(color, format));
    if (format >= 0 && format <= 6)
        m_platform.clipboard.setText(text);
    else if (format == NotationCmyk)
        m_platform.messages.showMessage(text);
}

} // namespace Tintara
