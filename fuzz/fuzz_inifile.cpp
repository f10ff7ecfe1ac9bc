// The INI reader and writer on any bytes.
#include "platform/inifile.h"
#include "platform/textcodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Tintara::IniFile ini = Tintara::IniFile::fromText(Tintara::decodeProfileText(bytes));
    ini.readString("Palette", "Farbe1", {});
    ini.readInteger("Hints", "Feld1", 0);
    ini.sectionExists("Modus");
    ini.writeString("Palette", "Farbe1", "255");
    ini.eraseSection("Hints");
    ini.writeString("Neu", "Schluessel", QString::fromUtf8(bytes.left(64)));
    ini.readString("Neu", "Schluessel", {});
    ini.toBytes();
    return 0;
}
