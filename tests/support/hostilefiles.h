#pragma once

#include <QByteArray>
#include <QString>

#include <random>
#include <vector>

namespace Tintara::Testing {

// Files that are not what a scheme or configuration file should be.
struct HostileFile {
    const char* name;
    QByteArray bytes;
};

inline std::vector<HostileFile> hostileFiles(qsizetype megabytes)
{
    const qsizetype size = megabytes * 1024 * 1024;
    std::mt19937 random(7);
    QByteArray binary(size, '\0');
    for (char& c : binary)
        c = static_cast<char>(random());

    QByteArray manyLines = "[Palette]\r\nFarbe1=255\r\nFarbeGes1=1\r\n";
    for (int n = 0; manyLines.size() < size; ++n)
        manyLines += "Schluessel" + QByteArray::number(n) + "=Wert " + QByteArray::number(n) + "\r\n";

    QByteArray repeated;
    for (int n = 0; n < 10000; ++n)
        repeated += "[Palette]\r\nFarbe1=" + QByteArray::number(n) + "\r\n[Hints]\r\nFeld1=x\r\n";

    return {
        {"binary", binary},
        {"nul bytes", QByteArray("[Palette]\r\nFarbe1=2\0" "55\r\nFarbeGes1=1\0\r\n[Hints]\r\nFeld1=a\0b\r\n", 52)},
        {"many lines", manyLines},
        {"one long line", "[Hints]\r\nFeld1=" + QByteArray(size, 'x')},
        {"invalid utf-8", "[Hints]\r\nFeld1=\xC3\x28\xA0\xA1 \xFF\xFE gr\xFCn\r\n[Palette]\r\nFarbe1=$FF\r\n"},
        {"repeated sections", repeated},
        {"numbers out of range", "[Palette]\r\nFarbe1=99999999999\r\nFarbeGes1=-2147483649\r\nFarbe2=$1FFFFFFFF\r\n"
                                 "[Modus]\r\nModus=2147483647\r\nDeckkraft=-5\r\nZoomfaktor=0x7FFFFFFF\r\n"},
    };
}

} // namespace Tintara::Testing
