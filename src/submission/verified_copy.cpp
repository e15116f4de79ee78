#include "submission/verified_copy.h"

#include "common/engine_error.h"
#include "common/files.h"
#include "submission/digest.h"
#include "submission/finished_file.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QObject>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

QString whyNotWritten(const QFile& file) {
    if (file.error() == QFileDevice::ResizeError || file.error() == QFileDevice::WriteError)
        return QObject::tr("the medium is full or cannot be written (%1).").arg(file.errorString());
    return file.errorString();
}

// Reads a whole file back and takes its size and digest; nothing when it cannot be read.
std::optional<Fingerprint> readBack(const QString& path) {
    const FileDigest read = fileDigest(path);
    if (read.result != 0)
        return std::nullopt;
    return Fingerprint{QFileInfo(path).size(), read.digest.toLatin1()};
}

void flushToDevice(QFile& file) {
    if (!file.flush())
        throw copyError(file.fileName(), whyNotWritten(file));
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        throw copyError(file.fileName(),
                        QObject::tr("the medium did not take the data (%1).").arg(errno));
#endif
}

// Writes the source into the work file and returns what was written.
Fingerprint writeCopy(const QString& source, const QString& work, const Progress& progress) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw copyError(work, QObject::tr("'%1' cannot be read: %2").arg(source, in.errorString()));
    QFile out(work);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw copyError(work, whyNotWritten(out));
    QCryptographicHash hash(QCryptographicHash::Md5);
    Fingerprint written;
    const qint64 total = in.size();
    while (!in.atEnd()) {
        const QByteArray piece = in.read(pieceSize);
        if (piece.isEmpty())
            throw copyError(work,
                            QObject::tr("'%1' cannot be read: %2").arg(source, in.errorString()));
        if (out.write(piece) != piece.size())
            throw copyError(work, whyNotWritten(out));
        hash.addData(piece);
        written.size += piece.size();
        if (progress)
            progress(written.size, total);
    }
    flushToDevice(out);
    written.digest = hash.result().toHex();
    return written;
}

void expectWhole(const QString& path, const Fingerprint& expected) {
    const std::optional<Fingerprint> found = readBack(path);
    if (!found)
        throw copyError(path, QObject::tr("the copy cannot be read back."));
    if (!(*found == expected))
        throw copyError(path, QObject::tr("the copy read back differs from the original "
                                          "(%1 of %2 bytes).")
                                  .arg(found->size)
                                  .arg(expected.size));
}

} // namespace

void copyFile(const QString& source, const QString& target, const Progress& progress) {
    const QString work = target + QLatin1String(workFileSuffix);
    QFile::remove(work);
    bool renamed = false;
    try {
        const Fingerprint written = writeCopy(source, work, progress);
        expectWhole(work, written);
        if (!files::replaceFile(work, target))
            throw copyError(target, QObject::tr("the copy cannot take its name."));
        renamed = true;
        expectWhole(target, written);
    } catch (...) {
        QFile::remove(work);
        if (renamed)
            QFile::remove(target);
        throw;
    }
}

} // namespace verifiedcopy
