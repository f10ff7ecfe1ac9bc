#pragma once

#include <QString>

namespace Tintara {

// Where the freedesktop desktop portal answers on the session bus.
inline const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");

} // namespace Tintara
