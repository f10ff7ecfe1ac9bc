#pragma once

#include <QByteArray>
#include <QString>

namespace Tintara {

// Replaces the regular file at `path` with `bytes` in one step, or leaves it exactly as it was.
// QSaveFile alone reports success after a short write (a full disk), so the count is checked.
// A device, a FIFO or a terminal (`-o /dev/stdout`) is written into directly: replacing it would
// put a plain file in place of the device node, and its reader would get nothing.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

} // namespace Tintara
