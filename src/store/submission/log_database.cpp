#include "store/submission/log_database.h"

#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "core/submission/digest.h"
#include "store/common/rows.h"
#include "store/submission/return_image_file.h"
#include "store/submission/submission_database.h"

#include <QFileInfo>
#include <QObject>

namespace {

QString digestOf(const QString& imagePath) {
    const FileDigest digest = fileDigest(imagePath);
    if (digest.result != 0)
        throw EngineError(engine::DiskError, digestFailureText() + QString::number(digest.result));
    return digest.digest;
}

LogRecord recordFor(const LogSources& sources, const std::optional<SubmissionTotals>& given) {
    const QString digest = digestOf(sources.imagePath);
    const SubmissionTotals totals = given ? *given : [&] {
        Database submission = openForReading(sources.submissionPath);
        return readTotals(submission);
    }();
    return makeLogRecord(sources.targetPath, QFileInfo(sources.submissionPath).size(),
                         sources.savedAt, digest, totals);
}

void createLog(const QString& path, const LogRecord& record) {
    Database log = Database::create(path, submissionFormat, std::nullopt);
    log.exec(createTableSql(checksumTable, checksumColumns()));
    insertRow(log, checksumTable, checksumColumns(), record.toRow());
}

} // namespace

LogRecord readLogRecord(const QString& logPath) {
    Database log = openForReading(logPath);
    return readLogRecord(log, logPath);
}

LogRecord readLogRecord(Database& log, const QString& logPath) {
    Statement read =
        log.prepare(QStringLiteral("SELECT %1 FROM %2")
                        .arg(columnList(checksumColumns()), QLatin1String(checksumTable)));
    if (!read.next())
        throw EngineError(
            engine::NoCurrentRecord,
            QObject::tr("No current record: the log '%1' holds no row.").arg(logPath));
    const LogRecord record = LogRecord::fromRow(readRow(read, checksumColumns()));
    if (read.next())
        throw EngineError(engine::Damaged,
                          QObject::tr("The log '%1' holds more than one row.").arg(logPath));
    return record;
}

LogRecord writeLogDatabase(const QString& programFolder, const LogSources& sources,
                           const std::optional<SubmissionTotals>& totals) {
    const LogRecord record = recordFor(sources, totals);
    const QString logPath = files::inFolder(programFolder, logFileName);
    files::removeDatabase(programFolder, logFileName);
    writeThenRename(logPath, [&](const QString& workPath) { createLog(workPath, record); });
    try {
        if (readLogRecord(logPath).toRow() != record.toRow())
            throw EngineError(engine::Damaged,
                              QObject::tr("The log '%1' did not keep its record; it has been "
                                          "deleted.")
                                  .arg(logPath));
    } catch (...) {
        files::removeDatabase(programFolder, logFileName);
        throw;
    }
    return record;
}
