// A picture pasted from the clipboard arrives as a decoded image of any size and pixel format:
// its colours are at most those asked for, largest first, their shares adding up to the whole.
#include "colourshares.h"
#include "rules/picturecolors.h"

#include <QImage>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static constexpr std::array formats = {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
                                           QImage::Format_RGB888, QImage::Format_Grayscale8, QImage::Format_RGB16,
                                           QImage::Format_RGBA64, QImage::Format_Indexed8, QImage::Format_Mono};
    if (size < 4)
        return 0;
    const int width = 1 + data[0] % 200, height = 1 + data[1] % 200;
    const QImage::Format format = formats[data[2] % formats.size()];
    const int count = 2 + data[3] % 15;
    QImage image(width, height, format);
    if (format == QImage::Format_Indexed8 || format == QImage::Format_Mono) {
        QList<QRgb> table;
        for (int n = 0; n < (format == QImage::Format_Mono ? 2 : 256); ++n)
            table << qRgba(n * 37, n * 91, n * 13, n * 5);
        image.setColorTable(table);
    }
    // The rest of the bytes, over and over, as the pixels.
    const std::size_t pixels = static_cast<std::size_t>(image.sizeInBytes());
    for (std::size_t at = 0; size > 4 && at < pixels; at += size - 4)
        std::memcpy(image.bits() + at, data + 4, std::min(size - 4, pixels - at));
    const std::vector<Tintara::DominantColor> colours = Tintara::pictureColors(image, count);
    checkColourShares(colours, count);
    return 0;
}
