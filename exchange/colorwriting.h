#pragma once

#include "color/widecolor.h"
#include "color/tcolor.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace Tintara {

// How the palette and scale files write a colour.

// "#rrggbb", lower case as style sheets and token files write it.
QString hex(TColor color);
// A JSON string literal with its quotes.
QString jsonString(const QString& text);
// How a token gives its colour: the object of the W3C design-token format (colour space,
// components and hex), or the hex text that older tools and Style Dictionary 4 read.
enum class TokenValue { Object, Hex };

// One colour token of the W3C design-token format, "name": {…}, its lines indented `depth` levels
// of two blanks; a description where there is one.
// A colour beyond sRGB (`wide`) gives the object form in Display P3, with `color` as its hex
// fallback; the hex text is always `color`.
QString colorToken(const QString& name, TColor color, const QString& description, int depth,
                   TokenValue value = TokenValue::Object, const std::optional<Oklch>& wide = std::nullopt);
// Tokens or groups of a block, comma-separated, each ending its line.
QString tokenLines(const QStringList& tokens);

// A named colour of a token file or theme, in a group where `group` is not empty; `wide` the
// colour itself where it may lie beyond sRGB, `color` then its sRGB fallback.
struct NamedColor {
    QString name;
    TColor color;
    QString description = {};
    QString group = {};
    std::optional<Oklch> wide = {};
};

// "primary-500" → "primary" and "500": a name whose last part is a step (digits, "4_5" for 4.5);
// none for any other name.
std::optional<std::pair<QString, QString>> groupAndStep(const QString& name);
// A token file of `colours`, the groups where they first appear. A group of the same name as a
// token outside any group is not made, as a token cannot hold tokens: its members stay flat,
// named "group-name".
QByteArray designTokenFile(const std::vector<NamedColor>& colours, TokenValue value);
// A Tailwind CSS v4 theme block: "--color-<group>-<name>: oklch(…);" with one precision for every
// line, the fewest decimals with which every colour reads back; a colour beyond sRGB as itself,
// as Tailwind v4's own palette is written.
QByteArray tailwindThemeFile(const std::vector<NamedColor>& colours);

} // namespace Tintara
