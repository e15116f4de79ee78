#include "store/submission/submission_database.h"

#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "core/records/record_types.h"
#include "store/common/rows.h"

#include <QFile>
#include <QObject>

namespace {

const QString attachedName = QStringLiteral("submission");

QString qualified(const char* table) {
    return attachedName + u'.' + QLatin1String(table);
}

int yearNumber(const QString& returnYear) {
    bool ok = false;
    const int year = returnYear.trimmed().toInt(&ok);
    if (!ok)
        throw EngineError(engine::TypeMismatch,
                          QObject::tr("The return year '%1' is not a number.").arg(returnYear));
    return year;
}

// The build file is attached to the login connection for the copy and detached afterwards, also
// when the copy fails, so the working database stays the only file of that connection.
class AttachedBuildFile {
public:
    AttachedBuildFile(Database& login, const QString& path)
        : m_login(login) {
        m_login.prepare(QStringLiteral("ATTACH DATABASE ?1 AS %1 KEY ''").arg(attachedName))
            .bind(1, path)
            .run();
        try {
            // A work file: when anything fails it is deleted, so it needs no journal.
            m_login.exec(QStringLiteral("PRAGMA %1.journal_mode=OFF").arg(attachedName));
            m_login.exec(QStringLiteral("PRAGMA %1.synchronous=OFF").arg(attachedName));
        } catch (...) {
            detach();
            throw;
        }
    }
    ~AttachedBuildFile() { detach(); }
    AttachedBuildFile(const AttachedBuildFile&) = delete;
    AttachedBuildFile& operator=(const AttachedBuildFile&) = delete;

private:
    void detach() noexcept {
        try {
            m_login.exec(QStringLiteral("DETACH DATABASE %1").arg(attachedName));
        } catch (const EngineError&) {
            // Nothing is written by a detach; the next build attaches again or reports why not.
        }
    }

    Database& m_login;
};

QString joinedDate(const char* year, const char* month, const char* day) {
    return QStringLiteral("(coalesce(%1, '') || coalesce(%2, '') || coalesce(%3, ''))")
        .arg(QLatin1String(year), QLatin1String(month), QLatin1String(day));
}

// Original records ("O", also "o") whose joined start date is after the previous year's 0331
// and whose joined end date is before the return year's 0401, compared as text. They are stored
// in the working file's order: ordering whole rows by sheet number here would pass every row
// through the engine's sorter, twice the time of the copy; readers order them by sheet number.
// Returns the number of records copied, as the engine counted them while it inserted them.
qint64 copyRows(Database& login, int year) {
    const QString employees = columnList(employeeColumns());
    login.exec(createTableSql(qualified(submissionEmployeeTable).toLatin1().constData(),
                              employeeColumns()));
    login
        .prepare(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM main.%3 WHERE Status IN "
                                "(?3, ?4) AND %4 > ?1 AND %5 < ?2 ORDER BY rowid")
                     .arg(qualified(submissionEmployeeTable), employees,
                          QLatin1String(table::employee), joinedDate("EYear1", "EMonth1", "EDay1"),
                          joinedDate("EYear2", "EMonth2", "EDay2")))
        .bind(1, QString::number(year - 1) + QStringLiteral("0331"))
        .bind(2, QString::number(year) + QStringLiteral("0401"))
        .bind(3, recordtype::code(recordtype::original))
        .bind(4, recordtype::code(recordtype::original).toLower())
        .run();
    const qint64 copied = login.changes();
    const QString employers = columnList(employerColumns());
    login.exec(createTableSql(qualified(submissionEmployerTable).toLatin1().constData(),
                              employerColumns()));
    login.exec(
        QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM main.%3")
            .arg(qualified(submissionEmployerTable), employers, QLatin1String(table::employer)));
    return copied;
}

qint64 countRows(Database& db, const QString& table) {
    Statement count = db.prepare(QStringLiteral("SELECT count(*) FROM %1").arg(table));
    return count.next() ? count.value(0).toLongLong() : 0;
}

// The copy fills a fresh file in one pass and leaves no free pages, so that compacting it would
// write every page again to the same size; the file is compacted only when pages are free.
void compact(const QString& buildPath) {
    Database build = Database::open(buildPath, OpenOptions{std::nullopt, false, false});
    Statement freePages = build.prepare(QStringLiteral("PRAGMA freelist_count"));
    if (freePages.next() && freePages.value(0).toLongLong() == 0)
        return;
    // Like the copy, the compaction needs no journal: on failure the build file is deleted.
    build.exec(QStringLiteral("PRAGMA journal_mode=OFF"));
    build.exec(QStringLiteral("VACUUM"));
}

// Reads the finished file back before it is handed on: both tables, and every copied record.
void checkFinished(const QString& path, qint64 count) {
    Database finished = openForReading(path);
    bool complete = false;
    // Counting reads every page once: a small cache serves it as well as a large one would.
    finished.readingOnce([&] {
        complete = countRows(finished, QLatin1String(submissionEmployeeTable)) == count &&
                   countRows(finished, QLatin1String(submissionEmployerTable)) == 1;
    });
    if (!complete)
        throw EngineError(engine::Damaged,
                          QObject::tr("The submission file '%1' did not keep every record; it "
                                      "has been deleted.")
                              .arg(path));
}

} // namespace

Database openForReading(const QString& path) {
    return Database::open(path, OpenOptions{std::nullopt, false, true});
}

qint64 buildSubmission(Database& login, const QString& programFolder, const QString& returnYear) {
    const int year = yearNumber(returnYear);
    files::removeDatabase(programFolder, buildFileName);
    files::removeDatabase(programFolder, submissionFileName);
    const QString buildPath = files::inFolder(programFolder, buildFileName);
    const QString finalPath = files::inFolder(programFolder, submissionFileName);
    try {
        Database::create(buildPath, submissionFormat, std::nullopt);
        qint64 count = 0;
        {
            AttachedBuildFile attached(login, buildPath);
            count = copyRows(login, year);
        }
        if (count == 0)
            throw EngineError(engine::NoCurrentRecord,
                              QObject::tr("No current record: no original record has its "
                                          "period of employment within the return year."));
        compact(buildPath);
        writeThenRename(finalPath, [&](const QString& workPath) {
            if (!QFile::rename(buildPath, workPath))
                throw fileError(workPath, QObject::tr("the compacted file cannot be moved."));
        });
        checkFinished(finalPath, count);
        return count;
    } catch (...) {
        files::removeDatabase(programFolder, buildFileName);
        files::removeDatabase(programFolder, submissionFileName);
        throw;
    }
}
