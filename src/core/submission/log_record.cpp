#include "core/submission/log_record.h"

#include <array>

namespace {

constexpr std::array checksum{
    ColumnDef{"FName", ColumnType::Text, 12, true},
    ColumnDef{"FSize", ColumnType::Text, 11, true},
    ColumnDef{"FDate", ColumnType::Text, 10, true},
    ColumnDef{"FTime", ColumnType::Text, 7, true},
    ColumnDef{"FCode", ColumnType::Text, 34, true},
    ColumnDef{"DBVersion", ColumnType::Text, 3, true},
    ColumnDef{"TotalRec", ColumnType::Text, 6, true},
    ColumnDef{"TotalIncome", ColumnType::Text, 12, true},
};

// Where the folder part of a target path ends: its last separator at or after the fourth
// character, or the third character when there is none (a drive root such as A:\).
qsizetype folderEnd(const QString& path) {
    for (qsizetype at = path.size() - 1; at >= 3; --at)
        if (path[at] == u'\\' || path[at] == u'/')
            return at;
    return 2;
}

} // namespace

Columns checksumColumns() {
    return checksum;
}

QList<QVariant> LogRecord::toRow() const {
    return {fileName, fileSize, date, time, code, version, totalRecords, totalIncome};
}

LogRecord LogRecord::fromRow(const QList<QVariant>& row) {
    return {row.value(0).toString(), row.value(1).toString(), row.value(2).toString(),
            row.value(3).toString(), row.value(4).toString(), row.value(5).toString(),
            row.value(6).toString(), row.value(7).toString()};
}

QString fileNameOnMedium(const QString& targetPath) {
    return targetPath.mid(folderEnd(targetPath) + 1).left(12);
}

QString folderOnMedium(const QString& targetPath) {
    return targetPath.left(folderEnd(targetPath) + 1);
}

QString logPathOnMedium(const QString& targetPath) {
    return folderOnMedium(targetPath) + logFileName;
}

QString digestCode(const QString& digest) {
    return digest.mid(0, 8) + u' ' + digest.mid(8, 20) + u' ' + digest.mid(28, 4);
}

LogRecord makeLogRecord(const QString& targetPath, qint64 submissionSize, const QDateTime& savedAt,
                        const QString& digest, const SubmissionTotals& totals) {
    return {fileNameOnMedium(targetPath),
            QString::number(submissionSize).left(11),
            savedAt.toString(QStringLiteral("dd/MM/yyyy")),
            savedAt.toString(QStringLiteral("HH:mm")),
            digestCode(digest),
            logFormatVersion,
            QString::number(totals.records),
            QString::number(totals.income)};
}
