#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace Tintara {

// JFIF bytes through libjpeg, baseline, at the given quality, without chroma subsampling. Empty
// when libjpeg refuses the picture; `error` then holds its message.
QByteArray encodeJpeg(const QImage& image, int quality, QString* error = nullptr);
// 24-bit BMP bytes; empty where Qt cannot write the picture, `error` then says so.
QByteArray encodeBmp(const QImage& image, QString* error = nullptr);

} // namespace Tintara
