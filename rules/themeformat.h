#pragma once

#include "color/theme.h"

#include <QString>

#include <optional>

namespace Tintara {

class IniFile;

// A role's light colour as a file or the command line gives it: a slot number 1..16, which the
// role follows, or any colour text the program reads. None for anything else.
std::optional<RoleColor> roleColorFromText(const QString& text);
QString roleColorText(const RoleColor& color);

// The roles of a scheme in the added section [Farbrollen] at the end of the file: "key=value" for a
// light colour (a slot number or "#RRGGBB"), "key.dark=#RRGGBB" for a dark colour given on purpose.
// A scheme without roles has no such section; unreadable lines are passed over.
ThemeRoles readThemeRoles(const IniFile& ini);
void writeThemeRoles(IniFile& ini, const ThemeRoles& roles);

} // namespace Tintara
