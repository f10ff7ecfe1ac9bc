#include "cli/spokenlist.h"

#include <QCoreApplication>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

QString spokenList(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return CommandLine::tr("%1 oder %2").arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.last());
}

QString markedAsDefault(const QString& item)
{
    return CommandLine::tr("%1 (Standard)").arg(item);
}

} // namespace Tintara
