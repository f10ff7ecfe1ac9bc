#include "rules/themeformat.h"

#include "color/colortext.h"
#include "color/notation.h"
#include "platform/inifile.h"

namespace Tintara {

namespace {

const QString section = QStringLiteral("Farbrollen");

QString darkKey(const RoleRow& row)
{
    return QLatin1String(row.key) + QStringLiteral(".dark");
}

QString hexText(TColor color)
{
    return QString::fromStdString(ColorNotation(ColorToRGB(color), NotationHtml));
}

} // namespace

std::optional<RoleColor> roleColorFromText(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool number = false;
    const int slot = trimmed.toInt(&number);
    if (number)
        return slot >= 1 && slot <= 16 ? std::optional(RoleColor{slot, 0}) : std::nullopt;
    if (const auto color = colorFromText(trimmed.toStdString()))
        return RoleColor{0, *color};
    return std::nullopt;
}

QString roleColorText(const RoleColor& color)
{
    return color.slot ? QString::number(color.slot) : hexText(color.color);
}

ThemeRoles readThemeRoles(const IniFile& ini)
{
    ThemeRoles roles;
    for (const RoleRow& row : roleTable) {
        const std::size_t n = roleIndex(row.role);
        roles.light[n] = roleColorFromText(ini.readString(section, QLatin1String(row.key), QString()));
        if (const auto dark = roleColorFromText(ini.readString(section, darkKey(row), QString())); dark && !dark->slot)
            roles.dark[n] = dark->color;
    }
    return roles;
}

void writeThemeRoles(IniFile& ini, const ThemeRoles& roles)
{
    ini.eraseSection(section);
    for (const RoleRow& row : roleTable) {
        const std::size_t n = roleIndex(row.role);
        if (roles.light[n])
            ini.writeString(section, QLatin1String(row.key), roleColorText(*roles.light[n]));
        if (roles.dark[n])
            ini.writeString(section, darkKey(row), hexText(*roles.dark[n]));
    }
}

} // namespace Tintara
