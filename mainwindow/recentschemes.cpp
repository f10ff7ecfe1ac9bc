#include "mainwindow/recentschemes.h"

#include "controls/languagechange.h"
#include "rules/recentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace Tintara {

RecentSchemes::RecentSchemes(QMenu* parentMenu)
    : QObject(parentMenu), m_menu(parentMenu->addMenu(QString()))
{
    m_menu->setObjectName(QStringLiteral("mmZuletztGeoeffnet"));
    m_clearList = new QAction(this);
    m_clearList->setObjectName(QStringLiteral("mmListeLeeren"));
    connect(m_clearList, &QAction::triggered, this, &RecentSchemes::clear);
    connect(m_menu, &QMenu::aboutToShow, this, &RecentSchemes::fillMenu); // files come and go meanwhile
    fillMenu();
    keepTranslated(m_menu, [this] {
        m_menu->setTitle(tr("Zuletzt geöffnet"));
        m_clearList->setText(tr("Liste leeren"));
    });
}

void RecentSchemes::add(const QString& path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > maximum)
        m_files.removeLast();
    fillMenu();
}

void RecentSchemes::clear()
{
    m_files.clear();
    fillMenu();
}

void RecentSchemes::readFrom(const IniFile& ini)
{
    m_files = readRecentFiles(ini, maximum);
    fillMenu();
}

void RecentSchemes::writeTo(IniFile& ini) const
{
    writeRecentFiles(ini, m_files);
}

// A file that is gone stays listed, greyed out: it may be on a drive that comes back.
// The list changes while one of its own entries is being triggered (opening a file moves it to the
// top, "Liste leeren" empties it), so the old entries are only taken off the menu here and deleted
// once their signal is delivered.
void RecentSchemes::fillMenu()
{
    for (QAction* entry : m_menu->actions()) {
        m_menu->removeAction(entry);
        if (entry != m_clearList)
            entry->deleteLater();
    }
    for (int n = 1; n <= m_files.size(); ++n) {
        const QString file = m_files[n - 1];
        QAction* entry = m_menu->addAction(QStringLiteral("&%1 %2").arg(n).arg(QDir::toNativeSeparators(file)),
                                           this, [this, file] { Q_EMIT openRequested(file); });
        entry->setEnabled(QFileInfo::exists(file));
    }
    if (!m_files.isEmpty())
        m_menu->addSeparator();
    m_menu->addAction(m_clearList);
    m_clearList->setEnabled(!m_files.isEmpty());
}

} // namespace Tintara
