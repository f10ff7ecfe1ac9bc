#pragma once

#include <QList>
#include <QRect>
#include <QString>

namespace Tintara {

// What a command does to the module background.
enum class BackgroundUse {
    Leaves,   // a command that changes no page
    Standard, // a page on the standard colour, and the help and tray commands
    User,     // a page that shows the user's background colour where one is chosen
};

// Where a command leaves the module background.
enum class BackgroundRule { Unchanged, Custom, Standard };

// `customFlag` is the custom background flag (1 while the user's colour is in force).
BackgroundRule backgroundRule(BackgroundUse use, int customFlag);

// Whether a window whose frame starts at `topLeft` and is `width` wide keeps part of its title bar
// on one of `screens`, so that the user can still reach and move it.
bool titleBarReachable(QPoint topLeft, int width, const QList<QRect>& screens);

// A menu entry's text with its function key F`key` after it: "RGB (F2)".
QString withFunctionKey(const QString& text, int key);

} // namespace Tintara
