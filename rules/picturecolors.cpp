#include "rules/picturecolors.h"

#include "platform/streamread.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringList>
#include <QtEndian>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct PictureColors {
    Q_DECLARE_TR_FUNCTIONS(PictureColors)
};

constexpr int analysedSide = 256;
// Pictures above this size are decoded smaller where the reader can (JPEG can, by a power of 2).
constexpr int decodedSide = 2048;
// 100 megapixels as 32-bit pixels, and some room for the reader's own buffers.
constexpr int allocationLimitMiB = 512;

// A complete JPEG ends with its end-of-image marker; Qt's reader shows a cut-off one half grey.
bool jpegComplete(const QByteArray& end)
{
    return end.endsWith(QByteArray("\xFF\xD9", 2));
}

// A complete GIF ends with its trailer (some writers pad after it); Qt's reader paints a cut-off
// one's missing rows black.
bool gifComplete(const QByteArray& end)
{
    qsizetype last = end.size() - 1;
    while (last >= 0 && end[last] == '\0')
        --last;
    return last >= 0 && end[last] == ';';
}

// A BMP holds its size in its header, and an uncompressed one the rows its pixels need.
bool bmpComplete(QIODevice& device)
{
    const qint64 size = device.size();
    if (!device.seek(0))
        return false;
    const QByteArray header = device.read(54);
    if (header.size() < 30)
        return false;
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(header.constData() + at); };
    const qint64 declared = u32(2);
    qint64 needed = declared;
    if (header.size() >= 34 && u32(14) >= 40) {
        const qint64 width = qAbs(qFromLittleEndian<qint32>(header.constData() + 18));
        const qint64 height = qAbs(qFromLittleEndian<qint32>(header.constData() + 22));
        const int bits = qFromLittleEndian<quint16>(header.constData() + 28);
        const quint32 compression = u32(30);
        const qint64 pixels = compression == 0 ? (width * bits + 31) / 32 * 4 * height
                                               : (header.size() >= 38 ? qint64(u32(34)) : 0);
        needed = std::max(needed, qint64(u32(10)) + pixels);
    }
    return size >= needed;
}

// The kind of a picture no reader here takes, by the bytes it begins with, for the message.
QString pictureKind(const QByteArray& head)
{
    const auto at = [&](int offset, const char* magic) { return head.mid(offset, qstrlen(magic)) == magic; };
    if (at(0, "RIFF") && at(8, "WEBP"))
        return QStringLiteral("WebP");
    if (at(0, "II*") || (at(0, "MM") && head.size() >= 4 && head[3] == '*'))
        return QStringLiteral("TIFF");
    if (at(4, "ftypavif") || at(4, "ftypavis"))
        return QStringLiteral("AVIF");
    if (at(4, "ftypheic") || at(4, "ftypheix") || at(4, "ftypmif1") || at(4, "ftypmsf1"))
        return QStringLiteral("HEIF");
    if (at(0, "\xFF\x0A") || at(4, "JXL "))
        return QStringLiteral("JPEG XL");
    if (at(0, "8BPS"))
        return QStringLiteral("Photoshop");
    if (at(0, "gimp xcf"))
        return QStringLiteral("GIMP XCF");
    if (at(0, "qoif"))
        return QStringLiteral("QOI");
    if (at(0, "%PDF"))
        return QStringLiteral("PDF");
    return {};
}

bool isVectorFormat(const QByteArray& format)
{
    return format == "svg" || format == "svgz";
}

} // namespace

