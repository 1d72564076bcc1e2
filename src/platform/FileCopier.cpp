#include "FileCopier.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

bool syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Some file systems cannot flush a folder; the rename itself has been done by then.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

} // namespace

bool QtFileCopier::copy(const QString& source, const QString& target) {
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly) ||
        !out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return false;
        if (out.write(chunk) != chunk.size())
            return false;
    }
    if (!out.flush() || ::fsync(out.handle()) != 0)
        return false;
    // Reading the copy back afterwards should come from the device, not from memory.
    ::posix_fadvise(out.handle(), 0, 0, POSIX_FADV_DONTNEED);
    out.close();
    return out.error() == QFileDevice::NoError;
}

bool QtFileCopier::replace(const QString& from, const QString& to) {
    // rename(2) replaces an existing `to` atomically, where QFile::rename would refuse.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return false;
    return syncFolder(QFileInfo(to).absolutePath());
}
