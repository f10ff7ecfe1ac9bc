#include "exchange/paletteformats.h"

#include "platform/textcodec.h"

#include "color/notation.h"
#include "exchange/colorwriting.h"
#include "exchange/palettenames.h"
#include "exchange/themeformats.h"
#include "rules/exportrules.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QIODevice>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct PaletteFormats {
    Q_DECLARE_TR_FUNCTIONS(PaletteFormats)
};

struct UsedSlot {
    int slot;
    TColor color;
    QString info;
    std::optional<Oklch> wide;
};

std::vector<UsedSlot> usedSlots(const SchemeSlots& scheme)
{
    std::vector<UsedSlot> used;
    for (int n = 0; n < 16; ++n) {
        if (scheme.used[n] == 1)
            used.push_back({n + 1, ColorToRGB(scheme.colors[n]), scheme.infos[n], scheme.wide[n]});
    }
    return used;
}

QStringList readableNames(const std::vector<UsedSlot>& used, NameStart start)
{
    std::vector<QString> infos;
    std::vector<int> slotNumbers;
    for (const UsedSlot& u : used) {
        infos.push_back(u.info);
        slotNumbers.push_back(u.slot);
    }
    return uniqueReadableNames(infos, slotNumbers, start);
}

// Palette programs show names as they are, in any script: the info text, "Farbe n" without one.
// A tab or line break would end the name early in a GIMP palette.
QString swatchName(const UsedSlot& slot)
{
    if (slot.info.trimmed().isEmpty())
        return QStringLiteral("Farbe %1").arg(slot.slot);
    QString name = slot.info;
    for (QChar& c : name) {
        if (c < u' ')
            c = u' ';
    }
    return name;
}

PaletteRead failed(const QString& error)
{
    return {{}, error};
}

} // namespace

QByteArray gimpPalette(const SchemeSlots& scheme, const QString& title)
{
    QString text = QStringLiteral("GIMP Palette\nName: %1\nColumns: 16\n#\n").arg(title);
    for (const UsedSlot& u : usedSlots(scheme)) {
        text += QStringLiteral("%1 %2 %3\t%4\n")
                    .arg(redOf(u.color), 3)
                    .arg(greenOf(u.color), 3)
                    .arg(blueOf(u.color), 3)
                    .arg(swatchName(u));
    }
    return text.toUtf8();
}

QByteArray adobeSwatchExchange(const SchemeSlots& scheme)
{
    const std::vector<UsedSlot> used = usedSlots(scheme);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::BigEndian);
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    out.writeRawData("ASEF", 4);
    out << quint16(1) << quint16(0) << quint32(used.size());
    for (const UsedSlot& u : used) {
        const QString name = swatchName(u);
        const quint16 length = static_cast<quint16>(name.size() + 1); // with the terminating zero
        out << quint16(0x0001) << quint32(2 + 2 * length + 4 + 12 + 2) << length;
        for (const QChar c : name)
            out << quint16(c.unicode());
        out << quint16(0);
        out.writeRawData("RGB ", 4);
        out << float(redOf(u.color) / 255.0f) << float(greenOf(u.color) / 255.0f) << float(blueOf(u.color) / 255.0f);
        out << quint16(0); // global colour
    }
    return bytes;
}

QByteArray cssVariables(const SchemeSlots& scheme)
{
    const std::vector<UsedSlot> used = usedSlots(scheme);
    const QStringList names = readableNames(used, NameStart::Any);
    QString text = QStringLiteral(":root {\n");
    QString wide;
    for (std::size_t i = 0; i < used.size(); ++i) {
        text += QStringLiteral("  --%1: %2;\n").arg(names[static_cast<int>(i)], hex(used[i].color));
        if (const auto p3 = beyondSrgb(used[i].wide))
            wide += QStringLiteral("    --%1: %2;\n").arg(names[static_cast<int>(i)], QString::fromStdString(displayP3Text(*p3)));
    }
    text += QStringLiteral("}\n");
    // The wide colours again for browsers that read color(); the sRGB values stay for the rest.
    if (!wide.isEmpty())
        text += QStringLiteral("@supports (color: color(display-p3 0 0 0)) {\n  :root {\n") + wide + QStringLiteral("  }\n}\n");
    return text.toUtf8();
}

QByteArray designTokens(const SchemeSlots& scheme, TokenValue value)
{
    const std::vector<UsedSlot> used = usedSlots(scheme);
    // Style Dictionary makes JavaScript identifiers of token names, which cannot start with a digit.
    const QStringList names = readableNames(used, NameStart::Letter);
    std::vector<NamedColor> named;
    for (std::size_t i = 0; i < used.size(); ++i) {
        const QString& name = names[static_cast<int>(i)];
        // Only a name the user gave is grouped; "farbe-3" stands for a slot without one.
        const auto grouped = used[i].info.trimmed().isEmpty() ? std::nullopt : groupAndStep(name);
        named.push_back(grouped ? NamedColor{grouped->second, used[i].color, used[i].info, grouped->first, used[i].wide}
                                : NamedColor{name, used[i].color, used[i].info, {}, used[i].wide});
    }
    return designTokenFile(named, value);
}

