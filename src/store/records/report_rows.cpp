#include "store/records/report_rows.h"

#include "core/records/record_types.h"

namespace {

QList<qint64> keys(Statement& query) {
    QList<qint64> found;
    while (query.next())
        found << query.value(0).toLongLong();
    return found;
}

} // namespace

QList<qint64> originalRecordKeys(Database& db) {
    // Text columns compare without regard to case, so the exact code needs its own collation.
    Statement query =
        db.prepare(QStringLiteral("select rowid from employee where Status = ? collate binary "
                                  "order by cast(SheetNo as integer), rowid"));
    query.bind(1, recordtype::code(recordtype::original));
    return keys(query);
}

QList<qint64> everyRecordKeys(Database& db) {
    Statement query = db.prepare(
        QStringLiteral("select rowid from employee where %1 order by Status <> ? collate binary, "
                       "cast(SheetNo as integer), rowid")
            .arg(recordtype::realRecordsCondition()));
    query.bind(1, recordtype::code(recordtype::original));
    return keys(query);
}

QList<qint64> recordKeysWithId(Database& db, qint64 id) {
    Statement query =
        db.prepare(QStringLiteral("select rowid from employee where ID = ? and %1 order by rowid")
                       .arg(recordtype::realRecordsCondition()));
    query.bind(1, id);
    return keys(query);
}

RowValues readEmployeeRow(Database& db, qint64 key) {
    Statement read = db.prepare(QStringLiteral("select %1 from employee where rowid = ?")
                                    .arg(columnList(employeeColumns())));
    read.bind(1, key);
    return read.next() ? readRow(read, employeeColumns()) : RowValues();
}
