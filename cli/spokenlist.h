#pragma once

#include <QStringList>

namespace Tintara {

// "a, b oder c" in the language of the run, for the lists of names --help and the messages give.
QString spokenList(const QStringList& items);
// `item` marked as what an option takes when it is not given: "txt (Standard)".
QString markedAsDefault(const QString& item);

} // namespace Tintara