PictureRead readPicture(QIODevice& device, const QString& name)
{
    QImageReader::setAllocationLimit(allocationLimitMiB);
    const QString shown = QDir::toNativeSeparators(name);
    if (device.size() > largestPictureBytes)
        return {{}, PictureColors::tr("„%1“ ist mit %2 MiB zu groß; Tintara Studio liest Bilder bis %3 MiB.")
                        .arg(shown)
                        .arg(device.size() >> 20)
                        .arg(largestPictureBytes >> 20)};
    const QByteArray head = device.peek(32);
    QImageReader reader(&device);
    // Vector pictures have no cost bound a header could tell: thousands of shapes take minutes.
    if (isVectorFormat(reader.format()))
        return {{}, PictureColors::tr("„%1“ ist eine Vektorgrafik (SVG); Tintara Studio liest die Farben von "
                                      "Pixelbildern wie PNG, JPEG, WebP oder TIFF.").arg(shown)};
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid()) {
        if (const QString kind = pictureKind(head); !kind.isEmpty())
            return {{}, PictureColors::tr("„%1“ ist ein Bild im Format %2, für das hier kein Bildleser installiert "
                                          "ist.").arg(shown, kind)};
        return {{}, PictureColors::tr("„%1“ ist kein Bild, das Tintara Studio lesen kann.").arg(shown)};
    }
    if (qint64(size.width()) * size.height() > largestPicturePixels)
        return {{}, PictureColors::tr(
                        "„%1“ ist mit %2 × %3 Pixeln zu groß; Tintara Studio liest Bilder bis 100 Megapixel.")
                        .arg(shown)
                        .arg(size.width())
                        .arg(size.height())};
    const QByteArray format = reader.format();
    const qint64 tail = std::min<qint64>(16, device.size());
    const QByteArray end = device.seek(device.size() - tail) ? device.read(tail) : QByteArray();
    const bool complete = format == "jpeg" ? jpegComplete(end)
        : format == "gif"                  ? gifComplete(end)
        : format == "bmp"                  ? bmpComplete(device)
                                           : true;
    if (!complete)
        return {{}, PictureColors::tr("„%1“ ist unvollständig: das Bild endet vorzeitig.").arg(shown)};
    device.seek(0);
    QImageReader decoder(&device, format);
    decoder.setAutoTransform(true);
    if (std::max(size.width(), size.height()) > decodedSide && decoder.supportsOption(QImageIOHandler::ScaledSize))
        decoder.setScaledSize(size.scaled(decodedSide, decodedSide, Qt::KeepAspectRatio));
    QImage image;
    if (!decoder.read(&image))
        return {{}, PictureColors::tr("„%1“ kann nicht gelesen werden: %2").arg(shown, decoder.errorString())};
    return {image, {}};
}

PictureRead readPictureFile(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (QFileInfo(path).isDir())
        return {{}, PictureColors::tr("„%1“ ist ein Ordner, kein Bild.").arg(shown)};
    QFile file(path);
    // A missing file is opened to be told why; a pipe, a FIFO or a device is read as a stream.
    if (QFileInfo(path).isFile() || !QFileInfo::exists(path)) {
        if (!file.open(QIODevice::ReadOnly))
            return {{}, PictureColors::tr("„%1“ kann nicht geöffnet werden: %2").arg(shown, file.errorString())};
        return readPicture(file, QFileInfo(path).fileName());
    }
    // A pipe or a FIFO: read whole first, since its end cannot be looked at.
    QString error;
    QByteArray bytes = readStream(path, largestPictureBytes, &error);
    if (!error.isEmpty())
        return {{}, PictureColors::tr("„%1“ kann nicht gelesen werden: %2").arg(shown, error)};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readPicture(buffer, QFileInfo(path).fileName());
}

std::vector<DominantColor> pictureColors(const QImage& image, int count, ColorEmphasis emphasis)
{
    if (image.isNull())
        return {};
    const QImage small = (std::max(image.width(), image.height()) > analysedSide
                              ? image.scaled(analysedSide, analysedSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              : image)
                             .convertToFormat(QImage::Format_ARGB32);
    std::vector<TColor> pixels;
    pixels.reserve(static_cast<std::size_t>(small.width()) * small.height());
    for (int y = 0; y < small.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(small.constScanLine(y));
        for (int x = 0; x < small.width(); ++x) {
            if (qAlpha(line[x]) >= 128)
                pixels.push_back(RGB(qRed(line[x]), qGreen(line[x]), qBlue(line[x])));
        }
    }
    return dominantColors(pixels, count, emphasis);
}

QString pictureFileFilter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        if (!isVectorFormat(format))
            patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    return PictureColors::tr("Bilder") + QLatin1Char('|') + patterns.join(u';');
}

} // namespace Tintara
