#pragma once

#include "exchange/colorwriting.h"
#include "rules/schemeformat.h"

#include <QByteArray>

namespace Tintara {

// The theme's roles for the web, each role that has a colour in both modes, in the roles' order.
// CSS: the light colours on :root with `color-scheme: light dark`; `light-dark()` of both modes for
// browsers that read it (in @supports, since a custom property takes any text and an older
// browser would otherwise lose the colour); the dark colours under prefers-color-scheme: dark and
// under the class .dark.
QByteArray themeCss(const SchemeSlots& scheme);
// Design tokens with a group per mode, "light" and "dark", each holding every role.
QByteArray themeTokens(const SchemeSlots& scheme, TokenValue value = TokenValue::Object);
// A Tailwind CSS v4 theme of the light colours as --color-<role>, switched to the dark ones by
// Tailwind's own dark variant, so that bg-background follows the mode and dark:… works as usual.
QByteArray themeTailwind(const SchemeSlots& scheme);

// The colours of a scheme's theme.
ThemeColors schemeTheme(const SchemeSlots& scheme);

} // namespace Tintara
