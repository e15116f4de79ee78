#pragma once

#include <array>

#include "core/common/columns.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

// The one row of the log database that travels beside the submission: which file, its size,
// when it was saved, the digest of its text image, the format version and the two totals.
inline const QString logFileName = QStringLiteral("~~log~~.mdb");
inline constexpr const char* checksumTable = "Checksum";
inline const QString logFormatVersion = QStringLiteral("3.0");

// The eight text columns of table Checksum, in their order.
Columns checksumColumns();

// Counted and summed as 64-bit numbers, so no size of return is refused.
struct SubmissionTotals {
    qint64 records = 0;
    qint64 income = 0;
    std::array<qint64, 12> categories{}; // income categories a to l, the other rewards as k
};

struct LogRecord {
    QString fileName;
    QString fileSize;
    QString date;
    QString time;
    QString code;
    QString version;
    QString totalRecords;
    QString totalIncome;

    QList<QVariant> toRow() const;
    static LogRecord fromRow(const QList<QVariant>& row);
};

// The name part of the target path, cut to 12 characters.
QString fileNameOnMedium(const QString& targetPath);
// The folder of the target path with its trailing separator; a drive root such as A:\ stays whole.
QString folderOnMedium(const QString& targetPath);
QString logPathOnMedium(const QString& targetPath);

// The 32 digest characters as 8, a space, 20, a space and 4.
QString digestCode(const QString& digest);

LogRecord makeLogRecord(const QString& targetPath, qint64 submissionSize, const QDateTime& savedAt,
                        const QString& digest, const SubmissionTotals& totals);
