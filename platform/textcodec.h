#pragma once

#include <QByteArray>
#include <QString>

namespace Tintara {

// UTF-8 when the bytes are valid UTF-8 (a byte-order mark is dropped), Windows-1252 otherwise:
// files written by older versions of the program carry their umlauts in that code page.
QString decodeProfileText(const QByteArray& bytes);

} // namespace Tintara
