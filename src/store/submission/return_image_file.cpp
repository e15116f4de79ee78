#include "store/submission/return_image_file.h"

#include "core/common/amounts.h"
#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "core/records/income_lines.h"
#include "core/submission/return_image.h"
#include "store/common/rows.h"
#include "store/employer/employer_table.h"
#include "store/submission/submission_database.h"

#include <QFile>
#include <QObject>
#include <optional>
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

void writeAll(QFile& file, const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size())
        throw fileError(file.fileName(), file.errorString());
}

} // namespace

std::vector<qint64> recordsInImageOrder(Database& submission) {
    Statement order =
        submission.prepare(QStringLiteral("SELECT rowid FROM %1 ORDER BY SheetNo+1000000, rowid")
                               .arg(QLatin1String(submissionEmployeeTable)));
    std::vector<qint64> rows;
    while (order.next())
        rows.push_back(order.value(0).toLongLong());
    return rows;
}

bool storedInImageOrder(Database& submission) {
    Statement keys =
        submission.prepare(QStringLiteral("SELECT SheetNo+1000000 FROM %1 ORDER BY rowid")
                               .arg(QLatin1String(submissionEmployeeTable)));
    // The engine puts a row without a number before every numbered one, and rows of equal
    // numbers in file order, so the file is in image order when its keys never go down.
    std::optional<double> previous;
    while (keys.next()) {
        if (keys.isNull(0)) {
            if (previous)
                return false;
            continue;
        }
        const double key = keys.value(0).toDouble();
        if (previous && key < *previous)
            return false;
        previous = key;
    }
    return true;
}

void streamReturnImage(Database& submission, const std::function<void(const QByteArray&)>& sink) {
    const Statement employer =
        employertable::openRow(submission, employertable::Holder::Submission);
    QByteArray piece;
    piece.reserve(pieceSize * 2);
    returnimage::appendEmployerLine(piece, storedValues(employer, employerColumns()));
    const auto appendRecord = [&](const returnimage::ValueAt& record) {
        returnimage::appendRecordText(piece, record);
        if (piece.size() >= pieceSize) {
            sink(piece);
            piece.clear();
        }
    };
    // The build stores the records in the image's order, so one pass through the table reads
    // them; a file in any other order is read record by record.
    if (storedInImageOrder(submission)) {
        Statement records = submission.prepare(
            QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                .arg(columnList(employeeColumns()), QLatin1String(submissionEmployeeTable)));
        const returnimage::ValueAt values = storedValues(records, employeeColumns());
        while (records.next())
            appendRecord(values);
    } else {
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
            appendRecord(values);
        }
    }
    sink(piece);
}

SubmissionTotals readTotals(Database& submission) {
    SubmissionTotals totals;
    Statement amounts = submission.prepare(
        QStringLiteral("SELECT %1 FROM %2")
            .arg(columnList(incomeColumns()), QLatin1String(submissionEmployeeTable)));
    const int columns = static_cast<int>(incomeColumns().size());
    while (amounts.next()) {
        ++totals.records;
        // Most amounts are missing or empty and add nothing; only the others are converted.
        for (int column = 0; column < columns; ++column) {
            if (amounts.textBytes(column).isEmpty())
                continue;
            const qint64 amount = amountToLong(amounts.value(column));
            totals.categories[std::size_t(incomeLines()[std::size_t(column)].letter - 'a')] +=
                amount;
            totals.income += amount;
        }
    }
    return totals;
}

void writeReturnImage(const QString& submissionPath, const QString& imagePath,
                      const std::function<void()>& pieceWritten) {
    // A leftover image of an earlier run is replaced, never appended to.
    removeFile(imagePath);
    writeThenRename(imagePath, [&](const QString& workPath) {
        // The image holds the return's names, numbers and incomes: the user's alone.
        QFile file(workPath);
        if (!files::openPrivateFile(file))
            throw fileError(workPath, file.errorString());
        qint64 written = 0;
        Database submission = openForReading(submissionPath);
        streamReturnImage(submission, [&](const QByteArray& bytes) {
            writeAll(file, bytes);
            written += bytes.size();
            if (pieceWritten)
                pieceWritten();
        });
        if (!file.flush())
            throw fileError(workPath, file.errorString());
        file.close();
        if (file.error() != QFileDevice::NoError || QFile(workPath).size() != written)
            throw fileError(workPath, QObject::tr("the image was not written completely."));
    });
}
