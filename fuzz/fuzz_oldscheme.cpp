// The converter's reading of the predecessor's scheme files.
#include "rules/schemeformat.h"
#include "platform/inifile.h"
#include "platform/textcodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto colors = Tintara::readOldScheme(Tintara::IniFile::fromText(Tintara::decodeProfileText(bytes)));
    for (const auto& color : colors) {
        if (color && *color == 0)
            __builtin_trap(); // 0 means "no colour"
    }
    return 0;
}
