#pragma once

#include <QByteArray>
#include <QString>

namespace Tintara {

// Reads a pipe, a FIFO or a device to its end, at most `limit` bytes. A FIFO that no program
// writes into within `waitMilliseconds` is refused instead of waited on for ever; so is a stream
// longer than `limit`. On failure `error` holds the reason for the user and the result is empty.
QByteArray readStream(const QString& path, qint64 limit, QString* error, int waitMilliseconds = 3000);

} // namespace Tintara
