#pragma once

#include "core/submission/log_record.h"
#include "store/common/database.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>

struct LogSources {
    QString submissionPath; // TEMP73D.MDB in the program folder
    QString imagePath;      // the return text image written from it
    QString targetPath;     // where the submission goes on the medium
    QDateTime savedAt;
};

// The text of the error box when the image cannot be digested; the failure code follows it.
inline QString digestFailureText() {
    return QObject::tr("File saving error(2), please try again!");
}

// Digests the image, totals the submission and writes "~~log~~.mdb" (plain, format "2.0", the
// one table Checksum with its one row) into the program folder, complete or not at all. Returns
// the record as written and read back.
// totals: those the image's pass read from the submission; read from it again when not given.
LogRecord writeLogDatabase(const QString& programFolder, const LogSources& sources,
                           const std::optional<SubmissionTotals>& totals = std::nullopt);

// The one row of a log database's table Checksum.
LogRecord readLogRecord(const QString& logPath);
// The same on a connection already open to it; errors name the log by `logPath`.
LogRecord readLogRecord(Database& log, const QString& logPath);
