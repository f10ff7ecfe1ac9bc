#pragma once

#include <QIcon>
#include <QString>

namespace Tintara {

// The icon in the file `path`, read when it is first drawn rather than when it is made: reading an
// SVG icon parses it, and the tool bar's icons are made long before the window is first painted.
QIcon deferredIcon(const QString& path);

} // namespace Tintara
