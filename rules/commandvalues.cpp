#include "rules/commandvalues.h"

#include "color/notation.h"
#include "platform/language.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace Tintara {

namespace {

QString folded(const QString& name)
{
    return name.simplified().remove(u' ').toCaseFolded();
}

} // namespace

std::optional<std::vector<double>> contrastTargetList(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    std::vector<double> targets;
    for (const QString& part : text.split(separators, Qt::SkipEmptyParts)) {
        bool ok = false;
        const double value = part.toDouble(&ok);
        if (!ok || !std::isfinite(value) || value <= 0)
            return std::nullopt;
        targets.push_back(value);
    }
    if (targets.empty())
        return std::nullopt;
    return targets;
}

std::optional<int> colourCount(const QString& text)
{
    bool ok = false;
    const int count = text.toInt(&ok);
    if (!ok || count < 2 || count > 16)
        return std::nullopt;
    return count;
}

std::optional<int> notationNamed(const QString& name)
{
    const QString asked = folded(name);
    for (const NotationRow& row : notationTable) {
        const QString format = folded(QString::fromUtf8(row.formatName));
        // "css oklch()" also as a script would write it: "oklch".
        QString shortForm = format;
        if (shortForm.startsWith(QLatin1StringView("css")) && shortForm.endsWith(QLatin1StringView("()")))
            shortForm = shortForm.mid(3).chopped(2);
        for (const QString& known : {folded(QString::fromUtf8(row.menuText)),
                                     folded(QCoreApplication::translate("Notation", row.menuText)),
                                     folded(englishText("Notation", row.menuText)), format, shortForm}) {
            if (asked == known)
                return row.notation;
        }
    }
    return std::nullopt;
}

std::optional<bool> apcaMetric(const QString& text)
{
    if (text == QLatin1String("wcag"))
        return false;
    if (text == QLatin1String("apca"))
        return true;
    return std::nullopt;
}

namespace {

std::optional<double> numberFrom(const QString& text, double lowest, double highest)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok); // the C locale: a decimal point, as scripts write
    return ok && std::isfinite(value) && value >= lowest && value <= highest ? std::optional(value) : std::nullopt;
}

} // namespace

std::optional<double> contrastMinimum(const QString& text)
{
    const QString level = folded(text);
    if (level == QLatin1String("aa"))
        return 4.5;
    if (level == QLatin1String("aaa"))
        return 7.0;
    if (level == QLatin1String("aa-large"))
        return 3.0;
    return numberFrom(text, 1, 21);
}

std::optional<double> apcaMinimum(const QString& text)
{
    return numberFrom(text, 1, 108);
}

} // namespace Tintara
