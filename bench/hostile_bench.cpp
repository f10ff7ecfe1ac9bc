#include "exchange/paletteformats.h"
#include "rules/configformat.h"
#include "rules/picturecolors.h"
#include "platform/inifile.h"
#include "support/files.h"
#include "support/hostilefiles.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Tintara;

namespace {

// VmHWM of this process, in KiB.
long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Runs `read` on the file in a process of its own and prints the time taken and the process's peak
// memory growth; `read` returns what it answered, "-" for refused.
void measure(const char* name, const QString& path, const std::function<QString(const QString&)>& read)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        // The peak is counted from here: the kernel forgets the one the parent left.
        QFile reset(QStringLiteral("/proc/self/clear_refs"));
        if (reset.open(QIODevice::WriteOnly))
            reset.write("5");
        reset.close();
        const long before = peakKiB();
        QElapsedTimer timer;
        timer.start();
        const QString answer = read(path);
        const qint64 elapsed = timer.elapsed();
        std::printf("%-30s %9.1fM %10lld %10ld  %s\n", name, QFileInfo(path).size() / 1048576.0,
                    static_cast<long long>(elapsed), (peakKiB() - before) / 1024, qPrintable(answer.left(60)));
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

QString asScheme(const QString& path)
{
    const IniFile ini(path);
    const SchemeSlots scheme = readSchemeSlots(ini);
    const Configuration config = readConfiguration(ini);
    return QStringLiteral("slot 16 used %1, mode %2").arg(scheme.used[15]).arg(config.modus);
}

QString asPalette(const QString& path)
{
    const PaletteRead read = readPaletteFromDisk(path);
    return read.error.isEmpty() ? QStringLiteral("%1 colours").arg(read.entries.size()) : QStringLiteral("- ") + read.error;
}

QString asPicture(const QString& path)
{
    const PictureRead read = readPictureFile(path);
    if (!read.error.isEmpty())
        return QStringLiteral("- ") + read.error;
    return QStringLiteral("%1 colours").arg(pictureColors(read.image, 8).size());
}

// The largest palette of each kind that is still read: just under the size limit.
QByteArray filledUpTo(const QByteArray& head, const QByteArray& line, qint64 size)
{
    QByteArray bytes = head;
    bytes.reserve(size);
    while (bytes.size() + line.size() <= size)
        bytes += line;
    return bytes;
}

// A picture of noise, so that neither its file nor its colours are trivial.
QImage noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 state = 7;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            line[x] = 0xFF000000u | (state >> 8);
        }
    }
    return image;
}

} // namespace

// Loads hostile files as a scheme and a configuration, the largest palettes and pictures that are
// still accepted and some just past the limits, each in a process of its own.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 50;
    QTemporaryDir folder;
    std::printf("%-30s %10s %10s %10s  %s\n", "input", "size", "time (ms)", "peak (MiB)", "answer");
    int n = 0;
    const auto file = [&](const QByteArray& bytes, const char* suffix) {
        const QString path = folder.filePath(QStringLiteral("hostile%1.%2").arg(++n).arg(QLatin1String(suffix)));
        Testing::writeFile(path, bytes);
        return path;
    };
    for (const auto& hostile : Testing::hostileFiles(megabytes))
        measure(hostile.name, file(hostile.bytes, "ini"), asScheme);

    const qint64 limit = largestPaletteFile;
    measure("gpl at the limit", file(filledUpTo("GIMP Palette\n", "  1   2   3\tFarbe\n", limit), "gpl"), asPalette);
    measure("gpl one long line", file("GIMP Palette\n" + QByteArray(limit - 20, 'x'), "gpl"), asPalette);
    measure("colour codes at the limit", file(filledUpTo({}, "#12AB9F ", limit), "css"), asPalette);
    QByteArray tokens = "{\"a\":{";
    for (int t = 0; tokens.size() < limit - 40; ++t)
        tokens += "\"t" + QByteArray::number(t) + "\":{\"$type\":\"color\",\"$value\":\"#12ab9f\"},";
    tokens.truncate(tokens.lastIndexOf("\"t", limit - 80));
    measure("tokens at the limit", file(tokens + "\"z\":{\"$value\":\"#000000\"}}}", "json"), asPalette);
    measure("gpl past the limit", file(QByteArray(limit * megabytes, '#'), "gpl"), asPalette);

    // Noise, the costliest content, at the file size limit and past it; JPEG and PNG are decoded
    // smaller while they are read.
    for (const auto& [format, side] : {std::pair("PNG", 3300), std::pair("JPG", 7400), std::pair("PNG", 10000)}) {
        const QString name = QStringLiteral("%1 %2 x %2").arg(QLatin1String(format)).arg(side);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        noise(side, side).save(&buffer, format);
        measure(qPrintable(name), file(bytes, format), asPicture);
    }
    return 0;
}
