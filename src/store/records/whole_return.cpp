#include "store/records/whole_return.h"

#include "core/records/record_types.h"
#include "store/employer/employer_table.h"
#include "store/records/report_rows.h"

#include <sqlite3.h>

namespace {

// A record's texts read straight from the statement into the row, which is refilled for each
// record. A text column holds texts alone (the engine turns a number bound to it into a text),
// so its bytes are the text; a number column is read as a value.
void readRow(const Statement& records, RecordRow& row) {
    const Columns columns = employeeColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int at = static_cast<int>(i);
        if (columns[i].type != ColumnType::Text)
            row.setText(at, records.isNull(at) ? QString() : textFromValue(records.value(at)));
        else if (const QByteArrayView text = records.textBytes(at); !text.isEmpty())
            row.setText(at, QString::fromUtf8(text));
        else
            row.setText(at, QString());
    }
}

// The check reads every page of the table once, in order. The connection's page cache would only
// fill with pages the check never reads again (for a large return, whose file is larger than
// the cache, a pass in order finds none of them there either), so while it reads, the cache is
// held to a few pages; it is given back its size when the reading ends, also by an error. Inside
// a transaction it is left alone: a smaller cache could make the engine write changed pages out
// early.
template <typename Reading> void readingOnce(Database& db, const Reading& read) {
    const QString size = [&db] {
        Statement query = db.prepare(QStringLiteral("PRAGMA cache_size"));
        return query.next() ? query.value(0).toString() : QString();
    }();
    if (size.isEmpty() || !sqlite3_get_autocommit(db.handle()))
        return read();
    constexpr int onePassCacheKiB = 256;
    db.exec(QStringLiteral("PRAGMA cache_size=-%1").arg(onePassCacheKiB));
    try {
        read();
    } catch (...) {
        db.exec(QStringLiteral("PRAGMA cache_size=%1").arg(size));
        throw;
    }
    db.exec(QStringLiteral("PRAGMA cache_size=%1").arg(size));
}

} // namespace

validation::ReturnReport validateWholeReturn(Database& db,
                                             std::optional<validation::LastYearReturn> lastYear) {
    validation::ReturnValidator check(employertable::readEmployer(db).data, std::move(lastYear));
    readingOnce(db, [&] {
        Statement records =
            db.prepare(QStringLiteral("select %1 from employee where %2 order by rowid")
                           .arg(columnList(employeeColumns()), recordtype::realRecordsCondition()));
        const int idColumn = columnIndex(employeeColumns(), QStringLiteral("ID"));
        RecordRow row;
        while (records.next()) {
            const QVariant id = records.value(idColumn);
            readRow(records, row);
            check.addRecord(id.isNull() ? std::nullopt : std::optional<qint64>(id.toLongLong()),
                            row, QStringLiteral("record ") + recordName(row));
        }
    });
    return check.finish();
}

QList<ReturnProblem> checkWholeReturn(Database& db) {
    return validateWholeReturn(db).problems;
}
