#include "platform/inifile.h"
#include "platform/profileinteger.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>


using namespace Tintara;

using Testing::FileSizeLimit;
const auto readAll = Testing::readFile;
const auto writeAll = Testing::writeFile;

TEST(ProfileInteger, DecimalAndBothHexPrefixes)
{
    EXPECT_EQ(parseProfileInteger("255"), 255);
    EXPECT_EQ(parseProfileInteger("-16777201"), -16777201);
    EXPECT_EQ(parseProfileInteger("$0000FF"), 255);
    EXPECT_EQ(parseProfileInteger("0xFF"), 255);
    EXPECT_EQ(parseProfileInteger("0Xff"), 255);
    EXPECT_EQ(parseProfileInteger("+7"), 7);
}

TEST(ProfileInteger, HexUsesAllThirtyTwoBitsAsSigned)
{
    EXPECT_EQ(parseProfileInteger("$FF00000F"), -16777201);
    EXPECT_EQ(parseProfileInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(parseProfileInteger("$100000000"), std::nullopt);
}

TEST(ProfileInteger, DecimalRangeIsSignedThirtyTwoBit)
{
    EXPECT_EQ(parseProfileInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseProfileInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parseProfileInteger("2147483648"), std::nullopt);
    EXPECT_EQ(parseProfileInteger("99999999999999999999999"), std::nullopt);
}

TEST(ProfileInteger, AnythingElseIsNoNumber)
{
    for (const char* text : {"", "-", "$", "0x", "12a", "1.5", " 1", "abc", "$FG", "--1"})
        EXPECT_EQ(parseProfileInteger(text), std::nullopt) << text;
}

TEST(IniFile, ReadsKeysAndSectionsWithoutRegardToCase)
{
    const IniFile ini = IniFile::fromText("[Palette]\r\nFarbe1 = 255 \r\n[HINTS]\nFeld1=  Himmel blau  \n");
    EXPECT_EQ(ini.readInteger("palette", "FARBE1", 0), 255);
    EXPECT_EQ(ini.readString("Hints", "feld1", "x"), "Himmel blau");
    EXPECT_EQ(ini.readString("Hints", "Feld2", "x"), "x");
    EXPECT_EQ(ini.readString("Nope", "Feld1", "x"), "x");
    EXPECT_TRUE(ini.sectionExists("palette"));
    EXPECT_TRUE(ini.valueExists("PALETTE", "farbe1"));
    EXPECT_FALSE(ini.valueExists("Palette", "Farbe2"));
}

TEST(IniFile, FirstOccurrenceWins)
{
    const IniFile ini = IniFile::fromText("[A]\nk=1\nk=2\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(ini.readInteger("A", "k", 0), 1);
    EXPECT_EQ(ini.readInteger("A", "j", 0), 0); // only the first section counts
}

TEST(IniFile, UnparsableIntegersGiveTheDefault)
{
    const IniFile ini = IniFile::fromText("[S]\na=abc\nb=\nc=$0000FF\nd=0xFF\ne=-1\n");
    EXPECT_EQ(ini.readInteger("S", "a", 42), 42);
    EXPECT_EQ(ini.readInteger("S", "b", 42), 42);
    EXPECT_EQ(ini.readInteger("S", "c", 0), 255);
    EXPECT_EQ(ini.readInteger("S", "d", 0), 255);
    EXPECT_TRUE(ini.readBool("S", "e", false));
    EXPECT_FALSE(ini.readBool("S", "missing", false));
    EXPECT_TRUE(ini.readBool("S", "a", true));
}

TEST(IniFile, LongValuesArriveCutTo2047Characters)
{
    const QString longText(3000, u'x');
    const IniFile ini = IniFile::fromText("[Hints]\nFeld1=" + longText + "\n");
    EXPECT_EQ(ini.readString("Hints", "Feld1", {}).size(), 2047);
}

TEST(IniFile, RewrittenKeyKeepsItsLineAndEverythingElseStays)
{
    IniFile ini = IniFile::fromText("; kept\r\n[Palette]\r\nFarbe1=1\r\nExtra=yes\r\n\r\n[Other]\r\nx=1\r\n");
    ini.writeInteger("palette", "farbe1", 255);
    EXPECT_EQ(ini.toBytes(), "; kept\r\n[Palette]\r\nFarbe1=255\r\nExtra=yes\r\n\r\n[Other]\r\nx=1\r\n");
}

TEST(IniFile, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEnd)
{
    IniFile ini = IniFile::fromText("[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n");
    ini.writeString("A", "c", "3");
    ini.writeString("C", "d", "4");
    ini.writeString("B", "e", "");
    EXPECT_EQ(ini.toBytes(), "[A]\r\na=1\r\nc=3\r\n\r\n[B]\r\nb=2\r\ne=\r\n[C]\r\nd=4\r\n");
}

TEST(IniFile, NewFileHasSectionsInWritingOrder)
{
    IniFile ini;
    ini.writeInteger("Palette", "Farbe1", 255);
    ini.writeInteger("Palette", "FarbeGes1", 1);
    ini.writeString("Hints", "Feld1", "Rot");
    ini.writeInteger("Palette", "Farbe2", -16777201);
    EXPECT_EQ(ini.toBytes(), "[Palette]\r\nFarbe1=255\r\nFarbeGes1=1\r\nFarbe2=-16777201\r\n[Hints]\r\nFeld1=Rot\r\n");
}

TEST(IniFile, ValuesNeverBreakTheirLine)
{
    IniFile ini;
    ini.writeString("Hints", "Feld1", "one\r\n[Evil]\nx=1");
    EXPECT_FALSE(ini.sectionExists("Evil"));
    EXPECT_EQ(ini.readString("Hints", "Feld1", {}), "one  [Evil] x=1");
}

TEST(IniFile, EraseSectionRemovesEveryOccurrenceOnly)
{
    IniFile ini = IniFile::fromText("[A]\na=1\n[B]\nb=2\n[a]\nc=3\n");
    ini.eraseSection("a");
    EXPECT_EQ(ini.toBytes(), "[B]\r\nb=2\r\n");
}

TEST(IniFile, ReadsWindows1252WhenTheFileIsNotUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("old.tsf");
    writeAll(path, "[Hints]\r\nFeld1=Gr\xFCn f\xFCr \x80 und \xC4pfel\r\n");
    EXPECT_EQ(IniFile(path).readString("Hints", "Feld1", {}), QString::fromUtf8("Grün für € und Äpfel"));
}

TEST(IniFile, ReadsAndWritesUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("new.tsf");
    writeAll(path, "\xEF\xBB\xBF[Hints]\nFeld1=Gr\xC3\xBCn\n");
    IniFile ini(path);
    EXPECT_EQ(ini.readString("Hints", "Feld1", {}), QString::fromUtf8("Grün"));
    ini.writeString("Hints", "Feld2", QString::fromUtf8("Blau ä"));
    ASSERT_EQ(ini.save(), std::nullopt);
    EXPECT_EQ(readAll(path), "[Hints]\r\nFeld1=Gr\xC3\xBCn\r\nFeld2=Blau \xC3\xA4\r\n");
}

TEST(IniFile, MissingFileReadsEmptyAndSavesWhereItWasNamed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tintara.ini");
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger("Modus", "Modus", 7), 7);
    ini.writeBool("Optionen", "Opt0", true);
    ASSERT_EQ(ini.save(), std::nullopt);
    EXPECT_EQ(readAll(path), "[Optionen]\r\nOpt0=1\r\n");
}

TEST(IniFile, RefusedWriteLeavesTheOldFileAndReports)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("scheme.tsf");
    writeAll(path, "[Palette]\r\nFarbe1=1\r\n");
    IniFile ini(path);
    ini.writeString("Hints", "Feld1", QString(4000, u'x'));

    std::optional<QString> error;
    {
        const FileSizeLimit fullDisk(1024);
        error = ini.save();
    }

    ASSERT_TRUE(error.has_value());
    // The specified words, then the system's reason: the file would grow past what may be written.
    EXPECT_EQ(*error, "In " + QDir::toNativeSeparators(path) + " kann nicht geschrieben werden: "
                          + QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(readAll(path), "[Palette]\r\nFarbe1=1\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"scheme.tsf"}); // no leftovers
}

TEST(IniFile, WriteIntoAMissingFolderReportsAndCreatesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/folder/scheme.tsf");
    IniFile ini(path);
    ini.writeInteger("Palette", "Farbe1", 2);
    const auto error = ini.save();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "In " + QDir::toNativeSeparators(path) + " kann nicht geschrieben werden: "
                          + QString::fromLocal8Bit(std::strerror(ENOENT)));
    EXPECT_FALSE(QFile::exists(path));
}
