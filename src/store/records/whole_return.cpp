#include "store/records/whole_return.h"

#include "core/records/record_types.h"
#include "store/employer/employer_table.h"
#include "store/records/report_rows.h"

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

} // namespace

validation::ReturnReport validateWholeReturn(Database& db,
                                             std::optional<validation::LastYearReturn> lastYear) {
    validation::ReturnValidator check(employertable::readEmployer(db).data, std::move(lastYear));
    // The check reads every page of the table once, in order: for a large return, whose file is
    // larger than the cache, a pass in order finds none of its pages there either.
    db.readingOnce([&] {
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
