#pragma once

#include "color/theme.h"
#include "color/widecolor.h"

#include <QString>

#include <array>
#include <optional>

namespace Tintara {

class IniFile;

// The sixteen slots as scheme files and the configuration store them.
// `wide` is a slot's colour where it lies beyond sRGB (`colors` then holds its sRGB fallback).
struct SchemeSlots {
    std::array<TColor, 16> colors{};
    std::array<int, 16> used{};
    std::array<QString, 16> infos;
    std::array<std::optional<Oklch>, 16> wide{};
    ThemeRoles roles; // the theme's colour roles, kept in a section of their own at the end
    bool operator==(const SchemeSlots&) const = default;
    // Slot n, 1..16, with its wide colour.
    WideColor slotColor(int n) const { return {colors[n - 1], wide[n - 1]}; }
};

// Missing or unparsable values read as colour 0, flag 0 and an empty text.
SchemeSlots readSchemeSlots(const IniFile& ini);
// Why the file at `path` cannot be read as a scheme: it cannot be opened, it is larger than the
// INI reader takes (reading only its start would be taken for the whole), or it has no [Palette]
// section and so is no scheme at all. None where it can be read, and where there is no file at
// all: a new name starts a new scheme. The window and the command line both decide by this.
std::optional<QString> schemeFileRefusal(const QString& path);
// Farbe n and FarbeGes n in [Palette], then Feld n in [Hints], for n = 1..16; a slot's wide colour
// as "OKLCH n=L C h" (decimal points, six decimals) in the added section [Erweiterungen] at the end,
// which readers of the specified keys pass over. A file without wide colours gets no such key, and
// a key of a slot that no longer has one is emptied. The theme's roles follow in [Farbrollen].
void writeSchemeSlots(IniFile& ini, const SchemeSlots& scheme);

// The predecessor's 48 colours ([CFarben] CFarbe1..48); 0, missing or unparsable is no colour.
std::array<std::optional<TColor>, 48> readOldScheme(const IniFile& ini);

// Colours are stored as the signed decimal of their 32-bit value.
inline int storedColor(TColor color) { return static_cast<int>(color); }

} // namespace Tintara
