#pragma once

#include "rules/schemeformat.h"

#include <QFont>
#include <QImage>
#include <QStringList>

namespace Tintara {

// What the export page's own formats make.
enum class ExportContent { StyleSheet, Listing, ReferencePicture, ReferencePicture2, PaletteStrip };

constexpr bool isPicture(ExportContent content)
{
    return content >= ExportContent::ReferencePicture;
}

// Output modes: 0 nothing, 1-3 style sheet (text colour, background, both), 4-6 colour listing
// "Farbspezifikationen" (HTML, RGB, both), 7 reference picture, 8 reference picture 2, 9 palette strip.
struct ExportChoice {
    ExportContent content = ExportContent::StyleSheet;
    bool textColor = true, background = true, definition = false, cssInfo = true;
    bool html = true, rgb = true, textInfo = true;
    bool pictureName = true, pictureHtml = true, pictureRgb = true, pictureInfo = true;
    bool tokenHex = false; // design tokens give their colours as hex text
};

int exportMode(const ExportChoice& choice);

// The name a slot exports under: its info text's ASCII letters and digits, or farbe<n>.
QString Farbinformation(const QString& info, int slot);

QStringList exportText(int mode, const SchemeSlots& scheme, const ExportChoice& choice);
// The listing as saved: every line ends with CR LF.
QByteArray exportTextFile(const QStringList& lines);
// The narrow face the layout and the pictures were made for, at 8 points.
QFont captionFont();
// `font` gives the face; sizes are set per text. Modes 7 to 9; any other gives a null image.
// A `scale` above 1 draws the same picture with that many device pixels per pixel, for the screen.
QImage exportPicture(int mode, const SchemeSlots& scheme, const ExportChoice& choice, const QFont& font,
                     qreal scale = 1);

} // namespace Tintara
