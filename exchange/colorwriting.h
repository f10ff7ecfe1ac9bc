#pragma once

#include "color/tcolor.h"

#include <QString>
#include <QStringList>

namespace Tintara {

// How the palette and scale files write a colour.

// "#rrggbb", lower case as style sheets and token files write it.
QString hex(TColor color);
// A JSON string literal with its quotes.
QString jsonString(const QString& text);
// One colour token of the W3C design-token format, "name": {…}, its lines indented `depth` levels
// of two blanks; a description where there is one.
QString colorToken(const QString& name, TColor color, const QString& description, int depth);
// Tokens or groups of a block, comma-separated, each ending its line.
QString tokenLines(const QStringList& tokens);

} // namespace Tintara
