#include "exchange/colorwriting.h"

namespace Tintara {

namespace {

QString component(int channel)
{
    return QString::number(channel / 255.0, 'g', 4);
}

} // namespace

QString hex(TColor color)
{
    return QStringLiteral("#%1%2%3")
        .arg(redOf(color), 2, 16, QLatin1Char('0'))
        .arg(greenOf(color), 2, 16, QLatin1Char('0'))
        .arg(blueOf(color), 2, 16, QLatin1Char('0'));
}

QString jsonString(const QString& text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            quoted += u'\\' + QString(c);
        else if (c < u' ')
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + u'"';
}

QString colorToken(const QString& name, TColor color, const QString& description, int depth)
{
    const QString in = QString(2 * depth, u' ');
    QString token = QStringLiteral("%1%2: {\n%1  \"$type\": \"color\",\n%1  \"$value\": {\n"
                                   "%1    \"colorSpace\": \"srgb\",\n%1    \"components\": [%3, %4, %5],\n"
                                   "%1    \"hex\": \"%6\"\n%1  }")
                        .arg(in, jsonString(name), component(redOf(color)), component(greenOf(color)),
                             component(blueOf(color)), hex(color));
    if (!description.isEmpty())
        token += QStringLiteral(",\n%1  \"$description\": %2").arg(in, jsonString(description));
    return token + QStringLiteral("\n") + in + u'}';
}

QString tokenLines(const QStringList& tokens)
{
    return tokens.join(QStringLiteral(",\n")) + (tokens.isEmpty() ? "" : "\n");
}

} // namespace Tintara
