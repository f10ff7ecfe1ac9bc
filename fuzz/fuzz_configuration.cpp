// Loading tintara.ini and writing it back.
#include "rules/configformat.h"
#include "platform/inifile.h"
#include "platform/textcodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Tintara::IniFile ini = Tintara::IniFile::fromText(Tintara::decodeProfileText(bytes));
    const Tintara::Configuration config = Tintara::readConfiguration(ini);
    // Writing back costs a rebuilt index per new key; done for small files only, parsing for all, so
    // that large inputs are reached at speed.
    if (size > 512)
        return 0;
    Tintara::writeConfiguration(ini, config);
    const Tintara::Configuration again = Tintara::readConfiguration(ini);
    if (again.pages != config.pages || again.modus != config.modus || again.scheme.colors != config.scheme.colors)
        __builtin_trap(); // what was loaded must save back unchanged
    return 0;
}