QByteArray tailwindTheme(const SchemeSlots& scheme)
{
    const std::vector<UsedSlot> used = usedSlots(scheme);
    const QStringList names = readableNames(used, NameStart::Any);
    std::vector<NamedColor> named;
    for (std::size_t i = 0; i < used.size(); ++i)
        named.push_back({names[static_cast<int>(i)], used[i].color, {}, {}, used[i].wide});
    return tailwindThemeFile(named);
}

QByteArray paletteFile(PaletteFormat format, const SchemeSlots& scheme, const QString& title, TokenValue value)
{
    switch (format) {
    case PaletteFormat::Gimp: return gimpPalette(scheme, title);
    case PaletteFormat::AdobeSwatch: return adobeSwatchExchange(scheme);
    case PaletteFormat::CssVariables: return cssVariables(scheme);
    case PaletteFormat::DesignTokens: return designTokens(scheme, value);
    case PaletteFormat::Tailwind: return tailwindTheme(scheme);
    case PaletteFormat::ThemeCss: return themeCss(scheme);
    case PaletteFormat::ThemeTokens: return themeTokens(scheme, value);
    case PaletteFormat::ThemeTailwind: return themeTailwind(scheme);
    }
    return {}; // not reached: the switch names every format
}

QString palettePreview(PaletteFormat format, const SchemeSlots& scheme, const QString& title, TokenValue value)
{
    if (format != PaletteFormat::AdobeSwatch)
        return QString::fromUtf8(paletteFile(format, scheme, title, value));
    const PaletteRead read = readAdobeSwatchExchange(adobeSwatchExchange(scheme));
    QString summary = QStringLiteral("Adobe Swatch Exchange 1.0, %1 Farben (RGB, global):\n").arg(read.entries.size());
    for (const PaletteEntry& entry : read.entries)
        summary += QStringLiteral("%1  %2\n").arg(hex(entry.color).toUpper(), entry.name);
    return summary;
}

PaletteRead readGimpPalette(const QByteArray& bytes)
{
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    if (lines.isEmpty() || lines.first().trimmed() != QLatin1String("GIMP Palette"))
        return failed(PaletteFormats::tr("Die Datei ist keine GIMP-Palette."));
    PaletteRead read;
    for (const QString& raw : lines.mid(1)) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(QLatin1String("Name:"))
            || line.startsWith(QLatin1String("Columns:")))
            continue;
        const QStringList parts = line.simplified().split(u' ');
        bool ok[3] = {false, false, false};
        const int r = parts.value(0).toInt(&ok[0]);
        const int g = parts.value(1).toInt(&ok[1]);
        const int b = parts.value(2).toInt(&ok[2]);
        if (!ok[0] || !ok[1] || !ok[2] || r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255)
            return failed(PaletteFormats::tr(
                "Die GIMP-Palette enthält eine Zeile, die keine Farbe ist: „%1“").arg(excerpt(line)));
        read.entries.push_back({RGB(r, g, b), parts.mid(3).join(u' ')});
    }
    return read;
}

PaletteRead readAdobeSwatchExchange(const QByteArray& bytes)
{
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::BigEndian);
    in.setFloatingPointPrecision(QDataStream::SinglePrecision);
    char magic[4] = {};
    quint16 major = 0, minor = 0;
    quint32 blocks = 0;
    if (in.readRawData(magic, 4) != 4 || QByteArray(magic, 4) != "ASEF")
        return failed(PaletteFormats::tr("Die Datei ist keine Adobe-Swatch-Exchange-Datei."));
    in >> major >> minor >> blocks;
    if (in.status() != QDataStream::Ok)
        return failed(PaletteFormats::tr("Die Adobe-Swatch-Exchange-Datei ist unvollständig."));
    const PaletteRead truncated = failed(PaletteFormats::tr("Die Adobe-Swatch-Exchange-Datei ist unvollständig."));
    PaletteRead read;
    for (quint32 b = 0; b < blocks; ++b) {
        quint16 type = 0;
        quint32 length = 0;
        in >> type >> length;
        if (in.status() != QDataStream::Ok || length > static_cast<quint32>(bytes.size()))
            return truncated;
        QByteArray block(static_cast<qsizetype>(length), '\0');
        if (in.readRawData(block.data(), static_cast<int>(length)) != static_cast<int>(length))
            return truncated;
        if (type != 0x0001)
            continue; // groups carry no colour
        QDataStream entry(block);
        entry.setByteOrder(QDataStream::BigEndian);
        entry.setFloatingPointPrecision(QDataStream::SinglePrecision);
        quint16 nameLength = 0;
        entry >> nameLength;
        QString name;
        for (quint16 i = 0; i < nameLength; ++i) {
            quint16 unit = 0;
            entry >> unit;
            if (unit != 0)
                name += QChar(unit);
        }
        char model[4] = {};
        entry.readRawData(model, 4);
        const QByteArray kind(model, 4);
        float v[3] = {0, 0, 0};
        if (kind == "RGB ") {
            entry >> v[0] >> v[1] >> v[2];
        } else if (kind == "Gray") {
            entry >> v[0];
            v[1] = v[2] = v[0];
        } else {
            continue; // CMYK and Lab colours are left out
        }
        if (entry.status() != QDataStream::Ok)
            return truncated;
        const auto channel = [](float f) { return static_cast<int>(std::lround(std::clamp(f, 0.0f, 1.0f) * 255)); };
        read.entries.push_back({RGB(channel(v[0]), channel(v[1]), channel(v[2])), name});
    }
    return read;
}

