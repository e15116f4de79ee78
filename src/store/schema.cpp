#include "store/schema.h"

#include "common/files.h"
#include "store/rows.h"

QString databasePath(const QString& folder, DatabaseFile file) {
    return files::inFolder(folder, file == DatabaseFile::Working ? schema::workingFile
                                                                 : schema::conversionFile);
}

namespace {

Database openTarget(const QString& folder, DatabaseFile file) {
    return Database::open(databasePath(folder, file),
                          {.password = schema::defaultPassword, .exclusive = true});
}

void createWithFirstRow(const QString& folder, DatabaseFile file, const char* tableName,
                        Columns columns, const char* markedColumn, const QString& mark) {
    Database db = openTarget(folder, file);
    Transaction transaction(db);
    db.exec(createTableSql(tableName, columns));
    RowValues row = emptyRow(columns);
    row[columnIndex(columns, QLatin1String(markedColumn))] = mark;
    insertRow(db, tableName, columns, row);
    transaction.commit();
}

} // namespace

void createDatabaseFile(const QString& folder, DatabaseFile file) {
    if (file == DatabaseFile::Conversion)
        files::removeDatabase(folder, schema::conversionFile);
    Database::create(databasePath(folder, file), workingFormat, schema::defaultPassword);
}

void createEmployerTable(const QString& folder, DatabaseFile file) {
    createWithFirstRow(folder, file, table::employer, employerColumns(), "Version",
                       schema::currentVersion);
}

void createEmployeeTable(const QString& folder, DatabaseFile file) {
    createWithFirstRow(folder, file, table::employee, employeeColumns(), "Status",
                       QStringLiteral("H"));
}

// A half-made working database would only fail again at the next start: it goes.
void createWorkingDatabase(const QString& folder) {
    try {
        createDatabaseFile(folder, DatabaseFile::Working);
        createEmployerTable(folder, DatabaseFile::Working);
        createEmployeeTable(folder, DatabaseFile::Working);
    } catch (const EngineError&) {
        files::removeDatabase(folder, schema::workingFile);
        throw;
    }
}
