#include "rules/configformat.h"
#include "platform/inifile.h"
#include "support/files.h"
#include "support/hostilefiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Tintara;

// Loads each hostile file as a scheme and as a configuration, each in a process of its own, and
// prints the time taken and the process's peak memory.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 50;
    QTemporaryDir folder;
    std::printf("%-22s %10s %12s %17s\n", "input", "size", "load (ms)", "peak growth (MiB)");
    for (const auto& file : Testing::hostileFiles(megabytes)) {
        const QString path = folder.filePath("hostile.ini");
        Testing::writeFile(path, file.bytes);
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            rusage before{};
            getrusage(RUSAGE_SELF, &before);
            QElapsedTimer timer;
            timer.start();
            const IniFile ini(path);
            const SchemeSlots scheme = readSchemeSlots(ini);
            const Configuration config = readConfiguration(ini);
            const qint64 elapsed = timer.elapsed();
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("%-22s %9.1fM %12lld %14ld\n", file.name, file.bytes.size() / 1048576.0,
                        static_cast<long long>(elapsed), (usage.ru_maxrss - before.ru_maxrss) / 1024);
            std::fflush(stdout);
            _exit(scheme.used[15] + config.modus == -12345 ? 1 : 0);
        }
        int status = 0;
        waitpid(child, &status, 0);
    }
    return 0;
}
