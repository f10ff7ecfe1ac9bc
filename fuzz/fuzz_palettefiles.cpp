// Reading the palette files of other programs: GIMP, Adobe Swatch Exchange, design tokens, text.
#include "exchange/paletteformats.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const char* name : {"p.gpl", "p.ase", "p.json", "p.css"}) {
        const Tintara::PaletteRead read = Tintara::readPaletteFile(QString::fromLatin1(name), bytes);
        if (!read.error.isEmpty() && !read.entries.empty())
            __builtin_trap(); // a refused file hands over no colours
    }
    return 0;
}
