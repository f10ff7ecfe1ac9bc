#include "rules/schemeformat.h"

#include "color/decimal.h"
#include "platform/inifile.h"
#include "rules/themeformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cmath>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct SchemeFormat {
    Q_DECLARE_TR_FUNCTIONS(SchemeFormat)
};

QString key(const char* word, int n)
{
    return QLatin1String(word) + QString::number(n);
}

} // namespace

std::optional<QString> schemeFileRefusal(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return std::nullopt;
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.isFile() || !QFile(path).open(QIODevice::ReadOnly))
        return SchemeFormat::tr("Das Farbschema \"%1\" kann nicht gelesen werden.").arg(shown);
    if (file.size() > IniFile::readLimit)
        return SchemeFormat::tr("\"%1\" ist größer als 1 MiB und damit kein Farbschema von Tintara Studio.")
            .arg(shown);
    // Every scheme the program writes has this section; a photo or a letter has not, and saving
    // over it would destroy it.
    if (!IniFile(path).sectionExists(QStringLiteral("Palette")))
        return SchemeFormat::tr("\"%1\" ist kein Farbschema von Tintara Studio.").arg(shown);
    return std::nullopt;
}

namespace {

// "0.62 0.25 264": a wide colour as the added section keeps it, rounded to six decimals, so that
// it reads back as written.
std::optional<Oklch> wideColor(const QString& text)
{
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 3)
        return std::nullopt;
    std::array<double, 3> values{};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = std::round(parts[i].toDouble(&ok) * 1e6) / 1e6; // QString::toDouble reads the C locale
        if (!ok || !std::isfinite(values[i]))
            return std::nullopt;
    }
    if (values[0] < 0 || values[0] > 1 || values[1] < 0 || values[1] > 0.5 || values[2] < 0 || values[2] >= 360)
        return std::nullopt;
    return Oklch{values[0], values[1], values[2]};
}

QString wideText(const Oklch& color)
{
    const auto number = [](double v) { return QString::fromStdString(decimalText(v, 6)); };
    return number(color.L) + u' ' + number(color.C) + u' ' + number(color.h);
}

} // namespace

SchemeSlots readSchemeSlots(const IniFile& ini)
{
    SchemeSlots scheme;
    for (int n = 1; n <= 16; ++n) {
        scheme.colors[n - 1] = static_cast<TColor>(ini.readInteger(QStringLiteral("Palette"), key("Farbe", n), 0));
        scheme.used[n - 1] = ini.readInteger(QStringLiteral("Palette"), key("FarbeGes", n), 0);
        scheme.infos[n - 1] = ini.readString(QStringLiteral("Hints"), key("Feld", n), QString());
        scheme.wide[n - 1] = wideColor(ini.readString(QStringLiteral("Erweiterungen"), key("OKLCH", n), QString()));
    }
    scheme.roles = readThemeRoles(ini);
    return scheme;
}

std::array<std::optional<TColor>, 48> readOldScheme(const IniFile& ini)
{
    std::array<std::optional<TColor>, 48> colors;
    for (int n = 1; n <= 48; ++n) {
        const int value = ini.readInteger(QStringLiteral("CFarben"), key("CFarbe", n), 0);
        if (value != 0)
            colors[n - 1] = static_cast<TColor>(value);
    }
    return colors;
}

void writeSchemeSlots(IniFile& ini, const SchemeSlots& scheme)
{
    for (int n = 1; n <= 16; ++n) {
        ini.writeInteger(QStringLiteral("Palette"), key("Farbe", n), storedColor(scheme.colors[n - 1]));
        ini.writeInteger(QStringLiteral("Palette"), key("FarbeGes", n), scheme.used[n - 1]);
        ini.writeString(QStringLiteral("Hints"), key("Feld", n), scheme.infos[n - 1]);
    }
    for (int n = 1; n <= 16; ++n) {
        const auto& wide = scheme.wide[n - 1];
        if (wide || ini.valueExists(QStringLiteral("Erweiterungen"), key("OKLCH", n)))
            ini.writeString(QStringLiteral("Erweiterungen"), key("OKLCH", n), wide ? wideText(*wide) : QString());
    }
    writeThemeRoles(ini, scheme.roles);
}

} // namespace Tintara
