#include "store/schema.h"

#include "common/files.h"
#include "store/rows.h"

namespace schema {

QString targetPath(const QString& folder, int first) {
    return files::inFolder(folder, first != 0 ? workingFile : conversionFile);
}

} // namespace schema

namespace {

Database openTarget(const QString& folder, int first) {
    return Database::open(schema::targetPath(folder, first),
                          OpenOptions{schema::defaultPassword, true, false});
}

void createWithFirstRow(const QString& folder, int first, const char* tableName, Columns columns,
                        const char* markedColumn, const QString& mark) {
    Database db = openTarget(folder, first);
    Transaction transaction(db);
    db.exec(createTableSql(tableName, columns));
    RowValues row = emptyRow(columns);
    row[columnIndex(columns, QLatin1String(markedColumn))] = mark;
    insertRow(db, tableName, columns, row);
    transaction.commit();
}

} // namespace

void CreateDB(const QString& folder, int first) {
    if (first == 0)
        files::removeDatabase(folder, schema::conversionFile);
    Database::create(schema::targetPath(folder, first), workingFormat, schema::defaultPassword);
}

void CreateEmployer(const QString& folder, int first) {
    createWithFirstRow(folder, first, table::employer, employerColumns(), "Version",
                       schema::currentVersion);
}

void CreateEmployee(const QString& folder, int first) {
    createWithFirstRow(folder, first, table::employee, employeeColumns(), "Status",
                       QStringLiteral("H"));
}
