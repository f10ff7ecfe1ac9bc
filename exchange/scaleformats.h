#pragma once

#include "color/colorscale.h"
#include "color/dominantcolors.h"
#include "exchange/colorwriting.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace Tintara {

// The files a colour scale is handed on in. A step without a colour (an unreachable contrast
// target) is left out, except in the text listing, which shows it as "-". A Display P3 scale's step
// beyond sRGB keeps its fallback where a file has one value only (GIMP, the hex token), and
// otherwise gives its wide colour beside it: CSS variables again in an @supports block for
// color(display-p3), tokens in the Display P3 object form with the fallback as hex, Tailwind as
// oklch(), the text listing in a fifth column.
enum class ScaleFormat { CssVariables, DesignTokens, Tailwind, Gimp, Text };

// CSS variables on :root: "--primary-500: #2563eb;".
QByteArray scaleCssVariables(const QString& name, const std::vector<ScaleStep>& steps);
// Design tokens: a group named after the scale with one colour token per step.
QByteArray scaleDesignTokens(const QString& name, const std::vector<ScaleStep>& steps,
                             TokenValue value = TokenValue::Object);
// A Tailwind CSS v4 theme block: "--color-primary-500: oklch(…);" with each step's exact OKLCH.
QByteArray scaleTailwindTheme(const QString& name, const std::vector<ScaleStep>& steps);
// A GIMP palette named after the scale, one swatch per step.
QByteArray scaleGimpPalette(const QString& name, const std::vector<ScaleStep>& steps);
// One step a line: "500 #2563EB 5.17 4.06" (name, colour, WCAG ratio on white, on black); for
// APCA targets the signed Lc on white and on black instead: "60 #5D7FE6 60.4 -47.1".
QByteArray scaleText(const std::vector<ScaleStep>& steps);

// A picture's dominant colours, one a line: "#C81E28 40.0" (colour, share in percent).
QByteArray dominantColorsText(const std::vector<DominantColor>& colours);

QByteArray scaleFile(ScaleFormat format, const QString& name, const std::vector<ScaleStep>& steps,
                     TokenValue value = TokenValue::Object);

// The formats by the names the command line, the page's list and its file dialog use.
struct ScaleFormatRow {
    ScaleFormat format;
    const char* commandLineName;
    const char* listText;
    const char* extension;
};
inline constexpr ScaleFormatRow scaleFormats[] = {
    {ScaleFormat::CssVariables, "cssvars", QT_TRANSLATE_NOOP("ScaleFormats", "CSS-Variablen"), "css"},
    {ScaleFormat::DesignTokens, "tokens", "Design Tokens", "json"},
    {ScaleFormat::Tailwind, "tailwind", QT_TRANSLATE_NOOP("ScaleFormats", "Tailwind-Theme"), "css"},
    {ScaleFormat::Gimp, "gpl", QT_TRANSLATE_NOOP("ScaleFormats", "GIMP-Palette"), "gpl"},
    {ScaleFormat::Text, "txt", QT_TRANSLATE_NOOP("ScaleFormats", "Textliste"), "txt"},
};
std::optional<ScaleFormat> scaleFormatNamed(const QString& commandLineName);
// The name the page's list and file dialog show, in the interface's language.
QString scaleFormatName(const ScaleFormatRow& row);

// A step's name as the exports write it, and as the scheme's info text keeps it: "primary-500",
// "primary-4_5".
QString scaleStepName(const QString& scaleName, const ScaleStep& step);

// A scale's name as it may stand in a property or token name: letters, digits, "-" and "_";
// "primary" where nothing is left.
QString scaleIdentifier(const QString& name);

} // namespace Tintara
