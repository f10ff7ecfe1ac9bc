#include "platform/inifile.h"

#include "platform/atomicwrite.h"
#include "platform/profileinteger.h"
#include "platform/textcodec.h"

#include <QDir>
#include <QFile>

namespace Tintara {

namespace {

bool isSectionHeader(const QString& line)
{
    return line.trimmed().startsWith(u'[');
}

QString sectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    const qsizetype close = trimmed.indexOf(u']');
    return trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString keyOf(const QString& line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.left(equals).trimmed();
}

// A value must stay on its own line.
QString singleLine(QString value)
{
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

} // namespace

IniFile::IniFile(const QString& path)
    : m_path(path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        *this = fromText(decodeProfileText(file.readAll()));
    m_path = path;
}

IniFile IniFile::fromText(const QString& text)
{
    IniFile ini;
    if (text.isEmpty())
        return ini;
    const QStringList lines = text.split(u'\n');
    ini.m_lines.reserve(lines.size());
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        ini.m_lines.push_back(line);
    }
    // The text's final line end does not start another line.
    if (text.endsWith(u'\n'))
        ini.m_lines.pop_back();
    return ini;
}

std::optional<IniFile::Range> IniFile::findSection(const QString& section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (!isSectionHeader(m_lines[i]) || !sameName(sectionName(m_lines[i]), section))
            continue;
        std::size_t end = i + 1;
        while (end < m_lines.size() && !isSectionHeader(m_lines[end]))
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::findKey(const Range& range, const QString& key) const
{
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (m_lines[i].contains(u'=') && sameName(keyOf(m_lines[i]), key))
            return i;
    }
    return std::nullopt;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    const auto range = findSection(section);
    const auto line = range ? findKey(*range, key) : std::nullopt;
    if (!line)
        return fallback;
    const QString& text = m_lines[*line];
    return text.mid(text.indexOf(u'=') + 1).trimmed().left(maxValueLength);
}

int IniFile::readInteger(const QString& section, const QString& key, int fallback) const
{
    const QString text = readString(section, key, QString());
    const auto value = parseProfileInteger(text.toStdString());
    return value ? *value : fallback;
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

bool IniFile::sectionExists(const QString& section) const
{
    return findSection(section).has_value();
}

bool IniFile::valueExists(const QString& section, const QString& key) const
{
    const auto range = findSection(section);
    return range && findKey(*range, key);
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const auto range = findSection(section);
    if (!range) {
        m_lines.push_back(u'[' + section + u']');
        m_lines.push_back(key + u'=' + singleLine(value));
        return;
    }
    if (const auto line = findKey(*range, key)) {
        m_lines[*line] = keyOf(m_lines[*line]) + u'=' + singleLine(value);
        return;
    }
    std::size_t insertAt = range->end;
    while (insertAt > range->header + 1 && m_lines[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), key + u'=' + singleLine(value));
}

void IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::eraseSection(const QString& section)
{
    while (const auto range = findSection(section)) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(range->header),
                      m_lines.begin() + static_cast<std::ptrdiff_t>(range->end));
    }
}

QByteArray IniFile::toBytes() const
{
    QByteArray bytes;
    for (const QString& line : m_lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<QString> IniFile::save() const
{
    if (writeFileAtomically(m_path, toBytes()))
        return std::nullopt;
    return QStringLiteral("In %1 kann nicht geschrieben werden").arg(QDir::toNativeSeparators(m_path));
}

} // namespace Tintara
