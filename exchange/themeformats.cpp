#include "exchange/themeformats.h"

#include "color/notation.h"

namespace Tintara {

namespace {

struct ThemeEntry {
    QString key;
    TColor light, dark;
};

std::vector<ThemeEntry> entriesOf(const SchemeSlots& scheme)
{
    const ThemeColors theme = schemeTheme(scheme);
    std::vector<ThemeEntry> entries;
    for (const RoleRow& row : roleTable) {
        if (const auto light = theme.lightOf(row.role))
            entries.push_back({QLatin1String(row.key), *light, *theme.darkOf(row.role)});
    }
    return entries;
}

// "  --key: value;" for each entry, indented by `indent` blanks.
template <typename Value>
QString declarations(const std::vector<ThemeEntry>& entries, const QString& prefix, int indent, Value value)
{
    QString text;
    for (const ThemeEntry& entry : entries)
        text += QString(indent, u' ') + QStringLiteral("--%1%2: %3;\n").arg(prefix, entry.key, value(entry));
    return text;
}

} // namespace

ThemeColors schemeTheme(const SchemeSlots& scheme)
{
    return themeColors(scheme.roles, scheme.colors, scheme.used);
}

QByteArray themeCss(const SchemeSlots& scheme)
{
    const std::vector<ThemeEntry> entries = entriesOf(scheme);
    const auto light = [](const ThemeEntry& e) { return hex(e.light); };
    const auto dark = [](const ThemeEntry& e) { return hex(e.dark); };
    const auto both = [](const ThemeEntry& e) { return QStringLiteral("light-dark(%1, %2)").arg(hex(e.light), hex(e.dark)); };
    const QString text = QStringLiteral(":root {\n  color-scheme: light dark;\n") + declarations(entries, {}, 2, light)
        + QStringLiteral("}\n@supports (color: light-dark(#000, #fff)) {\n  :root {\n") + declarations(entries, {}, 4, both)
        + QStringLiteral("  }\n}\n@media (prefers-color-scheme: dark) {\n  :root {\n") + declarations(entries, {}, 4, dark)
        + QStringLiteral("  }\n}\n.dark {\n  color-scheme: dark;\n") + declarations(entries, {}, 2, dark)
        + QStringLiteral("}\n");
    return text.toUtf8();
}

QByteArray themeTokens(const SchemeSlots& scheme, TokenValue value)
{
    const std::vector<ThemeEntry> entries = entriesOf(scheme);
    std::vector<NamedColor> named;
    for (const bool isDark : {false, true}) {
        for (const ThemeEntry& entry : entries)
            named.push_back({entry.key, isDark ? entry.dark : entry.light, {}, isDark ? QStringLiteral("dark") : QStringLiteral("light")});
    }
    return designTokenFile(named, value);
}

QByteArray themeTailwind(const SchemeSlots& scheme)
{
    const std::vector<ThemeEntry> entries = entriesOf(scheme);
    int extra = 0;
    for (const ThemeEntry& entry : entries)
        extra = std::max({extra, oklchExtraDecimals(entry.light), oklchExtraDecimals(entry.dark)});
    const auto oklch = [extra](TColor color) { return QString::fromStdString(oklchText(color, extra)); };
    const QString text = QStringLiteral("@theme {\n")
        + declarations(entries, QStringLiteral("color-"), 2, [&](const ThemeEntry& e) { return oklch(e.light); })
        + QStringLiteral("}\n@layer base {\n  :root {\n    @variant dark {\n")
        + declarations(entries, QStringLiteral("color-"), 6, [&](const ThemeEntry& e) { return oklch(e.dark); })
        + QStringLiteral("    }\n  }\n}\n");
    return text.toUtf8();
}

} // namespace Tintara
