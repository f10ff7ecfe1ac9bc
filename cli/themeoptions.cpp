#include "cli/themeoptions.h"

#include "cli/spokenlist.h"
#include "color/decimal.h"
#include "color/wcag.h"
#include "exchange/themeformats.h"
#include "rules/themeformat.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString roleOption = QStringLiteral("role");
const QString checkOption = QStringLiteral("check");

QStringList roleKeys()
{
    QStringList keys;
    for (const RoleRow& row : roleTable)
        keys << QLatin1String(row.key);
    return keys;
}

QString number(double value, int decimals)
{
    return QString::fromStdString(decimalText(value, decimals));
}

// "light  text on background  12.63:1 (4.5)  Lc 102.0 (60)  passes"
QString reportLine(const char* mode, const PairCheck& check, const PairVerdict& verdict)
{
    const QString pair = QStringLiteral("%1 on %2")
                             .arg(QLatin1String(roleTable[roleIndex(check.pair.foreground)].key),
                                  QLatin1String(roleTable[roleIndex(check.pair.background)].key));
    return QStringLiteral("%1  %2  %3:1 (%4)  Lc %5 (%6)  %7\n")
        .arg(QLatin1String(mode), -5)
        .arg(pair, -28)
        .arg(number(cutContrastRatio(verdict.ratio), 2), 5)
        .arg(number(minimumRatio(check.pair.use), 1))
        .arg(number(verdict.lc, 1), 5)
        .arg(number(minimumLc(check.pair.use), 0))
        .arg(verdict.passes() ? QStringLiteral("passes") : QStringLiteral("FAILS"));
}

} // namespace

void addThemeOptions(QCommandLineParser& parser)
{
    parser.addOption({roleOption,
                      CommandLine::tr("Mit --export theme-css, theme-tokens und theme-tailwind: eine Farbrolle, "
                                      "ROLLE=WERT mit einer Platznummer 1 bis 16 oder einer Farbe; Rollen: %1.")
                          .arg(spokenList(roleKeys())),
                      CommandLine::tr("rolle=wert")});
    parser.addOption({checkOption,
                      CommandLine::tr("Mit den Farbrollen-Exporten: prüft jedes Farbpaar in Hell und Dunkel und "
                                      "endet mit 1, wenn eines seinen Kontrast nicht erreicht; die Datei nur mit -o.")});
}

bool themeOptionsGiven(const QCommandLineParser& parser)
{
    return parser.isSet(roleOption) || parser.isSet(checkOption);
}

std::optional<QString> applyRoleOptions(const QCommandLineParser& parser, SchemeSlots& scheme)
{
    for (const QString& given : parser.values(roleOption)) {
        const qsizetype equals = given.indexOf(u'=');
        const auto role = equals > 0 ? roleNamed(given.left(equals).trimmed().toStdString()) : std::nullopt;
        if (!role)
            return CommandLine::tr("--role %1: eine Rolle ist eine von %2, gefolgt von = und einem Wert.")
                .arg(given, spokenList(roleKeys()));
        const auto color = roleColorFromText(given.mid(equals + 1));
        if (!color)
            return CommandLine::tr("--role %1: „%2“ ist weder ein Platz 1 bis 16 noch eine Farbe.")
                .arg(given, given.mid(equals + 1));
        scheme.roles.light[roleIndex(*role)] = *color;
    }
    return std::nullopt;
}

ThemeReport themeReport(const SchemeSlots& scheme)
{
    ThemeReport report;
    QString text;
    const std::vector<PairCheck> checks = checkTheme(schemeTheme(scheme));
    for (const PairCheck& check : checks) {
        text += reportLine("light", check, check.light);
        text += reportLine("dark", check, check.dark);
        report.passes = report.passes && check.light.passes() && check.dark.passes();
    }
    report.text = text.toUtf8();
    return report;
}

} // namespace Tintara
