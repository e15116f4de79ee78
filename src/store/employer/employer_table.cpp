#include "store/employer/employer_table.h"

#include "core/common/columns.h"
#include "core/common/engine_error.h"
#include "store/common/schema.h"
#include "store/submission/submission_database.h"

#include <QObject>

namespace employertable {

namespace {

const char* tableOf(Holder holder) {
    return holder == Holder::Working ? table::employer : submissionEmployerTable;
}

EngineError noRow(Holder holder) {
    return EngineError(engine::NoCurrentRecord,
                       holder == Holder::Working
                           ? QObject::tr("The working database has no employer row.")
                           : QObject::tr("No current record: the submission has no employer row."));
}

Statement positioned(Database& db, const QString& columns, Holder holder) {
    Statement row = db.prepare(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid LIMIT 1")
                                   .arg(columns, QLatin1String(tableOf(holder))));
    if (!row.next())
        throw noRow(holder);
    return row;
}

} // namespace

Statement openRow(Database& db, Holder holder) {
    return positioned(db, columnList(employerColumns()) + QStringLiteral(", rowid"), holder);
}

qint64 rowIdOf(const Statement& row) {
    return row.value(static_cast<int>(employerColumns().size())).toLongLong();
}

RowValues readEmployerValues(Database& db, Holder holder) {
    Statement row = openRow(db, holder);
    return readRow(row, employerColumns());
}

StoredEmployer readEmployer(Database& db, Holder holder) {
    Statement row = openRow(db, holder);
    return {rowIdOf(row), EmployerData::fromRow(readRow(row, employerColumns()))};
}

QVariant readEmployerColumn(Database& db, const char* column, Holder holder) {
    return positioned(db, quoted(column), holder).value(0);
}

void writeEmployerValues(Database& db, qint64 rowId, const RowValues& values) {
    updateRow(db, table::employer, employerColumns(), rowId, values);
    if (db.changes() != 1)
        throw noRow(Holder::Working);
}

void writeEmployer(Database& db, qint64 rowId, const EmployerData& data) {
    writeEmployerValues(db, rowId, data.toRow());
}

void writeReturnYear(Database& db, qint64 rowId, const QString& year) {
    checkValue(column(employerColumns(), QStringLiteral("ReturnYear")), year);
    db.prepare(QStringLiteral("UPDATE %1 SET ReturnYear = ?1 WHERE rowid = ?2")
                   .arg(QLatin1String(table::employer)))
        .bind(1, year)
        .bind(2, rowId)
        .run();
    if (db.changes() != 1)
        throw noRow(Holder::Working);
}

} // namespace employertable
