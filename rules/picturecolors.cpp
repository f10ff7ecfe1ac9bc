#include "rules/picturecolors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

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
bool jpegComplete(QIODevice& device)
{
    const qint64 size = device.size();
    if (size < 2 || !device.seek(size - 2))
        return false;
    const QByteArray end = device.read(2);
    return end == QByteArray("\xFF\xD9", 2);
}

} // namespace

PictureRead readPicture(QIODevice& device, const QString& name)
{
    QImageReader::setAllocationLimit(allocationLimitMiB);
    const QString shown = QDir::toNativeSeparators(name);
    QImageReader reader(&device);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid())
        return {{}, PictureColors::tr("„%1“ ist kein Bild, das Tintara Studio lesen kann.").arg(shown)};
    if (qint64(size.width()) * size.height() > largestPicturePixels)
        return {{}, PictureColors::tr(
                        "„%1“ ist mit %2 × %3 Pixeln zu groß; Tintara Studio liest Bilder bis 100 Megapixel.")
                        .arg(shown)
                        .arg(size.width())
                        .arg(size.height())};
    const QByteArray format = reader.format();
    if (format == "jpeg" && !jpegComplete(device))
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
    if (QFileInfo(path).isDir())
        return {{}, PictureColors::tr("„%1“ ist ein Ordner, kein Bild.").arg(QDir::toNativeSeparators(path))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, PictureColors::tr("„%1“ kann nicht geöffnet werden: %2").arg(QDir::toNativeSeparators(path),
                                                                           file.errorString())};
    return readPicture(file, QFileInfo(path).fileName());
}

std::vector<DominantColor> pictureColors(const QImage& image, int count)
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
    return dominantColors(pixels, count);
}

QString pictureFileFilter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        for (const char* wanted : {"png", "jpg", "jpeg", "bmp", "gif", "webp"}) {
            if (format == wanted)
                patterns << QStringLiteral("*.") + QString::fromLatin1(format);
        }
    }
    return PictureColors::tr("Bilder") + QLatin1Char('|') + patterns.join(u';');
}

} // namespace Tintara
