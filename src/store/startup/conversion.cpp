#include "store/startup/conversion.h"

#include "store/employer/employer_table.h"

#include "core/common/conversion_rules.h"
#include "core/common/files.h"
#include "store/common/database_copy.h"
#include "store/common/foreign_file.h"
#include "store/common/read_limits.h"
#include "store/common/rows.h"
#include "store/common/schema.h"
#include "store/records/employee_copy.h"

#include <QDir>
#include <QObject>
#include <QScopeGuard>

namespace {

conversion::OldLayout layoutOf(Database& old, const char* tableName) {
    conversion::OldLayout layout;
    Statement info =
        old.prepare(QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(tableName)));
    while (info.next()) {
        layout.names << info.value(1).toString();
        layout.declaredTypes << info.value(2).toString();
    }
    if (layout.names.isEmpty())
        throw EngineError(
            engine::NoSuchTable,
            QObject::tr("The old database has no table '%1'.").arg(QLatin1String(tableName)));
    return layout;
}

qint64 countRows(Database& db, const char* tableName) {
    Statement count =
        db.prepare(QStringLiteral("select count(*) from %1").arg(QLatin1String(tableName)));
    return count.next() ? count.value(0).toLongLong() : 0;
}

// Of the employer row only the year, the file number's section, the name and the designation
// are taken; the rest is entered again on the employer screen. An empty old text, which our
// columns refuse, leaves the column without a value for the same reason.
void copyEmployer(Database& old, Database& fresh) {
    const Columns ours = employerColumns();
    const conversion::ColumnMatch match =
        conversion::matchColumns(ours, layoutOf(old, table::employer));
    Statement oldRow = old.prepare(QStringLiteral("select * from employer limit 1"));
    if (!oldRow.next())
        throw EngineError(engine::NoCurrentRecord,
                          QObject::tr("The old database has no employer row."));
    const RowValues oldValues = readWholeRow(oldRow);
    Statement newRow = employertable::openRow(fresh, employertable::Holder::Working);
    RowValues values = readRow(newRow, ours);
    for (const char* name : {"ReturnYear", "Session", "Name", "Designation"}) {
        const int at = columnIndex(ours, QLatin1String(name));
        const int from = match.oldPosition[at];
        const QVariant value = from < 0 ? QVariant() : oldValues[from];
        values[at] = value.toString().isEmpty() ? QVariant() : value;
    }
    employertable::writeEmployerValues(fresh, employertable::rowIdOf(newRow), values);
}

// Returns the number of rows written.
qint64 copyEmployees(Database& old, Database& fresh, const ConversionProgress& progress,
                     CarefulCopy& careful) {
    const qint64 total = countRows(old, table::employee);
    progress(0, total);
    const qint64 written = copyEmployeeRows(
        old, fresh, conversion::matchColumns(employeeColumns(), layoutOf(old, table::employee)),
        total, progress, careful);
    progress(total, total);
    return written;
}

// The row counts of both tables of the closed new database, read back with the default
// password. Every page is checked, and the engine checks each page's authentication code as it
// decrypts it, so a page written wrong cannot pass.
QList<qint64> readBack(const QString& path) {
    Database check = Database::open(path, {.password = schema::defaultPassword,
                                           .exclusive = true,
                                           .readOnly = true,
                                           .readsOnce = true});
    return readWhole(check);
}

void fillNewDatabase(Database& old, const QString& folder, const ConversionProgress& progress,
                     CarefulCopy& careful) {
    qint64 written = 0;
    {
        Database fresh = createConversionTarget(folder);
        fresh.attachReadOnly(old.path(), oldSchema);
        // The old file is read on both connections; each step of the copy gives it time again.
        ReadLimits reading({&old, &fresh}, schema::workingFile, std::chrono::seconds(10));
        const ConversionProgress renewing = [&](qint64 done, qint64 total) {
            reading.renew();
            progress(done, total);
        };
        Transaction transaction(fresh, Transaction::Start::Deferred);
        reading.run([&] {
            copyEmployer(old, fresh);
            written = copyEmployees(old, fresh, renewing, careful);
        });
        transaction.commit();
    }
    // Only a complete new database takes the old one's place.
    if (readBack(databasePath(folder, DatabaseFile::Conversion)) != QList<qint64>{1, written + 1})
        throw EngineError(engine::Damaged,
                          QObject::tr("The converted database does not read back as written."));
}

EngineError renameFailed(const QString& from, const QString& to) {
    return EngineError(engine::PathFileAccess,
                       QObject::tr("The file '%1' cannot be renamed to '%2'.").arg(from, to));
}

// The old file goes aside first; when the new one cannot take its place, it comes back.
void putInPlace(const QString& folder) {
    const QString working = files::inFolder(folder, schema::workingFile);
    const QString kept = files::inFolder(folder, schema::keptOldFile);
    if (files::exists(folder, schema::keptOldFile))
        throw renameFailed(schema::workingFile, schema::keptOldFile);
    if (!files::replaceFile(working, kept))
        throw renameFailed(schema::workingFile, schema::keptOldFile);
    if (files::replaceFile(databasePath(folder, DatabaseFile::Conversion), working))
        return;
    if (!files::replaceFile(kept, working))
        throw EngineError(engine::PathFileAccess,
                          QObject::tr("The new database cannot be renamed to '%1', and the old "
                                      "one cannot be given its name back: rename '%2' to '%1' "
                                      "before the next start.")
                              .arg(schema::workingFile, schema::keptOldFile));
    throw renameFailed(schema::conversionFile, schema::workingFile);
}

} // namespace

ConversionResult convertDatabase(const QString& folder, const ConversionProgress& progress,
                                 const ConversionOptions& options) {
    requireOwnPlainDatabase(databasePath(folder, DatabaseFile::Working));
    auto removeNew = qScopeGuard([&] { files::removeDatabase(folder, schema::conversionFile); });
    CarefulCopy careful{options.cutTooLongTexts, {}};
    {
        // Read-only: whatever happens, the old file keeps every byte.
        Database old = Database::open(
            databasePath(folder, DatabaseFile::Working),
            {.password = std::nullopt, .exclusive = true, .readOnly = true, .readsOnce = true});
        fillNewDatabase(old, folder, progress, careful);
    }
    try {
        putInPlace(folder);
    } catch (const EngineError&) {
        // Without a working database the new one is all the folder holds: it stays.
        if (!files::exists(folder, schema::workingFile))
            removeNew.dismiss();
        throw;
    }
    removeNew.dismiss();
    return ConversionResult{careful.cut};
}

bool finishInterruptedConversion(const QString& folder) {
    if (files::exists(folder, schema::workingFile) || !files::exists(folder, schema::keptOldFile) ||
        !files::exists(folder, schema::conversionFile))
        return false;
    const QString fresh = databasePath(folder, DatabaseFile::Conversion);
    try {
        const QList<qint64> counts = readBack(fresh);
        if (counts.value(0) != 1 || counts.value(1) < 1)
            return false;
    } catch (const EngineError&) {
        return false; // not complete: the user is told what lies there
    }
    if (!files::replaceFile(fresh, QDir(folder).filePath(schema::workingFile)))
        throw renameFailed(schema::conversionFile, schema::workingFile);
    return true;
}
