// A file over the 1 MiB the INI reader takes: whatever its first part holds, saving keeps the unread
// rest byte for byte behind what was written.
#include "platform/inifile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    static const QByteArray filler = [] {
        QByteArray lines;
        for (int n = 0; lines.size() <= Tintara::IniFile::readLimit; ++n)
            lines += "Zeile" + QByteArray::number(n) + "=" + QByteArray(1000, 'x') + "\r\n"; // few lines: quick to parse
        return lines;
    }();
    const QByteArray head(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray rest = "[Ende]\r\nSchluss=1\r\n";
    const QString path = folder.filePath(QStringLiteral("gross.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(head + filler + rest) != head.size() + filler.size() + rest.size())
        return 0;
    file.close();
    Tintara::IniFile ini(path);
    ini.writeString(QStringLiteral("Palette"), QStringLiteral("Farbe1"), QStringLiteral("255"));
    if (ini.save())
        return 0; // refused: the file stays as it was
    QFile saved(path);
    if (!saved.open(QIODevice::ReadOnly) || !saved.readAll().endsWith(rest))
        __builtin_trap(); // the unread rest must come back whole
    return 0;
}
