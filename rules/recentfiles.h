#pragma once

#include <QStringList>

namespace Tintara {

class IniFile;

// The list of recently opened schemes, kept in a section of its own at the end of tintara.ini:
// at most `maximum` paths, newest first, each once.
QStringList readRecentFiles(const IniFile& ini, int maximum);
void writeRecentFiles(IniFile& ini, const QStringList& files);

} // namespace Tintara
