// Reading a picture and finding its dominant colours: whatever the bytes, a refused picture gives
// a reason and no image, and an accepted one gives at most the colours asked for, largest first,
// their shares adding up to the whole.
#include "colourshares.h"
#include "rules/picturecolors.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const Tintara::PictureRead read = Tintara::readPicture(buffer, QStringLiteral("bild"));
    if (read.error.isEmpty() == read.image.isNull())
        __builtin_trap(); // either a picture or a reason, never both or neither
    if (read.image.isNull())
        return 0;
    const int count = 2 + static_cast<int>(size % 15);
    const std::vector<Tintara::DominantColor> colours = Tintara::pictureColors(read.image, count);
    checkColourShares(colours, count);
    return 0;
}
