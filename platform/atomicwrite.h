#pragma once

#include <QByteArray>
#include <QString>

namespace Tintara {

// Replaces the file at `path` with `bytes` in one step, or leaves it exactly as it was.
// QSaveFile alone reports success after a short write (a full disk), so the count is checked.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

} // namespace Tintara
