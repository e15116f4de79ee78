#include "store/records/whole_return.h"

#include "core/records/record_types.h"
#include "store/employer/employer_table.h"
#include "store/records/report_rows.h"

namespace {

// A record's texts read straight from the statement, each column's key made once for the whole
// read. An empty column is left out: it reads as an empty text all the same, and most of a
// record's columns are empty. A text column holds texts alone (the engine turns a number bound
// to it into a text), so its bytes are the text; a number column is read as a value.
FieldTexts readTexts(const Statement& records, const QList<QString>& keys) {
    FieldTexts fields;
    fields.reserve(keys.size());
    const Columns columns = employeeColumns();
    for (int i = 0; i < keys.size(); ++i) {
        if (columns[std::size_t(i)].type != ColumnType::Text) {
            if (!records.isNull(i))
                fields.insert(keys.at(i), textFromValue(records.value(i)));
        } else if (const QByteArrayView text = records.textBytes(i); !text.isEmpty()) {
            fields.insert(keys.at(i), QString::fromUtf8(text));
        }
    }
    return fields;
}

} // namespace

validation::ReturnReport validateWholeReturn(Database& db,
                                             std::optional<validation::LastYearReturn> lastYear) {
    validation::ReturnValidator check(employertable::readEmployer(db).data, std::move(lastYear));
    Statement records =
        db.prepare(QStringLiteral("select %1 from employee where %2 order by rowid")
                       .arg(columnList(employeeColumns()), recordtype::realRecordsCondition()));
    QList<QString> keys;
    for (const ColumnDef& column : employeeColumns())
        keys << columnKey(column.name);
    const int idColumn = columnIndex(employeeColumns(), QStringLiteral("ID"));
    while (records.next()) {
        const QVariant id = records.value(idColumn);
        const FieldTexts texts = readTexts(records, keys);
        check.addRecord(id.isNull() ? std::nullopt : std::optional<qint64>(id.toLongLong()), texts,
                        QStringLiteral("record ") + recordName(texts));
    }
    return check.finish();
}

QList<ReturnProblem> checkWholeReturn(Database& db) {
    return validateWholeReturn(db).problems;
}
