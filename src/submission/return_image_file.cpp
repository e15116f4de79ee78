#include "submission/return_image_file.h"

#include "store/rows.h"
#include "submission/finished_file.h"
#include "submission/return_image.h"
#include "submission/submission_database.h"

#include <QFile>
#include <QObject>
#include <vector>

namespace {

constexpr qsizetype pieceSize = 1 << 16;

// The engine's values of the current row, read in place.
returnimage::ValueAt storedValues(const Statement& row, Columns columns) {
    return [&row, columns](int column) {
        using Kind = returnimage::StoredValue::Kind;
        if (row.isNull(column))
            return returnimage::StoredValue{};
        if (columns[static_cast<std::size_t>(column)].type != ColumnType::Text)
            return returnimage::StoredValue{Kind::Number, {}, row.value(column).toLongLong()};
        return returnimage::StoredValue{Kind::Text, row.textBytes(column), 0};
    };
}

// The records by numeric sheet number. Only the row numbers are sorted, not whole rows, which
// keeps the sort small and in memory for any size of return.
std::vector<qint64> recordsInImageOrder(Database& submission) {
    Statement order =
        submission.prepare(QStringLiteral("SELECT rowid FROM %1 ORDER BY SheetNo+1000000, rowid")
                               .arg(QLatin1String(submissionEmployeeTable)));
    std::vector<qint64> rows;
    while (order.next())
        rows.push_back(order.value(0).toLongLong());
    return rows;
}

void writeAll(QFile& file, const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size())
        throw fileError(file.fileName(), file.errorString());
}

} // namespace

void streamReturnImage(Database& submission, const std::function<void(const QByteArray&)>& sink) {
    Statement employer = submission.prepare(
        QStringLiteral("SELECT %1 FROM %2 LIMIT 1")
            .arg(columnList(employerColumns()), QLatin1String(submissionEmployerTable)));
    if (!employer.next())
        throw EngineError(engine::NoCurrentRecord,
                          QObject::tr("No current record: the submission has no employer row."));
    QByteArray piece;
    piece.reserve(pieceSize * 2);
    returnimage::appendEmployerLine(piece, storedValues(employer, employerColumns()));
    Statement record = submission.prepare(
        QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?1")
            .arg(columnList(employeeColumns()), QLatin1String(submissionEmployeeTable)));
    const returnimage::ValueAt values = storedValues(record, employeeColumns());
    for (const qint64 row : recordsInImageOrder(submission)) {
        record.reset();
        if (!record.bind(1, row).next())
            throw EngineError(engine::NoCurrentRecord,
                              QObject::tr("No current record: a record of the submission "
                                          "vanished while it was read."));
        returnimage::appendRecordText(piece, values);
        if (piece.size() >= pieceSize) {
            sink(piece);
            piece.clear();
        }
    }
    sink(piece);
}

SubmissionTotals readTotals(Database& submission) {
    SubmissionTotals totals;
    Statement amounts = submission.prepare(
        QStringLiteral("SELECT %1 FROM %2")
            .arg(columnList(incomeColumns()), QLatin1String(submissionEmployeeTable)));
    while (amounts.next()) {
        ++totals.records;
        totals.income += incomeTotal(readRow(amounts, incomeColumns()));
    }
    return totals;
}

void writeReturnImage(const QString& submissionPath, const QString& imagePath) {
    // A leftover image of an earlier run is replaced, never appended to.
    removeFile(imagePath);
    writeThenRename(imagePath, [&](const QString& workPath) {
        QFile file(workPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw fileError(workPath, file.errorString());
        qint64 written = 0;
        Database submission = openForReading(submissionPath);
        streamReturnImage(submission, [&](const QByteArray& bytes) {
            writeAll(file, bytes);
            written += bytes.size();
        });
        if (!file.flush())
            throw fileError(workPath, file.errorString());
        file.close();
        if (file.error() != QFileDevice::NoError || QFile(workPath).size() != written)
            throw fileError(workPath, QObject::tr("the image was not written completely."));
    });
}
