// The list of recent schemes in tintara.ini: whatever the section holds, at most eight paths come
// back, each once, and written back they read the same.
#include "platform/inifile.h"
#include "platform/textcodec.h"
#include "rules/recentfiles.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Tintara::IniFile ini = Tintara::IniFile::fromText(Tintara::decodeProfileText(bytes));
    const QStringList files = Tintara::readRecentFiles(ini, 8);
    if (files.size() > 8 || QStringList(files).removeDuplicates() != 0)
        __builtin_trap();
    if (size > 512)
        return 0; // writing back rebuilds the index per key: small files only, so that large ones are read at speed
    Tintara::writeRecentFiles(ini, files);
    if (Tintara::readRecentFiles(ini, 8) != files)
        __builtin_trap(); // what was read must save back unchanged
    return 0;
}
