#pragma once

#include "exchange/paletteformats.h"
#include "rules/exportrules.h"

#include <QtGlobal>

#include <array>
#include <optional>

namespace Tintara {

// The export page's check boxes, as the formats they apply to name them.
enum ExportOption : unsigned {
    TextColorOption = 1 << 0,  // style sheet: text colours
    BackgroundOption = 1 << 1, // style sheet: background colours
    DefinitionOption = 1 << 2, // style sheet: the definition lines
    InfoOption = 1 << 3,       // the colour names or informations
    HtmlOption = 1 << 4,       // HTML values
    RgbOption = 1 << 5,        // RGB values
    NameOption = 1 << 6,       // pictures: the colour names
};

struct ExportFormat;

// Writes the file's bytes for `scheme`; empty with `reason` set where a picture cannot be encoded.
using ExportWriter = QByteArray (*)(const ExportFormat& format, const SchemeSlots& scheme, const ExportChoice& choice,
                                    const QString& title, bool jpeg, QString* reason);
// The writers the rows name: the style sheet or listing with CR LF line ends, the picture as BMP or
// JPEG, the palette file of another program named `title`.
QByteArray writeTextExport(const ExportFormat& format, const SchemeSlots& scheme, const ExportChoice& choice,
                           const QString& title, bool jpeg, QString* reason);
QByteArray writePictureExport(const ExportFormat& format, const SchemeSlots& scheme, const ExportChoice& choice,
                              const QString& title, bool jpeg, QString* reason);
QByteArray writePaletteExport(const ExportFormat& format, const SchemeSlots& scheme, const ExportChoice& choice,
                              const QString& title, bool jpeg, QString* reason);

// One row per item of the export page's format list, in its order; the command line offers the
// same rows. Pictures are one row per picture; their file type (BMP or JPEG) is chosen apart.
struct ExportFormat {
    const char* listText;
    // --export NAME; nullptr for the pictures, which the command line names by file type.
    const char* commandLineName;
    // --picture NAME; nullptr for anything not a picture.
    const char* pictureName;
    // The save dialog's filter name and extension; pictures take the file type's.
    const char* filterName;
    const char* extension;
    ExportWriter write;
    ExportContent content;                // what the page's own formats make
    std::optional<PaletteFormat> palette; // a palette file of another program instead
    unsigned options = 0;                 // the ExportOptions that apply
    bool jpeg = false;                    // a picture that may also be saved as JPEG
};

inline constexpr unsigned pictureOptions = InfoOption | HtmlOption | RgbOption | NameOption;

inline constexpr auto exportFormats = std::to_array<ExportFormat>({
    {QT_TRANSLATE_NOOP("ExportFormats", "Stylesheet"), "css", nullptr,
     QT_TRANSLATE_NOOP("ExportFormats", "Style-Sheet"), "css", writeTextExport, ExportContent::StyleSheet, std::nullopt,
     TextColorOption | BackgroundOption | DefinitionOption | InfoOption},
    {QT_TRANSLATE_NOOP("ExportFormats", "Spezifikationen"), "txt", nullptr,
     QT_TRANSLATE_NOOP("ExportFormats", "Textdatei"), "txt", writeTextExport, ExportContent::Listing, std::nullopt,
     InfoOption | HtmlOption | RgbOption},
    {QT_TRANSLATE_NOOP("ExportFormats", "Referenzgrafik"), nullptr, "1",
     QT_TRANSLATE_NOOP("ExportFormats", "Bitmapgrafik"), "bmp", writePictureExport, ExportContent::ReferencePicture, std::nullopt,
     pictureOptions, true},
    {QT_TRANSLATE_NOOP("ExportFormats", "Referenzgrafik 2"), nullptr, "2",
     QT_TRANSLATE_NOOP("ExportFormats", "Bitmapgrafik"), "bmp", writePictureExport, ExportContent::ReferencePicture2, std::nullopt,
     pictureOptions, true},
    {QT_TRANSLATE_NOOP("ExportFormats", "Phase5-Palette"), nullptr, "strip",
     QT_TRANSLATE_NOOP("ExportFormats", "Bitmapgrafik"), "bmp", writePictureExport, ExportContent::PaletteStrip, std::nullopt,
     pictureOptions},
    {QT_TRANSLATE_NOOP("ExportFormats", "GIMP-Palette"), "gpl", nullptr,
     QT_TRANSLATE_NOOP("ExportFormats", "GIMP-Palette"), "gpl", writePaletteExport, {}, PaletteFormat::Gimp},
    {"Adobe Swatch Exchange", "ase", nullptr, "Adobe Swatch Exchange", "ase", writePaletteExport, {}, PaletteFormat::AdobeSwatch},
    {QT_TRANSLATE_NOOP("ExportFormats", "CSS-Variablen"), "cssvars", nullptr,
     QT_TRANSLATE_NOOP("ExportFormats", "CSS-Variablen"), "css", writePaletteExport, {}, PaletteFormat::CssVariables},
    {"Design Tokens", "tokens", nullptr, "Design Tokens", "json", writePaletteExport, {}, PaletteFormat::DesignTokens},
    {QT_TRANSLATE_NOOP("ExportFormats", "Tailwind-Theme"), "tailwind", nullptr,
     QT_TRANSLATE_NOOP("ExportFormats", "Tailwind-Theme"), "css", writePaletteExport, {}, PaletteFormat::Tailwind},
    {QT_TRANSLATE_NOOP("ExportFormats", "Farbrollen als CSS"), "theme-css", nullptr,
     QT_TRANSLATE_NOOP("ExportFormats", "Farbrollen als CSS"), "css", writePaletteExport, {}, PaletteFormat::ThemeCss},
    {QT_TRANSLATE_NOOP("ExportFormats", "Farbrollen als Design Tokens"), "theme-tokens", nullptr,
     QT_TRANSLATE_NOOP("ExportFormats", "Farbrollen als Design Tokens"), "json", writePaletteExport, {},
     PaletteFormat::ThemeTokens},
    {QT_TRANSLATE_NOOP("ExportFormats", "Farbrollen als Tailwind-Theme"), "theme-tailwind", nullptr,
     QT_TRANSLATE_NOOP("ExportFormats", "Farbrollen als Tailwind-Theme"), "css", writePaletteExport, {},
     PaletteFormat::ThemeTailwind},
});


// The row of the list item `index`; nullptr for none.
const ExportFormat* exportFormatAt(int index);
// The name the export page's list shows, in the interface's language.
QString exportFormatName(const ExportFormat& format);

// The save dialog's filter ("Style-Sheet|*.css") and default extension; `jpeg` for a picture
// saved as JPEG.
std::pair<QString, QString> exportFileFilter(const ExportFormat& format, bool jpeg);

// Whether the file holds bytes that are not text (and so never go to the standard output).
bool isBinaryExport(const ExportFormat& format);

// The file's bytes, as the row's writer makes them.
QByteArray exportFile(const ExportFormat& format, const SchemeSlots& scheme, const ExportChoice& choice,
                      const QString& title, bool jpeg, QString* reason);

} // namespace Tintara
