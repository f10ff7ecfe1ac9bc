#include "platform/atomicwrite.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace Tintara {

namespace {

// The system's reason where a write stopped short: Qt leaves a short write without an error of its
// own, and would say "Unknown error" of a full disk.
QString reasonOf(const QFileDevice& file, int error)
{
    if (error != 0)
        return QString::fromLocal8Bit(std::strerror(error));
    return file.errorString();
}

template <class File>
bool wroteAll(File& file, const QByteArray& bytes, int* error)
{
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = errno;
        return false;
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        *error = errno;
        return false;
    }
    return true;
}

bool writeInto(const QString& path, const QByteArray& bytes, QString* reason)
{
    QFile file(path);
    int error = 0;
    const bool written = wroteAll(file, bytes, &error) && file.flush();
    file.close();
    if (written && file.error() == QFileDevice::NoError)
        return true;
    if (reason)
        *reason = reasonOf(file, error);
    return false;
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* reason)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeInto(path, bytes, reason);
    QSaveFile file(path);
    int error = 0;
    if (wroteAll(file, bytes, &error)) {
        errno = 0;
        if (file.commit())
            return true;
        error = errno;
    }
    if (reason)
        *reason = reasonOf(file, error);
    file.cancelWriting();
    return false;
}

} // namespace Tintara
