#include "core/common/verified_copy.h"

#include "core/common/engine_error.h"
#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "core/submission/digest.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace verifiedcopy {
namespace {

constexpr qint64 pieceSize = 1 << 20;

struct Fingerprint {
    qint64 size = 0;
    QByteArray digest;
    bool operator==(const Fingerprint&) const = default;
};

EngineError copyError(const QString& path, const QString& reason) {
    return EngineError(engine::PathFileAccess,
                       QObject::tr("The copy to '%1' failed: %2").arg(path, reason));
}

// The descriptor of the work file being written; closed once, with its error seen.
class WorkFile {
public:
    WorkFile(const QString& path, const QString& target)
        : m_target(target)
        , m_handle(::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)) {
        if (m_handle < 0)
            throw copyError(m_target, reasonFor(errno));
    }
    ~WorkFile() {
        if (m_handle >= 0)
            ::close(m_handle);
    }
    WorkFile(const WorkFile&) = delete;
    WorkFile& operator=(const WorkFile&) = delete;

    void write(const QByteArray& piece) {
        for (qsizetype at = 0; at < piece.size();) {
            const ssize_t written =
                ::write(m_handle, piece.constData() + at, static_cast<size_t>(piece.size() - at));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                throw copyError(m_target, reasonFor(written < 0 ? errno : ENOSPC));
            at += written;
        }
    }
    // The bytes on the device, and out of the cache, so that the read-back reads the medium.
    void finish() {
        if (::fsync(m_handle) != 0)
            throw copyError(m_target, reasonFor(errno));
        ::posix_fadvise(m_handle, 0, 0, POSIX_FADV_DONTNEED);
        const int handle = std::exchange(m_handle, -1);
        if (::close(handle) != 0)
            throw copyError(m_target, reasonFor(errno));
    }

private:
    QString m_target;
    int m_handle;
};

// Reads a whole file back from the device and takes its size and digest; nothing when it
// cannot be read.
std::optional<Fingerprint> readBack(const QString& path) {
    if (!dropCachedPages(path))
        return std::nullopt;
    const FileDigest read = fileDigest(path);
    if (read.result != 0)
        return std::nullopt;
    return Fingerprint{QFileInfo(path).size(), read.digest.toLatin1()};
}

// Writes the source into the work file and returns what was written.
Fingerprint writeCopy(const QString& source, const QString& work, const QString& target,
                      const Progress& progress) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw copyError(target,
                        QObject::tr("'%1' cannot be read: %2").arg(source, in.errorString()));
    WorkFile out(work, target);
    QCryptographicHash hash(QCryptographicHash::Md5);
    Fingerprint written;
    const qint64 total = in.size();
    while (!in.atEnd()) {
        const QByteArray piece = in.read(pieceSize);
        if (piece.isEmpty())
            throw copyError(target,
                            QObject::tr("'%1' cannot be read: %2").arg(source, in.errorString()));
        out.write(piece);
        hash.addData(piece);
        written.size += piece.size();
        if (progress)
            progress(written.size, total);
    }
    out.finish();
    written.digest = hash.result().toHex();
    return written;
}

void expectWhole(const QString& path, const QString& target, const Fingerprint& expected) {
    const std::optional<Fingerprint> found = readBack(path);
    if (!found)
        throw copyError(target, QObject::tr("the copy cannot be read back from the medium."));
    if (!(*found == expected))
        throw copyError(target, QObject::tr("the copy read back differs from the original "
                                            "(%1 of %2 bytes).")
                                    .arg(found->size)
                                    .arg(expected.size));
}

// The source copied under the target's work name and read back whole; the work file is gone
// again on any failure.
Fingerprint copyUnderWorkName(const QString& source, const QString& target,
                              const Progress& progress) {
    const QString work = workPathFor(target);
    QFile::remove(work);
    try {
        const Fingerprint written = writeCopy(source, work, target, progress);
        expectWhole(work, target, written);
        return written;
    } catch (...) {
        QFile::remove(work);
        throw;
    }
}

} // namespace

QString workPathFor(const QString& target) {
    return target + QLatin1String(workFileSuffix);
}

bool dropCachedPages(const QString& path) {
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (handle < 0)
        return false;
    // Dirty pages cannot be dropped: they go to the device first.
    ::fsync(handle);
    ::posix_fadvise(handle, 0, 0, POSIX_FADV_DONTNEED);
    ::close(handle);
    return true;
}

QString reasonFor(int systemError) {
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
        return QObject::tr("there is no space left on the medium.");
    case EFBIG:
        return QObject::tr("the file is larger than the medium or this system allows.");
    case EROFS:
        return QObject::tr("the medium is read-only (it may be write-protected).");
    case EACCES:
    case EPERM:
        return QObject::tr("this user may not write to the medium's folder.");
    case ENOENT:
    case ENOTDIR:
        return QObject::tr("the medium's folder is no longer there; the medium may have been "
                           "removed.");
    case EIO:
    case ENXIO:
    case ENODEV:
    case ESTALE:
        return QObject::tr("the medium could not be written or read; it may have been removed "
                           "or be damaged.");
    case 0:
        return QObject::tr("the system did not say why.");
    default:
        return QObject::tr("the system reports: %1.").arg(qt_error_string(systemError));
    }
}

QString copyToWorkFile(const QString& source, const QString& target, const Progress& progress) {
    copyUnderWorkName(source, target, progress);
    return workPathFor(target);
}

void copyFile(const QString& source, const QString& target, const Progress& progress) {
    const Fingerprint written = copyUnderWorkName(source, target, progress);
    const QString work = workPathFor(target);
    bool renamed = false;
    try {
        if (!files::replaceFile(work, target))
            throw copyError(target,
                            QObject::tr("the copy cannot take its name: %1").arg(reasonFor(errno)));
        renamed = true;
        expectWhole(target, target, written);
    } catch (...) {
        QFile::remove(work);
        if (renamed)
            QFile::remove(target);
        throw;
    }
}

} // namespace verifiedcopy
