#include "platform/atomicwrite.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Tintara {

namespace {

template <class File>
bool wroteAll(File& file, const QByteArray& bytes)
{
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size();
}

bool writeInto(const QString& path, const QByteArray& bytes, QString* reason)
{
    QFile file(path);
    const bool written = wroteAll(file, bytes) && file.flush();
    file.close();
    if (written && file.error() == QFileDevice::NoError)
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* reason)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeInto(path, bytes, reason);
    QSaveFile file(path);
    if (wroteAll(file, bytes) && file.commit())
        return true;
    if (reason)
        *reason = file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace Tintara
