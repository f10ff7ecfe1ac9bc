#include "platform/streamread.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct StreamRead {
    Q_DECLARE_TR_FUNCTIONS(StreamRead)
};

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

QByteArray readStream(const QString& path, qint64 limit, QString* error, int waitMilliseconds)
{
    // Opening a FIFO for reading blocks until a writer comes; without blocking it opens at once.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = systemError();
        return {};
    }
    pollfd wanted{fd, POLLIN, 0};
    int ready = 0;
    do {
        ready = ::poll(&wanted, 1, waitMilliseconds);
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0) {
        *error = ready == 0 ? StreamRead::tr("Nach %1 Sekunden ist noch nichts angekommen; schreibt ein Programm hinein?")
                                  .arg(waitMilliseconds / 1000)
                            : systemError();
        ::close(fd);
        return {};
    }
    // A writer is there: from now on wait for what it still sends.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QByteArray bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            *error = systemError();
            bytes.clear();
            break;
        }
        if (got == 0)
            break;
        if (bytes.size() + got > limit) {
            *error = StreamRead::tr("Es kommt mehr als %1 MiB an; so viel liest Tintara Studio nicht.").arg(limit >> 20);
            bytes.clear();
            break;
        }
        bytes.append(chunk, got);
    }
    ::close(fd);
    return bytes;
}

} // namespace Tintara
