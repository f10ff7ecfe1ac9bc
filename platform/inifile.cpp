#include "platform/inifile.h"

#include "platform/atomicwrite.h"
#include "platform/profileinteger.h"
#include "platform/textcodec.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct IniFileSaving {
    Q_DECLARE_TR_FUNCTIONS(IniFileSaving)
};

QString folded(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

// A value must stay on its own line.
QString singleLine(QString value)
{
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

} // namespace

IniFile::Line IniFile::parse(QString text)
{
    Line line{std::move(text), Kind::Other, {}};
    const QString trimmed = line.text.trimmed();
    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.indexOf(u']');
        line.kind = Kind::Section;
        line.name = folded(trimmed.mid(1, close < 0 ? -1 : close - 1));
    } else if (const qsizetype equals = line.text.indexOf(u'='); equals >= 0) {
        line.kind = Kind::Key;
        line.name = folded(line.text.left(equals));
    }
    return line;
}

IniFile::IniFile(const QString& path)
    : m_path(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray head = file.read(readLimit);
    if (!file.atEnd()) {
        head.truncate(head.lastIndexOf('\n') + 1); // whole lines only
        m_unreadFrom = head.size();
        m_readDigest = QCryptographicHash::hash(head, QCryptographicHash::Sha256);
    }
    m_lines = fromText(decodeProfileText(head)).m_lines;
}

IniFile IniFile::fromText(const QString& text)
{
    IniFile ini;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QString line = text.mid(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        ini.m_lines.push_back(parse(std::move(line)));
        start = end + 1;
    }
    return ini;
}

const IniFile::Index& IniFile::index() const
{
    if (m_index)
        return *m_index;
    m_index.emplace();
    QString section;
    bool firstOccurrence = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Section) {
            section = line.name;
            firstOccurrence = !m_index->sections.contains(section);
            if (firstOccurrence)
                m_index->sections.insert(section, i);
        } else if (line.kind == Kind::Key && firstOccurrence) {
            // Keys before any section, or in a repeated section, are never found.
            const QString key = section + u'\n' + line.name;
            if (!m_index->keys.contains(key))
                m_index->keys.insert(key, i);
        }
    }
    return *m_index;
}

std::optional<std::size_t> IniFile::valueLine(const QString& section, const QString& key) const
{
    const auto found = index().keys.find(folded(section) + u'\n' + folded(key));
    return found == index().keys.end() ? std::nullopt : std::optional(*found);
}

std::optional<IniFile::Range> IniFile::findSection(const QString& name) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind != Kind::Section || m_lines[i].name != name)
            continue;
        std::size_t end = i + 1;
        while (end < m_lines.size() && m_lines[end].kind != Kind::Section)
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::findKey(const Range& range, const QString& name) const
{
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (m_lines[i].kind == Kind::Key && m_lines[i].name == name)
            return i;
    }
    return std::nullopt;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    const auto line = valueLine(section, key);
    if (!line)
        return fallback;
    const QString& text = m_lines[*line].text;
    const QStringView value = QStringView(text).mid(text.indexOf(u'=') + 1).trimmed();
    return value.left(maxValueLength).toString();
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
    return index().sections.contains(folded(section));
}

bool IniFile::valueExists(const QString& section, const QString& key) const
{
    return valueLine(section, key).has_value();
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    m_index.reset();
    const auto range = findSection(folded(section));
    if (!range) {
        m_lines.push_back(parse(u'[' + section + u']'));
        m_lines.push_back(parse(key + u'=' + singleLine(value)));
        return;
    }
    if (const auto line = findKey(*range, folded(key))) {
        const QString& old = m_lines[*line].text;
        m_lines[*line] = parse(old.left(old.indexOf(u'=')).trimmed() + u'=' + singleLine(value));
        return;
    }
    std::size_t insertAt = range->end;
    while (insertAt > range->header + 1 && m_lines[insertAt - 1].text.trimmed().isEmpty())
        --insertAt;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), parse(key + u'=' + singleLine(value)));
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
    m_index.reset();
    const QString name = folded(section);
    bool inside = false;
    std::erase_if(m_lines, [&](const Line& line) {
        if (line.kind == Kind::Section)
            inside = line.name == name;
        return inside;
    });
}

QByteArray IniFile::toBytes() const
{
    QByteArray bytes;
    for (const Line& line : m_lines) {
        bytes += line.text.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<QString> IniFile::save() const
{
    const QString refused = IniFileSaving::tr(
        "In %1 kann nicht geschrieben werden").arg(QDir::toNativeSeparators(m_path));
    QByteArray bytes = toBytes();
    if (m_unreadFrom >= 0) {
        // The rest belongs after the part that was read; a file changed since then would be
        // written as a mix of two versions.
        QFile original(m_path);
        if (!original.open(QIODevice::ReadOnly))
            return refused;
        const QByteArray head = original.read(m_unreadFrom);
        const QByteArray rest = original.readAll();
        if (head.size() != m_unreadFrom || rest.size() != original.size() - m_unreadFrom
            || QCryptographicHash::hash(head, QCryptographicHash::Sha256) != m_readDigest)
            return refused;
        bytes += rest;
    }
    QString reason;
    if (writeFileAtomically(m_path, bytes, &reason))
        return std::nullopt;
    // The reason, where the system gives one, after the program's own words.
    return reason.isEmpty() ? refused : refused + QStringLiteral(": ") + reason;
}

} // namespace Tintara
