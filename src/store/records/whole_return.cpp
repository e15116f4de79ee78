#include "store/records/whole_return.h"

#include "core/records/record_types.h"
#include "store/employer/employer_table.h"
#include "store/records/report_rows.h"

validation::ReturnReport validateWholeReturn(Database& db,
                                             std::optional<validation::LastYearReturn> lastYear) {
    validation::ReturnValidator check(employertable::readEmployer(db).data, std::move(lastYear));
    Statement records =
        db.prepare(QStringLiteral("select %1 from employee where %2 order by rowid")
                       .arg(columnList(employeeColumns()), recordtype::realRecordsCondition()));
    const int idColumn = columnIndex(employeeColumns(), QStringLiteral("ID"));
    while (records.next()) {
        const RowValues row = readRow(records, employeeColumns());
        const QVariant id = row.at(idColumn);
        const FieldTexts texts = recordTexts(row);
        check.addRecord(id.isNull() ? std::nullopt : std::optional<qint64>(id.toLongLong()), texts,
                        QStringLiteral("record ") + recordName(texts));
    }
    return check.finish();
}

QList<ReturnProblem> checkWholeReturn(Database& db) {
    return validateWholeReturn(db).problems;
}
