#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QtEndian>

#include <vector>

namespace Tintara::Testing {

// A picture of four flat colour areas side by side, 40, 30, 20 and 10 % of its width.
inline QImage fourAreas(QImage::Format format = QImage::Format_RGB32)
{
    QImage image(100, 20, format);
    const QRgb areas[] = {qRgb(200, 30, 40), qRgb(20, 90, 200), qRgb(240, 200, 30), qRgb(20, 110, 60)};
    for (int x = 0; x < 100; ++x) {
        const QRgb colour = x < 40 ? areas[0] : x < 70 ? areas[1] : x < 90 ? areas[2] : areas[3];
        for (int y = 0; y < 20; ++y)
            image.setPixel(x, y, colour);
    }
    return image;
}

// A moodboard: six greys over 97 % of it, a small orange and a small magenta (1.5 % each).
inline QImage greyMoodboard()
{
    QImage image(100, 100, QImage::Format_RGB32);
    for (int x = 0; x < 100; ++x) {
        for (int y = 0; y < 100; ++y) {
            const int grey = 40 + 35 * (x * 6 / 100);
            image.setPixel(x, y, y >= 97 ? (x < 50 ? qRgb(240, 120, 20) : qRgb(220, 30, 170)) : qRgb(grey, grey, grey + 4));
        }
    }
    return image;
}

inline QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A PNG chunk with its length and CRC-32.
inline QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    const QByteArray body = type + data;
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : body) {
        crc ^= static_cast<quint8>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size()), chunk.data());
    QByteArray tail(4, '\0');
    qToBigEndian<quint32>(crc ^ 0xFFFFFFFFu, tail.data());
    return chunk + body + tail;
}

// A PNG of a few dozen bytes whose header claims `side` × `side` pixels.
inline QByteArray pngClaiming(quint32 side)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(side, header.data());
    qToBigEndian<quint32>(side, header.data() + 4);
    header[8] = 8;  // bit depth
    header[9] = 2;  // truecolour
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", QByteArray(16, '\0'))
        + pngChunk("IEND", {});
}

struct HostilePicture {
    const char* name;
    QByteArray bytes;
};

// Files offered as pictures that are none, or not whole, or claim more than anyone should decode.
inline std::vector<HostilePicture> hostilePictures()
{
    const QByteArray png = encoded(fourAreas(), "PNG");
    const QByteArray jpeg = encoded(fourAreas(), "JPG");
    const QByteArray gif = encoded(fourAreas(), "GIF");
    const QByteArray bmp = encoded(fourAreas(), "BMP");
    return {
        {"not a picture", "[Palette]\r\nFarbe1=255\r\n"},
        {"empty", {}},
        {"truncated png", png.left(png.size() / 2)},
        {"truncated jpeg", jpeg.left(jpeg.size() * 2 / 3)},
        {"png claiming 30000 x 30000", pngClaiming(30000)},
        // Their readers fill a cut-off picture's rest with black and call it read.
        {"truncated gif", gif.left(gif.size() / 2)},
        {"truncated bmp", bmp.left(bmp.size() / 3)},
        // Vector pictures have no cost a header could bound.
        {"svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\"><rect width=\"9\" height=\"9\"/></svg>"},
    };
}

} // namespace Tintara::Testing
