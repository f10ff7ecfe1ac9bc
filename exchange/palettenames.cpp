#include "exchange/palettenames.h"

#include <QSet>

namespace Tintara {

QString readableIdentifier(const QString& info)
{
    QString name;
    bool gap = false;
    const auto append = [&](const QString& part) {
        if (gap && !name.isEmpty())
            name += u'-';
        gap = false;
        name += part;
    };
    for (const QChar c : info.toLower()) {
        if (c == u'ä')
            append(QStringLiteral("ae"));
        else if (c == u'ö')
            append(QStringLiteral("oe"));
        else if (c == u'ü')
            append(QStringLiteral("ue"));
        else if (c == u'ß')
            append(QStringLiteral("ss"));
        else if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            append(QString(c));
        else
            gap = true;
    }
    return name;
}

QStringList uniqueReadableNames(std::span<const QString> infos, std::span<const int> slotNumbers, NameStart start)
{
    QStringList names;
    QSet<QString> taken;
    for (std::size_t i = 0; i < infos.size() && i < slotNumbers.size(); ++i) {
        QString base = readableIdentifier(infos[i]);
        if (base.isEmpty())
            base = QStringLiteral("farbe-%1").arg(slotNumbers[i]);
        else if (start == NameStart::Letter && base.front().isDigit())
            base.prepend(QStringLiteral("farbe-"));
        QString name = base;
        for (int n = 2; taken.contains(name); ++n)
            name = QStringLiteral("%1-%2").arg(base).arg(n);
        taken.insert(name);
        names << name;
    }
    return names;
}

} // namespace Tintara
