#include "store/startup/backups.h"

#include "core/common/engine_errors.h"
#include "core/common/files.h"
#include "core/common/verified_copy.h"
#include "core/records/record_types.h"
#include "store/common/database_copy.h"
#include "store/common/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <sqlite3.h>

namespace backups {
namespace {

const QString timeFormat = QStringLiteral("yyyy-MM-dd-HHmm");

QString folderOf(const QString& programFolder) {
    return files::inFolder(programFolder, folderName);
}

QString makeFolder(const QString& programFolder) {
    const QString folder = folderOf(programFolder);
    if (!QFileInfo(folder).isDir() && !files::makePrivateFolder(folder))
        throw EngineError(engine::PathNotFound,
                          QObject::tr("The folder '%1' for backup copies cannot be created.")
                              .arg(QDir::toNativeSeparators(folder)));
    return folder;
}

// Newest first; only files named as the program names its copies.
QList<Backup> copiesIn(const QString& programFolder) {
    QList<Backup> found;
    const QDir folder(folderOf(programFolder));
    for (const QString& entry : folder.entryList(QDir::Files)) {
        std::optional<Backup> backup = parseName(entry);
        if (!backup)
            continue;
        backup->size = QFileInfo(folder.filePath(entry)).size();
        found << *backup;
    }
    std::sort(found.begin(), found.end(), [](const Backup& a, const Backup& b) {
        return a.taken != b.taken ? a.taken > b.taken : a.sequence > b.sequence;
    });
    return found;
}

// Keeps the newest copies, and removes the work files of copies that were cut short.
void prune(const QString& programFolder) {
    removeWorkFiles(programFolder);
    const QList<Backup> copies = copiesIn(programFolder);
    for (qsizetype at = kept; at < copies.size(); ++at)
        QFile::remove(QDir(folderOf(programFolder)).filePath(copies[at].name));
}

QString freeName(const QString& folder, const QDateTime& now, const QString& reason) {
    int sequence = 1;
    while (files::exists(folder, fileName(now, reason, sequence)))
        ++sequence;
    return fileName(now, reason, sequence);
}

std::optional<qint64> recordCount(const QString& path, const QStringList& passwords) {
    for (const QString& password : passwords) {
        try {
            Database copy = Database::open(path, OpenOptions{.password = password,
                                                             .exclusive = false,
                                                             .readOnly = true,
                                                             .readsOnce = true});
            Statement count = copy.prepare(QStringLiteral("select count(*) from employee where %1")
                                               .arg(recordtype::realRecordsCondition()));
            if (count.next())
                return count.value(0).toLongLong();
        } catch (const EngineError&) {
            // This password does not open the copy (or the copy is no database): try the next;
            // when none opens it, the count is unknown.
        }
    }
    return std::nullopt;
}

// A byte copy, for files no connection holds open: the medium's verified copy (work file, flushed,
// read back against the original's size and digest) serves here too.
void copyFileChecked(const QString& from, const QString& to) {
    files::removeDatabaseAt(to);
    verifiedcopy::copyFile(from, to);
}

// The byte copies of a restore hold every record, so they are made readable by the user alone,
// whatever the umask the program was started with.
class OwnerOnlyNewFiles {
public:
#ifdef Q_OS_UNIX
    OwnerOnlyNewFiles()
        : m_saved(::umask(S_IRWXG | S_IRWXO)) {}
    ~OwnerOnlyNewFiles() {
        ::umask(m_saved);
    }

private:
    mode_t m_saved;
#endif
};

// The working database may be replaced only while no program holds it, and only when no change
// was interrupted half-way (its journal would no longer fit the restored file).
void checkNotInUse(const QString& working) {
    try {
        Database::open(working, OpenOptions{std::nullopt, true, true});
    } catch (const EngineError& error) {
        if (error.number() == engine::InUse)
            throw EngineError(engine::InUse,
                              QObject::tr("The working database is in use: quit the program "
                                          "before restoring a backup copy."));
        if (error.number() != engine::NotValidPassword)
            throw;
    }
    if (QFileInfo::exists(working + QStringLiteral("-journal")))
        throw EngineError(engine::InUse,
                          QObject::tr("A change of the working database was interrupted: start "
                                      "the program once and quit it, then restore."));
}

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

// The connection's file as it stands, its read lock held so that no writer changes a page
// half-way; false (and no copy) while the connection is inside a transaction of its own, whose
// pages the file may not hold yet.
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

// A copy under the connection's own key is the file's pages as they are: copied byte for byte,
// read back against the file's digest, then opened with the key and read whole (every page
// checked, both tables counted). A key the copy does not open is another password: that copy
// is written page by page by the engine under the key asked for, and checked the same way.
void writeBackupCopy(Database& db, const QString& copyPath, const QString& key) {
    if (copyFileUnderReadLock(db, copyPath)) {
        try {
            Database copy = Database::open(
                copyPath, OpenOptions{.password = key, .exclusive = true, .readsOnce = true});
            if (copy.formatVersion() != db.formatVersion() || readWhole(copy).contains(-1))
                throw EngineError(engine::Damaged,
                                  QObject::tr("The copy of the database is incomplete."));
            return;
        } catch (const EngineError& error) {
            files::removeDatabaseAt(copyPath);
            if (error.number() != engine::NotValidPassword)
                throw;
        }
    }
    writeVerifiedCopy(db, copyPath, key);
}

} // namespace

QString fileName(const QDateTime& taken, const QString& reason, int sequence) {
    const QString suffix = sequence > 1 ? QStringLiteral("-%1").arg(sequence) : QString();
    return QStringLiteral("xw73d-%1-%2%3.mdb").arg(taken.toString(timeFormat), reason, suffix);
}

std::optional<Backup> parseName(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^xw73d-(\d{4}-\d\d-\d\d-\d{4})-([a-z]+(?:-[a-z]+)*)(?:-(\d+))?\.mdb$)"));
    const QRegularExpressionMatch found = pattern.match(name);
    if (!found.hasMatch())
        return std::nullopt;
    Backup backup;
    backup.name = name;
    backup.taken = QDateTime::fromString(found.captured(1), timeFormat);
    backup.reason = found.captured(2);
    backup.sequence = found.captured(3).isEmpty() ? 1 : found.captured(3).toInt();
    if (!backup.taken.isValid())
        return std::nullopt;
    return backup;
}