namespace {

std::optional<TColor> hexColour(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^#([0-9A-Fa-f]{6}|[0-9A-Fa-f]{3})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    QString digits = match.captured(1);
    if (digits.size() == 3)
        digits = QString(digits[0]) + digits[0] + digits[1] + digits[1] + digits[2] + digits[2];
    const uint rgb = digits.toUInt(nullptr, 16);
    return RGB(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
}

std::optional<TColor> tokenColour(const QJsonValue& value)
{
    if (value.isString())
        return hexColour(value.toString());
    const QJsonObject object = value.toObject();
    if (object.contains(QLatin1String("hex")))
        return hexColour(object.value(QLatin1String("hex")).toString());
    const QJsonArray components = object.value(QLatin1String("components")).toArray();
    if (components.size() != 3)
        return std::nullopt;
    const auto channel = [&](int i) { return static_cast<int>(std::lround(std::clamp(components[i].toDouble(), 0.0, 1.0) * 255)); };
    return RGB(channel(0), channel(1), channel(2));
}

void collectTokens(const QJsonObject& group, const QString& path, std::vector<PaletteEntry>& entries)
{
    for (auto it = group.begin(); it != group.end(); ++it) {
        if (it.key().startsWith(u'$') || !it.value().isObject())
            continue;
        const QJsonObject node = it.value().toObject();
        const QString name = path.isEmpty() ? it.key() : path + u'.' + it.key();
        if (node.value(QLatin1String("$type")).toString() == QLatin1String("color")) {
            if (const auto colour = tokenColour(node.value(QLatin1String("$value"))))
                entries.push_back({*colour, name});
        } else {
            collectTokens(node, name, entries);
        }
    }
}

} // namespace

PaletteRead readDesignTokens(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return failed(PaletteFormats::tr("Die Datei ist keine gültige JSON-Datei."));
    PaletteRead read;
    collectTokens(document.object(), {}, read.entries);
    if (read.entries.empty())
        return failed(PaletteFormats::tr("Die Datei enthält keine Design Tokens mit Farben."));
    return read;
}

PaletteRead readColourCodes(const QByteArray& bytes)
{
    static const QRegularExpression pattern(QStringLiteral("#(?:[0-9A-Fa-f]{6}|[0-9A-Fa-f]{3})(?![0-9A-Za-z])"));
    PaletteRead read;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(QString::fromUtf8(bytes)))
        read.entries.push_back({*hexColour(match.captured()), match.captured().toUpper()});
    if (read.entries.empty())
        return failed(PaletteFormats::tr("Die Datei enthält keine Farbcodes wie #RRGGBB."));
    return read;
}

PaletteRead readPaletteFile(const QString& path, const QByteArray& bytes)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("gpl"))
        return readGimpPalette(bytes);
    if (suffix == QLatin1String("ase"))
        return readAdobeSwatchExchange(bytes);
    if (suffix == QLatin1String("json"))
        return readDesignTokens(bytes);
    return readColourCodes(bytes);
}

PaletteRead readPaletteFromDisk(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return failed(PaletteFormats::tr("Die Datei kann nicht gelesen werden: %1").arg(file.errorString()));
    // One byte past the limit is read: a file that grows while it is read has no size to trust.
    const QByteArray bytes = file.read(largestPaletteFile + 1);
    if (bytes.size() > largestPaletteFile)
        return failed(PaletteFormats::tr("Die Datei ist größer als 1 MiB und damit keine Palette."));
    return readPaletteFile(path, bytes);
}

} // namespace Tintara
