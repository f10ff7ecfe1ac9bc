#include "rules/configformat.h"
#include "platform/inifile.h"
#include "support/files.h"
#include "support/hostilefiles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace Tintara;

namespace {

IniFile loadHostile(const Testing::HostileFile& file)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("hostile.tsf");
    Testing::writeFile(path, file.bytes);
    return IniFile(path);
}

// Slot 1 red, then notes past twice the part that is read.
QByteArray largeFile()
{
    QByteArray bytes = "[Palette]\r\nFarbe1=255\r\n";
    while (bytes.size() < 2 * IniFile::readLimit)
        bytes += "[Notizen]\r\nText=" + QByteArray(100, 'n') + "\r\n";
    return bytes;
}

} // namespace

TEST(HostileFiles, LoadWithoutHarmAndGiveDefaults)
{
    for (const auto& file : Testing::hostileFiles(2)) {
        const IniFile ini = loadHostile(file);
        const SchemeSlots scheme = readSchemeSlots(ini);
        const Configuration config = readConfiguration(ini);
        for (int n = 2; n < 16; ++n)
            EXPECT_EQ(scheme.used[n], 0) << file.name;
        EXPECT_LE(scheme.infos[0].size(), IniFile::maxValueLength) << file.name;
        EXPECT_TRUE(config.pages.options[Option::ExitWithoutQuestion]) << file.name;
    }
}

TEST(HostileFiles, ReadWhatCanBeRead)
{
    const auto files = Testing::hostileFiles(1);
    const auto byName = [&](const char* name) {
        return loadHostile(*std::find_if(files.begin(), files.end(), [&](const auto& f) { return f.name == std::string(name); }));
    };
    EXPECT_EQ(readSchemeSlots(byName("many lines")).colors[0], 255u);
    EXPECT_EQ(readSchemeSlots(byName("one long line")).infos[0], "") << "a line beyond the first mebibyte is not read";
    EXPECT_EQ(readSchemeSlots(byName("repeated sections")).colors[0], 0u) << "the first section wins";
    EXPECT_EQ(readSchemeSlots(byName("invalid utf-8")).colors[0], 255u);
    const SchemeSlots outOfRange = readSchemeSlots(byName("numbers out of range"));
    EXPECT_EQ(outOfRange.colors[0], 0u);
    EXPECT_EQ(outOfRange.used[0], 0);
    EXPECT_EQ(outOfRange.colors[1], 0u);
    EXPECT_EQ(readConfiguration(byName("numbers out of range")).modus, 2147483647);
}

TEST(HostileFiles, SavingOntoOneKeepsWhatItHeld)
{
    const auto files = Testing::hostileFiles(1);
    const auto& repeated = *std::find_if(files.begin(), files.end(), [](const auto& f) {
        return f.name == std::string("repeated sections");
    });
    IniFile ini = loadHostile(repeated);
    writeConfiguration(ini, Configuration{});
    EXPECT_EQ(readSchemeSlots(ini).colors[0], 0u);
    EXPECT_FALSE(ini.toBytes().contains("Farbe1=9999")) << "every copy of the program's sections is replaced";
}

TEST(HostileFiles, LargeFilesAreReadInPartAndSavedWhole)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("gross.ini");
    const QByteArray bytes = largeFile() + "[Spaet]\r\nFarbe2=7\r\n";
    Testing::writeFile(path, bytes);

    IniFile ini(path);
    EXPECT_EQ(ini.readInteger("Palette", "Farbe1", 0), 255);
    EXPECT_FALSE(ini.sectionExists("Spaet")) << "beyond the first mebibyte nothing is read";
    ini.writeInteger("Palette", "Farbe1", 1);
    ASSERT_EQ(ini.save(), std::nullopt);
    const QByteArray saved = Testing::readFile(path);
    EXPECT_TRUE(saved.startsWith("[Palette]\r\nFarbe1=1\r\n"));
    EXPECT_TRUE(saved.endsWith("[Spaet]\r\nFarbe2=7\r\n"));
    EXPECT_EQ(saved.size(), bytes.size() - 2);
}

// A large file that changed on disk since it was read is not saved as a mix of two versions.
TEST(HostileFiles, LargeFileChangedSinceReadingIsNotMixed)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("gross.ini");
    const QByteArray bytes = largeFile();
    const QByteArray changes[] = {"[Neu]\r\nA=1\r\n" + bytes, bytes.left(IniFile::readLimit / 2), QByteArray()};
    for (const QByteArray& changed : changes) {
        Testing::writeFile(path, bytes);
        IniFile ini(path);
        ini.writeInteger("Palette", "Farbe1", 1);
        Testing::writeFile(path, changed); // another program rewrote it meanwhile
        EXPECT_EQ(ini.save().value_or(""), "In " + path + " kann nicht geschrieben werden");
        EXPECT_EQ(Testing::readFile(path), changed);
    }
}
