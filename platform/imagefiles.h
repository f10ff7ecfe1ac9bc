#pragma once

#include <QByteArray>
#include <QImage>

namespace Tintara {

// JFIF bytes through libjpeg, baseline, at the given quality.
QByteArray encodeJpeg(const QImage& image, int quality);
// 24-bit BMP bytes.
QByteArray encodeBmp(const QImage& image);

} // namespace Tintara
