#pragma once

#include <QString>
#include <QStringList>

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
    // result is the message for the user.
    std::optional<QString> save() const;

private:
    struct Range {
        std::size_t header;
        std::size_t end; // one past the section's last line
    };

    std::optional<Range> findSection(const QString& section) const;
    std::optional<std::size_t> findKey(const Range& range, const QString& key) const;

    QString m_path;
    std::vector<QString> m_lines;
};

} // namespace Tintara
