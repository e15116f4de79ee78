#include "store/startup/backups.h"

#include "core/common/engine_errors.h"
#include "core/common/files.h"
#include "core/common/verified_copy.h"
#include "core/records/record_types.h"
#include "store/common/database_copy.h"
#include "store/common/schema.h"
#include "store/startup/page_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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

// A byte copy opened with the key and read whole: every page checked, both tables counted.
void checkByteCopy(const QString& copyPath, const QString& key, const QString& formatVersion) {
    Database copy = Database::open(
        copyPath, OpenOptions{.password = key, .exclusive = true, .readsOnce = true});
    if (copy.formatVersion() != formatVersion || readWhole(copy).contains(-1))
        throw EngineError(engine::Damaged, QObject::tr("The copy of the database is incomplete."));
}

// A copy under the connection's own key is the file's pages as they are: copied byte for byte,
// read back against the file, then opened with the key and read whole. A key the copy does not
// open is another password: that copy is written page by page by the engine under the key asked
// for, and checked the same way.
void writeBackupCopy(Database& db, const QString& copyPath, const QString& key) {
    if (copyFileUnderReadLock(db, copyPath)) {
        try {
            checkByteCopy(copyPath, key, db.formatVersion());
            return;
        } catch (const EngineError& error) {
            files::removeDatabaseAt(copyPath);
            if (error.number() != engine::NotValidPassword)
                throw;
        }
    }
    writeVerifiedCopy(db, copyPath, key);
}

// A copy's files: its name in the folder and the hidden work name it is written under first.
struct CopyPlace {
    QString name;
    QString path;
    QString work;
};

CopyPlace placeFor(const QString& programFolder, const QString& reason, const QDateTime& now) {
    const QString folder = makeFolder(programFolder);
    const QString name = freeName(folder, now, reason);
    const QString path = QDir(folder).filePath(name);
    return {name, path, workPathFor(path)};
}

// Writes the copy under its work name; when that fails no part of it stays, and a full disk is
// told with the copy's name.
void writeWork(const CopyPlace& place, const std::function<void()>& write) {
    files::removeDatabaseAt(place.work);
    try {
        write();
    } catch (const EngineError& error) {
        files::removeDatabaseAt(place.work);
        if (error.number() != engine::DiskFull)
            throw;
        throw EngineError(engine::DiskFull, QObject::tr("There is not enough space on the disk "
                                                        "to write the backup copy '%1'.")
                                                .arg(place.name));
    }
}

void giveName(const CopyPlace& place) {
    if (!files::replaceFile(place.work, place.path)) {
        files::removeDatabaseAt(place.work);
        throw EngineError(engine::PathFileAccess,
                          QObject::tr("The backup copy '%1' cannot be written.").arg(place.name));
    }
}

// The check of a byte copy that runs on after the copy was written: the copy takes its name only
// once it passed, and is removed when it fails.
CheckOutcome checkAndName(const CopyPlace& place, const QString& programFolder, const QString& key,
                          const QString& formatVersion) {
    try {
        checkByteCopy(place.work, key, formatVersion);
        giveName(place);
        prune(programFolder);
        return std::nullopt;
    } catch (const EngineError& error) {
        files::removeDatabaseAt(place.work);
        return QObject::tr("The backup copy '%1' did not pass its check and has been removed: %2")
            .arg(place.name, error.description());
    }
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
    waitForChecks();
    const CopyPlace place = placeFor(programFolder, reason, now);
    // A file without a password gives a copy without one.
    writeWork(place, [&] { writeBackupCopy(db, place.work, db.isPlain() ? QString() : key); });
    giveName(place);
    prune(programFolder);
    return place.name;
}

QFuture<CheckOutcome> takeCheckingLater(Database& db, const QString& programFolder,
                                        const QString& key, const QString& reason,
                                        const QDateTime& now) {
    waitForChecks();
    const CopyPlace place = placeFor(programFolder, reason, now);
    bool copied = false;
    writeWork(place, [&] { copied = copyFileUnderReadLock(db, place.work); });
    if (!copied) {
        take(db, programFolder, key, reason, now);
        return QtFuture::makeReadyFuture(CheckOutcome());
    }
    return startCheck([place, programFolder, copyKey = db.isPlain() ? QString() : key,
                       format = db.formatVersion()] {
        return checkAndName(place, programFolder, copyKey, format);
    });
}

QList<Backup> list(const QString& programFolder, const QStringList& passwords) {
    waitForChecks();
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
    waitForChecks();
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
