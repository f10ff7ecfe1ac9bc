#pragma once

#include "color/dominantcolors.h"

#include <QImage>
#include <QString>

class QIODevice;

namespace Tintara {

// A picture read for its colours, or why it cannot be.
struct PictureRead {
    QImage image;
    QString error;
};

// Pictures whose header claims more pixels than this are refused before anything is decoded; so
// are files larger than largestPictureBytes, whose decoding alone would hold up the window (a
// 32 MiB picture of noise takes under a second here).
inline constexpr qint64 largestPicturePixels = 100'000'000;
inline constexpr qint64 largestPictureBytes = qint64(32) << 20;

// Reads a picture through Qt's image readers, refusing what is no picture, truncated, or claims
// too many pixels; a large picture whose reader can is decoded at a reduced size. `name` names it
// in the messages.
PictureRead readPicture(QIODevice& device, const QString& name);
PictureRead readPictureFile(const QString& path);

// The picture's dominant colours: on a copy whose longer side is at most 256 pixels (smoothly
// scaled), pixels less than half opaque left out.
std::vector<DominantColor> pictureColors(const QImage& image, int count, ColorEmphasis emphasis = ColorEmphasis::Area);

// "Bilder|*.png;*.jpg;…": the formats Qt's image readers have here, for the open dialog.
QString pictureFileFilter();

} // namespace Tintara
