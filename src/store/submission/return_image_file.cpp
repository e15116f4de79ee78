#include "store/submission/return_image_file.h"

#include "core/common/amounts.h"
#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "core/common/text_blocks.h"
#include "core/records/income_lines.h"
#include "core/submission/return_image.h"
#include "store/common/rows.h"
#include "store/employer/employer_table.h"
#include "store/submission/submission_database.h"

#include <QFile>
#include <QObject>
#include <algorithm>
#include <limits>
#include <numeric>
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

void handOnFullPiece(QByteArray& piece, const std::function<void(const QByteArray&)>& sink) {
    if (piece.size() < pieceSize)
        return;
    sink(piece);
    piece.clear();
}

// An amount of a few plain digits, as nearly every stored amount is, is read as it stands; any
// other goes through the general rule, with its errors.
qint64 storedAmount(const Statement& row, int column, QByteArrayView text) {
    if (text.size() < 10 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        qint64 amount = 0;
        for (const char digit : text)
            amount = amount * 10 + (digit - '0');
        return amount;
    }
    return amountToLong(row.value(column));
}

// Adds one record's amounts, read at these columns of the row in income line order. Most
// amounts are missing or empty and add nothing; only the others are converted.
void addToTotals(SubmissionTotals& totals, const Statement& row, const std::vector<int>& amounts) {
    ++totals.records;
    for (std::size_t line = 0; line < amounts.size(); ++line) {
        const QByteArrayView text = row.textBytes(amounts[line]);
        if (text.isEmpty())
            continue;
        const qint64 amount = storedAmount(row, amounts[line], text);
        totals.categories[std::size_t(incomeLines()[line].letter - 'a')] += amount;
        totals.income += amount;
    }
}

// Where each income line's amount stands among the employee columns.
std::vector<int> incomePlaces() {
    std::vector<int> places;
    for (const ColumnDef& column : incomeColumns())
        places.push_back(columnIndex(employeeColumns(), QLatin1String(column.name)));
    return places;
}

struct RenderedRecords {
    TextBlocks texts;           // each record's text, in file order
    std::vector<double> sheets; // each record's numeric sheet number, in file order
};

// One pass over the records in file order renders each one and keeps its numeric sheet number
// (the query's last column). The engine puts a record without a number before every numbered
// one, so such a record counts as the lowest of all.
RenderedRecords renderInFileOrder(Database& submission, SubmissionTotals* totals) {
    Statement records = submission.prepare(
        QStringLiteral("SELECT %1, SheetNo+1000000 FROM %2 ORDER BY rowid")
            .arg(columnList(employeeColumns()), QLatin1String(submissionEmployeeTable)));
    const int sheetColumn = static_cast<int>(employeeColumns().size());
    const returnimage::ValueAt values = storedValues(records, employeeColumns());
    const std::vector<int> amounts = incomePlaces();
    RenderedRecords rendered;
    QByteArray record;
    while (records.next()) {
        record.resize(0);
        returnimage::appendRecordText(record, values);
        rendered.texts.add(record);
        if (totals)
            addToTotals(*totals, records, amounts);
        rendered.sheets.push_back(records.isNull(sheetColumn)
                                      ? -std::numeric_limits<double>::infinity()
                                      : records.value(sheetColumn).toDouble());
    }
    return rendered;
}

// Records of equal numbers keep their file order, as the engine's own ordering by sheet number
// and then row would give them.
void appendInSheetOrder(QByteArray& piece, const RenderedRecords& rendered,
                        const std::function<void(const QByteArray&)>& sink) {
    std::vector<std::size_t> order(rendered.sheets.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::ranges::stable_sort(order, {},
                             [&rendered](std::size_t record) { return rendered.sheets[record]; });
    for (const std::size_t record : order) {
        piece.append(rendered.texts.at(record));
        handOnFullPiece(piece, sink);
    }
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

void streamReturnImage(Database& submission, const std::function<void(const QByteArray&)>& sink,
                       SubmissionTotals* totals) {
    const Statement employer =
        employertable::openRow(submission, employertable::Holder::Submission);
    QByteArray piece;
    piece.reserve(pieceSize * 2);
    returnimage::appendEmployerLine(piece, storedValues(employer, employerColumns()));
    // The build stores the records in file order, so that the copy needs no sort of whole rows:
    // one pass renders them, and only the rendered texts are put in sheet order. That pass reads
    // each page once, so it keeps the page cache small.
    submission.readingOnce(
        [&] { appendInSheetOrder(piece, renderInFileOrder(submission, totals), sink); });
    sink(piece);
}

SubmissionTotals readTotals(Database& submission) {
    SubmissionTotals totals;
    Statement amounts = submission.prepare(
        QStringLiteral("SELECT %1 FROM %2")
            .arg(columnList(incomeColumns()), QLatin1String(submissionEmployeeTable)));
    std::vector<int> places(incomeColumns().size());
    std::iota(places.begin(), places.end(), 0);
    while (amounts.next())
        addToTotals(totals, amounts, places);
    return totals;
}

SubmissionTotals writeReturnImage(const QString& submissionPath, const QString& imagePath,
                                  const std::function<void()>& pieceWritten) {
    SubmissionTotals totals;
    // A leftover image of an earlier run is replaced, never appended to.
    removeFile(imagePath);
    writeThenRename(imagePath, [&](const QString& workPath) {
        // The image holds the return's names, numbers and incomes: the user's alone.
        QFile file(workPath);
        if (!files::openPrivateFile(file))
            throw fileError(workPath, file.errorString());
        qint64 written = 0;
        Database submission = openForReading(submissionPath);
        totals = SubmissionTotals{};
        const auto write = [&](const QByteArray& bytes) {
            writeAll(file, bytes);
            written += bytes.size();
            if (pieceWritten)
                pieceWritten();
        };
        streamReturnImage(submission, write, &totals);
        if (!file.flush())
            throw fileError(workPath, file.errorString());
        file.close();
        if (file.error() != QFileDevice::NoError || QFile(workPath).size() != written)
            throw fileError(workPath, QObject::tr("the image was not written completely."));
    });
    return totals;
}
