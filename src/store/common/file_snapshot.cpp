#include "store/common/file_snapshot.h"

#include "core/common/files.h"

#include <QDir>
#include <QFile>
#include <QObject>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileIdentity identityOf(const struct stat& info) {
    return {qint64(info.st_dev), qint64(info.st_ino), qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

std::optional<FileIdentity> identityOfDescriptor(int descriptor) {
    struct stat info {};
    if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return identityOf(info);
}

EngineError cannotRead(const QString& path) {
    return EngineError(
        engine::CannotReach,
        QObject::tr("The file '%1' cannot be read.").arg(QDir::toNativeSeparators(path)));
}

// Copies all of `from` to the new file; false on any failure.
bool copyAll(int from, const QString& copyPath, qint64& copied) {
    QFile copy(copyPath);
    if (!files::openPrivateFile(copy))
        return false;
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return copy.flush();
        if (copy.write(buffer, got) != got)
            return false;
        copied += got;
    }
}

} // namespace

std::optional<FileIdentity> identityAt(const QString& path) {
    struct stat info {};
    if (stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return identityOf(info);
}

FileIdentity copyOnce(const QString& path, const QString& copyPath) {
    const int descriptor = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw cannotRead(path);
    const std::optional<FileIdentity> before = identityOfDescriptor(descriptor);
    qint64 copied = 0;
    const bool complete = before && copyAll(descriptor, copyPath, copied);
    const std::optional<FileIdentity> after = identityOfDescriptor(descriptor);
    close(descriptor);
    if (!complete)
        throw cannotRead(path);
    if (after != before || copied != before->size || identityAt(path) != before)
        throw changedWhileRead(path);
    return *before;
}

EngineError changedWhileRead(const QString& path) {
    return EngineError(engine::InUse,
                       QObject::tr("The file '%1' changed while it was being read: the checks "
                                   "would mix two files. Check it again once nothing writes to "
                                   "it.")
                           .arg(QDir::toNativeSeparators(path)));
}
