#include "exchange/colorwriting.h"

#include "color/notation.h"

#include <QSet>

#include <algorithm>
#include <cmath>

namespace Tintara {

namespace {

QString component(int channel)
{
    return QString::number(channel / 255.0, 'g', 4);
}

QString flatName(const NamedColor& c)
{
    return c.group.isEmpty() ? c.name : c.group + u'-' + c.name;
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

QString colorToken(const QString& name, TColor color, const QString& description, int depth, TokenValue value,
                   const std::optional<Oklch>& wide)
{
    const QString in = QString(2 * depth, u' ');
    const auto p3 = beyondSrgb(wide);
    const std::array<double, 3> p3Components = p3 ? rgbFromXyzD65(RgbSpace::DisplayP3, *p3) : std::array<double, 3>{};
    const auto p3Component = [](double v) { return QString::number(std::round(std::clamp(v, 0.0, 1.0) * 1e4) / 1e4, 'g', 6); };
    QString token = value == TokenValue::Hex
        ? QStringLiteral("%1%2: {\n%1  \"$type\": \"color\",\n%1  \"$value\": \"%3\"").arg(in, jsonString(name), hex(color))
        : QStringLiteral("%1%2: {\n%1  \"$type\": \"color\",\n%1  \"$value\": {\n"
                         "%1    \"colorSpace\": \"%7\",\n%1    \"components\": [%3, %4, %5],\n"
                         "%1    \"hex\": \"%6\"\n%1  }")
              .arg(in, jsonString(name),
                   p3 ? p3Component(p3Components[0]) : component(redOf(color)),
                   p3 ? p3Component(p3Components[1]) : component(greenOf(color)),
                   p3 ? p3Component(p3Components[2]) : component(blueOf(color)), hex(color),
                   p3 ? QStringLiteral("display-p3") : QStringLiteral("srgb"));
    if (!description.isEmpty())
        token += QStringLiteral(",\n%1  \"$description\": %2").arg(in, jsonString(description));
    return token + QStringLiteral("\n") + in + u'}';
}

QString tokenLines(const QStringList& tokens)
{
    return tokens.join(QStringLiteral(",\n")) + (tokens.isEmpty() ? "" : "\n");
}

std::optional<std::pair<QString, QString>> groupAndStep(const QString& name)
{
    const qsizetype dash = name.lastIndexOf(u'-');
    if (dash <= 0 || dash == name.size() - 1 || !name.at(dash + 1).isDigit())
        return std::nullopt;
    const QString step = name.mid(dash + 1);
    if (!std::all_of(step.begin(), step.end(), [](QChar c) { return c.isDigit() || c == u'_'; }))
        return std::nullopt;
    return std::pair(name.left(dash), step);
}

QByteArray designTokenFile(const std::vector<NamedColor>& colours, TokenValue value)
{
    QSet<QString> ungrouped;
    for (const NamedColor& c : colours) {
        if (c.group.isEmpty())
            ungrouped.insert(c.name);
    }
    // Each entry is a flat token or a group with its members, in the order they first appear.
    std::vector<std::pair<QString, QStringList>> entries;
    for (const NamedColor& c : colours) {
        if (c.group.isEmpty() || ungrouped.contains(c.group)) {
            entries.push_back({{}, {colorToken(flatName(c), c.color, c.description, 1, value, c.wide)}});
            continue;
        }
        auto group = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == c.group; });
        if (group == entries.end())
            group = entries.insert(entries.end(), {c.group, {}});
        group->second << colorToken(c.name, c.color, c.description, 2, value, c.wide);
    }
    QStringList blocks;
    for (const auto& [group, tokens] : entries) {
        blocks << (group.isEmpty() ? tokens.constFirst()
                                   : QStringLiteral("  %1: {\n").arg(jsonString(group)) + tokenLines(tokens) + QStringLiteral("  }"));
    }
    return (QStringLiteral("{\n") + tokenLines(blocks) + QStringLiteral("}\n")).toUtf8();
}

QByteArray tailwindThemeFile(const std::vector<NamedColor>& colours)
{
    int extra = 0;
    for (const NamedColor& c : colours)
        extra = std::max(extra, oklchExtraDecimals(c.color));
    QString text = QStringLiteral("@theme {\n");
    for (const NamedColor& c : colours) {
        const auto wide = beyondSrgb(c.wide);
        const std::string value = wide ? wideColorNotation(c.color, *wide, NotationCssOklch) : oklchText(c.color, extra);
        text += QStringLiteral("  --color-%1: %2;\n").arg(flatName(c), QString::fromStdString(value));
    }
    return (text + QStringLiteral("}\n")).toUtf8();
}

} // namespace Tintara
