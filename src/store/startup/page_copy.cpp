#include "store/startup/page_copy.h"

#include "core/common/engine_errors.h"
#include "core/common/files.h"
#include "store/common/database.h"

#include <QFile>
#include <QObject>

#include <sqlite3.h>

namespace backups {
namespace {

// The connection's file read through the engine's own descriptor: a descriptor of our own,
// once closed, would drop the locks by which the connection keeps other programs out.
QByteArray readPages(sqlite3_file* file, qint64 offset, qint64 size) {
    QByteArray piece(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (file->pMethods->xRead(file, piece.data(), static_cast<int>(size), offset) != SQLITE_OK)
        throw EngineError(engine::DiskError,
                          QObject::tr("The working database cannot be read for its copy."));
    return piece;
}

// Copies the file's bytes to `copyPath` (the user's alone), then reads the copy back and
// compares it with the file, piece by piece.
void copyPagesTo(sqlite3_file* file, const QString& copyPath) {
    sqlite3_int64 size = 0;
    if (file->pMethods->xFileSize(file, &size) != SQLITE_OK)
        throw EngineError(engine::DiskError,
                          QObject::tr("The working database cannot be read for its copy."));
    constexpr qint64 pieceSize = 1 << 20;
    QFile copy(copyPath);
    if (!files::openPrivateFile(copy))
        throw fileError(copyPath, copy.errorString());
    for (qint64 offset = 0; offset < size; offset += pieceSize) {
        const QByteArray piece = readPages(file, offset, std::min(pieceSize, size - offset));
        if (copy.write(piece) != piece.size())
            throw EngineError(engine::DiskFull, copy.errorString());
    }
    // As with the engine's own writes, a copy that cannot be written whole is taken for a full
    // disk (a full device and a file-size limit look alike here).
    if (!copy.flush())
        throw EngineError(engine::DiskFull, copy.errorString());
    copy.close();
    bool same = copy.open(QIODevice::ReadOnly) && copy.size() == size;
    for (qint64 offset = 0; same && offset < size; offset += pieceSize) {
        const qint64 length = std::min(pieceSize, size - offset);
        same = copy.read(length) == readPages(file, offset, length);
    }
    if (!same)
        throw EngineError(engine::Damaged, QObject::tr("The copy of the database is incomplete."));
}

} // namespace

bool copyFileUnderReadLock(Database& db, const QString& copyPath) {
    sqlite3_file* file = nullptr;
    if (sqlite3_get_autocommit(db.handle()) == 0 ||
        sqlite3_file_control(db.handle(), "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK ||
        file == nullptr || file->pMethods == nullptr)
        return false;
    db.exec(QStringLiteral("BEGIN"));
    try {
        db.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        copyPagesTo(file, copyPath);
    } catch (...) {
        db.exec(QStringLiteral("COMMIT"));
        throw;
    }
    db.exec(QStringLiteral("COMMIT"));
    return true;
}

} // namespace backups
