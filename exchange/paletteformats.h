#pragma once

#include "exchange/colorwriting.h"

#include "rules/schemeformat.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace Tintara {

// A colour of a palette file with its name.
struct PaletteEntry {
    TColor color = 0;
    QString name;
    bool operator==(const PaletteEntry&) const = default;
};

// Palette files of other programs, one entry per used slot in slot order.
// GIMP: "GIMP Palette", the title, 16 columns, R G B right-aligned in three places and the export name.
QByteArray gimpPalette(const SchemeSlots& scheme, const QString& title);
// Adobe Swatch Exchange 1.0: global RGB colours, 32-bit big-endian floats, names in UTF-16BE.
QByteArray adobeSwatchExchange(const SchemeSlots& scheme);
// CSS custom properties on :root, named by readable identifiers.
QByteArray cssVariables(const SchemeSlots& scheme);
// Design tokens of the W3C community group: one colour token per slot, the info text as description;
// slots whose info texts read as "name-step" ("primary-500") are grouped by the name.
QByteArray designTokens(const SchemeSlots& scheme, TokenValue value = TokenValue::Object);
// A Tailwind CSS v4 theme: "--color-<name>: oklch(…);" per slot, named by readable identifiers.
QByteArray tailwindTheme(const SchemeSlots& scheme);

// Palette files of other programs the scheme can be exported to.
enum class PaletteFormat { Gimp, AdobeSwatch, CssVariables, DesignTokens, Tailwind, ThemeCss, ThemeTokens, ThemeTailwind };
// Whether the format writes the theme's roles.
inline bool writesTheme(PaletteFormat format)
{
    return format == PaletteFormat::ThemeCss || format == PaletteFormat::ThemeTokens || format == PaletteFormat::ThemeTailwind;
}
// Whether the format writes tokens, which may give their colours as hex text.
inline bool writesTokens(PaletteFormat format)
{
    return format == PaletteFormat::DesignTokens || format == PaletteFormat::ThemeTokens;
}
QByteArray paletteFile(PaletteFormat format, const SchemeSlots& scheme, const QString& title,
                       TokenValue value = TokenValue::Object);
// What the export page's preview shows: the file as text, for the binary ASE a readable summary.
QString palettePreview(PaletteFormat format, const SchemeSlots& scheme, const QString& title,
                       TokenValue value = TokenValue::Object);

// What a palette file held; `error` says in German why it could not be read.
struct PaletteRead {
    std::vector<PaletteEntry> entries;
    QString error;
};
PaletteRead readGimpPalette(const QByteArray& bytes);
PaletteRead readAdobeSwatchExchange(const QByteArray& bytes);
// Colour tokens at any depth, their value a hex string or an object with "hex" or sRGB components.
PaletteRead readDesignTokens(const QByteArray& bytes);
// Every #RRGGBB or #RGB in a text, a style sheet for example, in order.
PaletteRead readColourCodes(const QByteArray& bytes);
// By the file's extension: .gpl, .ase, .json, anything else as text with colour codes.
PaletteRead readPaletteFile(const QString& path, const QByteArray& bytes);

// Palettes are a few kilobytes; a larger file is refused before it is read, so that a hostile one
// cannot hold up the window or fill the memory.
inline constexpr qint64 largestPaletteFile = 1 << 20;
// The palette file at `path`, read whole and refused above largestPaletteFile.
PaletteRead readPaletteFromDisk(const QString& path);

} // namespace Tintara
