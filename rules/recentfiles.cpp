#include "rules/recentfiles.h"

#include "platform/inifile.h"

namespace Tintara {

namespace {

const QString section = QStringLiteral("Zuletzt geoeffnet");

QString key(int n)
{
    return QStringLiteral("Datei%1").arg(n);
}

} // namespace

QStringList readRecentFiles(const IniFile& ini, int maximum)
{
    QStringList files;
    for (int n = 1; n <= maximum; ++n) {
        const QString file = ini.readString(section, key(n), QString());
        if (!file.isEmpty() && !files.contains(file))
            files << file;
    }
    return files;
}

void writeRecentFiles(IniFile& ini, const QStringList& files)
{
    ini.eraseSection(section);
    for (int n = 1; n <= files.size(); ++n)
        ini.writeString(section, key(n), files[n - 1]);
}

} // namespace Tintara
