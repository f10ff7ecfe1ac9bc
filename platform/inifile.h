#pragma once

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace Tintara {

// A profile-string INI file held in memory. Sections and keys match without regard to case and
// the first occurrence wins; a rewritten key keeps its line, a new key goes to the end of its
// section and a new section to the end of the file. Everything else stays as it was, so files
// keep their classic layout byte for byte.
class IniFile
{
public:
    static constexpr int maxValueLength = 2047;
    // Scheme and configuration files are a few kilobytes; of anything larger only the lines within
    // the first mebibyte are read, so a hostile file cannot stall the program. Saving keeps the rest.
    static constexpr qint64 readLimit = 1 << 20;

    IniFile() = default;
    // Reads `path`; a missing or unreadable file gives an empty one that saves to `path`.
    explicit IniFile(const QString& path);

    static IniFile fromText(const QString& text);

    QString path() const { return m_path; }

    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    int readInteger(const QString& section, const QString& key, int fallback) const;
    bool readBool(const QString& section, const QString& key, bool fallback) const;
    bool sectionExists(const QString& section) const;
    bool valueExists(const QString& section, const QString& key) const;

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    // Removes every occurrence of the section, header and keys.
    void eraseSection(const QString& section);

    // The file as written: every line ends with CR LF.
    QByteArray toBytes() const;
    // Replaces the file at path() in one step. On failure the old file stays untouched and the
    // result is the message for the user. The unread rest of a large file is written back only
    // while the part before it is still what was read; otherwise the save is refused.
    std::optional<QString> save() const;

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        QString text;
        Kind kind = Kind::Other;
        QString name; // section or key name, case-folded
    };
    struct Range {
        std::size_t header;
        std::size_t end; // one past the section's last line
    };
    // Where the first occurrence of each section and key stands; built on the first read.
    struct Index {
        QHash<QString, std::size_t> sections;
        QHash<QString, std::size_t> keys; // "section\nkey"
    };

    static Line parse(QString text);
    std::optional<Range> findSection(const QString& folded) const;
    std::optional<std::size_t> findKey(const Range& range, const QString& folded) const;
    const Index& index() const;
    std::optional<std::size_t> valueLine(const QString& section, const QString& key) const;

    QString m_path;
    std::vector<Line> m_lines;
    qint64 m_unreadFrom = -1; // where the unread rest of a large file begins
    QByteArray m_readDigest;  // of the part read, to tell whether the rest still belongs to it
    mutable std::optional<Index> m_index;
};

} // namespace Tintara
