#include "store/common/schema.h"

#include "core/common/files.h"
#include "core/records/record_types.h"
#include "store/common/rows.h"
#include "store/records/working_indexes.h"

#include <QDir>
#include <QObject>
#include <QScopeGuard>

QString databasePath(const QString& folder, DatabaseFile file) {
    return files::inFolder(folder, file == DatabaseFile::Working ? schema::workingFile
                                                                 : schema::conversionFile);
}

namespace {

Database openTarget(const QString& folder, DatabaseFile file) {
    return Database::open(databasePath(folder, file),
                          {.password = schema::defaultPassword, .exclusive = true});
}

void createWithFirstRow(Database& db, const char* tableName, Columns columns,
                        const char* markedColumn, const QString& mark) {
    Transaction transaction(db);
    db.exec(createTableSql(tableName, columns));
    RowValues row = emptyRow(columns);
    row[columnIndex(columns, QLatin1String(markedColumn))] = mark;
    insertRow(db, tableName, columns, row);
    transaction.commit();
}

void createEmployer(Database& db) {
    createWithFirstRow(db, table::employer, employerColumns(), "Version", schema::currentVersion);
}

void createEmployee(Database& db) {
    createWithFirstRow(db, table::employee, employeeColumns(), "Status",
                       recordtype::code(recordtype::placeholder));
}

} // namespace

void createDatabaseFile(const QString& folder, DatabaseFile file) {
    if (file == DatabaseFile::Conversion)
        files::removeDatabase(folder, schema::conversionFile);
    Database::create(databasePath(folder, file), workingFormat, schema::defaultPassword);
}

void createEmployerTable(const QString& folder, DatabaseFile file) {
    Database db = openTarget(folder, file);
    createEmployer(db);
}

void createEmployeeTable(const QString& folder, DatabaseFile file) {
    Database db = openTarget(folder, file);
    createEmployee(db);
    addWorkingIndexes(db);
}

// Each open of an encrypted file derives its key anew, which takes a noticeable moment: the
// conversion makes its target on the connection that then fills it.
Database createConversionTarget(const QString& folder) {
    files::removeDatabase(folder, schema::conversionFile);
    Database db = Database::create(databasePath(folder, DatabaseFile::Conversion), workingFormat,
                                   schema::defaultPassword);
    db.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
    createEmployer(db);
    createEmployee(db);
    return db;
}

// The first database is made in a folder of its own beside where it belongs, and moved into
// place in one step only when all three creation steps are done: a crash or a power loss never
// leaves a half-made working database (start-up removes the folder such a crash leaves).
void createWorkingDatabase(const QString& folder) {
    const QString staging = QDir(folder).filePath(schema::creationFolder);
    const auto cleanUp = qScopeGuard([&] { QDir(staging).removeRecursively(); });
    if (!files::makePrivateFolder(staging))
        throw EngineError(engine::ReadOnly,
                          QObject::tr("The folder '%1' is read-only: the program cannot create "
                                      "its database there.")
                              .arg(QDir::toNativeSeparators(folder)));
    createDatabaseFile(staging, DatabaseFile::Working);
    createEmployerTable(staging, DatabaseFile::Working);
    createEmployeeTable(staging, DatabaseFile::Working);
    if (!files::replaceFile(databasePath(staging, DatabaseFile::Working),
                            QDir(folder).filePath(schema::workingFile)))
        throw EngineError(engine::ReadOnly,
                          QObject::tr("The new database cannot be moved into the folder '%1'.")
                              .arg(QDir::toNativeSeparators(folder)));
}