QString take(Database& db, const QString& programFolder, const QString& key, const QString& reason,
             const QDateTime& now) {
    const QString folder = makeFolder(programFolder);
    const QString name = freeName(folder, now, reason);
    const QString work = workPathFor(QDir(folder).filePath(name));
    files::removeDatabaseAt(work);
    try {
        // A file without a password gives a copy without one.
        writeBackupCopy(db, work, db.isPlain() ? QString() : key);
    } catch (const EngineError& error) {
        files::removeDatabaseAt(work);
        if (error.number() != engine::DiskFull)
            throw;
        throw EngineError(engine::DiskFull, QObject::tr("There is not enough space on the disk "
                                                        "to write the backup copy '%1'.")
                                                .arg(name));
    }
    if (!files::replaceFile(work, QDir(folder).filePath(name))) {
        files::removeDatabaseAt(work);
        throw EngineError(engine::PathFileAccess,
                          QObject::tr("The backup copy '%1' cannot be written.").arg(name));
    }
    prune(programFolder);
    return name;
}

QList<Backup> list(const QString& programFolder, const QStringList& passwords) {
    QList<Backup> copies = copiesIn(programFolder);
    for (Backup& copy : copies)
        copy.records = recordCount(QDir(folderOf(programFolder)).filePath(copy.name), passwords);
    return copies;
}

bool takenOn(const QString& programFolder, const QDate& day, const QString& reason) {
    const QList<Backup> copies = copiesIn(programFolder);
    return std::any_of(copies.cbegin(), copies.cend(), [&](const Backup& copy) {
        return copy.taken.date() == day && copy.reason == reason;
    });
}

void removeWorkFiles(const QString& programFolder) {
    const QString folder = folderOf(programFolder);
    for (const char* pattern : {".xw73d-*.part", ".xw73d-*.part-journal", "xw73d-*.mdb.part"})
        files::removeMatching(folder, QLatin1String(pattern));
}

QString workPathFor(const QString& copyPath) {
    const QFileInfo copy(copyPath);
    return copy.dir().filePath(u'.' + copy.fileName() + QStringLiteral(".part"));
}

QString incomingCopyPath(const QString& workingPath) {
    return workingPath + QStringLiteral("-restoring");
}

QString restore(const QString& programFolder, const QString& name, const QDateTime& now) {
    const QString chosen = QDir(folderOf(programFolder)).filePath(name);
    if (!parseName(name) || !QFileInfo(chosen).isFile())
        throw EngineError(engine::FileNotFound,
                          QObject::tr("There is no backup copy named '%1'.").arg(name));
    const QString working = files::inFolder(programFolder, schema::workingFile);
    const OwnerOnlyNewFiles ownerOnly;
    QString keptName;
    if (QFileInfo::exists(working)) {
        checkNotInUse(working);
        const QString folder = makeFolder(programFolder);
        keptName = freeName(folder, now, reason::beforeRestore);
        copyFileChecked(working, QDir(folder).filePath(keptName));
    }
    const QString incoming = incomingCopyPath(working);
    copyFileChecked(chosen, incoming);
    if (!files::replaceFile(incoming, working)) {
        files::removeDatabaseAt(incoming);
        throw EngineError(engine::PathFileAccess,
                          QObject::tr("The working database cannot be replaced; it is unchanged."));
    }
    prune(programFolder);
    return keptName;
}

} // namespace backups
