#pragma once

#include <QByteArray>
#include <QString>

namespace Tintara {

// UTF-8 when the bytes are valid UTF-8 (a byte-order mark is dropped), Windows-1252 otherwise:
// files written by older versions of the program carry their umlauts in that code page.
QString decodeProfileText(const QByteArray& bytes);

// What a message quotes of a text it refuses: at most `length` characters on one line, cut with "…",
// so that a hostile megabyte of text never reaches a message box whole.
QString excerpt(const QString& text, int length = 40);

} // namespace Tintara
