#pragma once

#include "core/import/record_updates.h"

#include <functional>
#include <optional>

class Database;

// Export and import of the employee records as CSV files, through the working database.

// Writes every real record (never the placeholder), one row each in the column table's order
// after a header of the columns' labels, as the editor's captions name them, so that a
// spreadsheet shows what each column is and an import reads the file back as the same records.
// Amounts are written as they are stored, grouped by commas. UTF-8 with a byte-order mark;
// returns the number of records. The file is written aside and put in place only when complete,
// and read back before that.
int exportRecords(Database& db, const QString& path);
// The header of labels and one example row for the database's return year, for filling in a
// spreadsheet: its rows replace the example before it is imported.
void exportTemplate(Database& db, const QString& path);
// Every real record (never the placeholder) as the texts of its columns in the column table's
// order, by ID; returns how many there were.
int forEachRecordTexts(Database& db, const std::function<void(const QStringList&)>& take);
// Any table of texts (a list the program shows) as a CSV file, written the same way.
void exportTable(const QString& path, const QStringList& header, const QList<QStringList>& rows);

// Identity numbers of the database's original records, as originalIdentity() writes them, with
// the ID of the record carrying each.
// Those that several originals carry are added to `shared` when it is given.
QHash<QString, qint64> originalIdentities(Database& db, QSet<QString>* shared = nullptr);

// Reads the file (CSV, or a sheet of an .xlsx or .ods workbook: the one named, otherwise the
// first) and plans its import against the database's employer row and records.
ImportPlan dryRun(Database& db, const QString& path, const QString& sheet = {});

struct DryRunOptions {
    QList<ColumnMapping> mappings; // the one that fits the file's header is used
    bool emptyCellsClear = false;
    QString sheet; // of a workbook; the first when empty
};
// The same, but a row that carries a stored original's identity number is planned as the
// update of that record, with the fields it changes.
ImportPlan dryRun(Database& db, const QString& path, const DryRunOptions& options);

// Told after each row how many of how many are written; returning false stops the import.
using ImportProgress = std::function<bool(int written, int total)>;

// Writes the rows as new records with new identifiers, all in one transaction: either all are
// stored and their number returned, or none: an error is raised, or nothing is returned when the
// progress stopped the import.
std::optional<int> importRecords(Database& db, const QList<PackedRow>& rows,
                                 const ImportProgress& progress = {});

struct ImportCounts {
    int added = 0;
    int updated = 0;
};
// Adds the new records and applies the updates, all in one transaction. An update writes only
// the fields it changes, and only while each still holds the value the dry run found; a record
// changed meanwhile stops the import with an error and nothing is stored.
std::optional<ImportCounts> importRecords(Database& db, const ImportWork& work,
                                          const ImportProgress& progress = {});
