#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

namespace Tintara {

class IniFile;

// The scheme files opened or saved last, newest first, as the submenu "Zuletzt geöffnet". They are
// kept in a section of their own at the end of the configuration file.
class RecentSchemes : public QObject
{
    Q_OBJECT

public:
    static constexpr int maximum = 8;

    explicit RecentSchemes(QMenu* parentMenu);

    QStringList files() const { return m_files; }
    void add(const QString& path);
    void clear();
    void readFrom(const IniFile& ini);
    // Without files the section is left out, so the file holds nothing of this list.
    void writeTo(IniFile& ini) const;
    QMenu* menu() const { return m_menu; }

Q_SIGNALS:
    void openRequested(const QString& path);

private:
    void fillMenu();

    QMenu* m_menu;
    QAction* m_clearList;
    QStringList m_files;
};

} // namespace Tintara
