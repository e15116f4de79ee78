#pragma once

#include "core/import/column_mapping.h"
#include "core/import/csv.h"
#include "core/records/return_check.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <functional>
#include <optional>

// The rows of a CSV file of employee records made ready for the employee table, and the dry
// run's findings about each: what the whole-return check would report, what no column can hold,
// and identity numbers already in the database or twice in the file.

// Which employee column each field of the file fills, matched by the column's label or its name
// without regard to case; -1 for a field that fills none.
struct ImportColumns {
    QList<int> columnOfField;
    QList<int> fieldOfColumn; // for each employee column, the field that fills it, or -1
    QStringList unknown;      // header names that are no column
    QStringList missing;      // labels of the columns no field fills (never ID and SheetNo)
};
ImportColumns matchHeader(const QStringList& header);
// The same for a header whose fields the user has mapped to columns.
ImportColumns mappedColumns(const ColumnMapping& mapping);

// A value that an update of a stored record changes: the column and what the record holds now.
// The new value is the row's own.
struct FieldChange {
    int column = -1;
    QVariant before;
    bool operator==(const FieldChange&) const = default;
};

// A finding about a row, held compactly, as a file may bring one for each of its many rows: the
// row's number and names are the row's own, added when the finding is told.
struct RowFinding {
    QString column; // the field's column; empty for the row as a whole
    QString code;
    QByteArray message; // UTF-8, in half the room of most messages' UTF-16
    int page = 0;
    ReturnProblem::Kind kind = ReturnProblem::Kind::PageCheck;
    bool operator==(const RowFinding&) const = default;
};
Q_DECLARE_TYPEINFO(RowFinding, Q_RELOCATABLE_TYPE);

struct ImportRow {
    int row = 0;      // the data row's number in the file, from 1 (the header is row 0)
    int line = 0;     // the file's line on which it starts
    PackedRow values; // employeeColumns() order; ID and SheetNo without a value
    QList<RowFinding> findings;
    bool storable = true; // false: the row cannot be written at all
    // The ID of the original record with the same identity number, which the row would update
    // (its values are then that record as the update leaves it); 0 for a new record.
    qint64 updates = 0;
    QList<FieldChange> changes; // of the record it updates, in column order

    // The findings as problems of the whole-return check: the row's number as the record, its
    // names from its values, and each finding's page, field, message, kind and code. Its sheet
    // number, record type, identity number and the field's value are not kept.
    QList<ReturnProblem> problems() const;
    void addProblem(const ReturnProblem& problem);
};
// A file of many rows: their list grows in place.
Q_DECLARE_TYPEINFO(ImportRow, Q_RELOCATABLE_TYPE);

struct ImportPlan {
    QStringList header;
    bool mapped = false; // the header's columns were taken from a column mapping
    QStringList unknownColumns;
    QStringList missingColumns;
    QList<ImportRow> rows;
    int rowsWithProblems() const;
    int storableRows() const;
};

// The fields of one row through the entry rules of the editor's fields: names, sex and area
// code upper-cased, days and months with two digits, amounts and rents grouped by commas,
// indicators as numbers. Status defaults to "O"; ID and SheetNo are ignored.
RowValues rowFromFields(const QStringList& fields, const ImportColumns& columns);

// The largest file and the most rows one import takes. A return of this program holds far fewer
// records; a larger file is refused before it is read, as the dry run holds all of its rows.
inline constexpr qint64 largestImportBytes = 64LL * 1024 * 1024;
inline constexpr int mostImportRows = 200'000;
// Why a file of this many bytes is not imported, or nothing when its size is acceptable.
std::optional<QString> importSizeRefusal(const QString& fileName, qint64 bytes);

// How a dry run reads a header and treats the rows that match stored records.
struct ImportSettings {
    // The stored record with this ID, for a row that would update it. Without it a row that
    // carries the identity number of a stored original is told as a repeat and added as new.
    std::function<RowValues(qint64 id)> storedRecord;
    QList<ColumnMapping> mappings; // the one that fits the file's header is used
    bool emptyCellsClear = false;  // an empty cell clears the field it updates
    // Identity numbers that several stored originals carry: a row with one of them cannot tell
    // which record it updates, and is told as a repeat instead.
    QSet<QString> sharedIdentities;
};

// The dry run of a file's text; a text of more than mostImportRows data rows is refused (an
// EngineError) before any row is checked. knownIdentities maps the identity numbers of the
// database's original records (as originalIdentity() writes them) to their IDs.
// The text is let go once its rows are read, so a caller that hands it over (std::move) does not
// hold it through the checks.
ImportPlan planImport(QString text, const EmployerData& employer,
                      const QHash<QString, qint64>& knownIdentities,
                      const ImportSettings& settings = {});

// Hands each row of a file to `take`, the header row first: the records of a CSV text, or the
// rows of a workbook's sheet. A source that knows how many rows it likely holds (the header
// among them) tells `expect` before the first.
using ImportRows =
    std::function<void(const csv::TakeRecord& take, const csv::ExpectRecords& expect)>;
// The dry run of rows from any source; more than mostImportRows data rows are refused as for a
// text. A spreadsheet's date cells in the day, month and year columns give that part.
ImportPlan planImportRows(const ImportRows& rows, const EmployerData& employer,
                          const QHash<QString, qint64>& knownIdentities,
                          const ImportSettings& settings = {});

enum class ImportChoice { AllRows, RowsWithoutProblems };
// The new records an import of this choice writes: every storable row, or the rows without
// problems; rows that update stored records are not among them.
QList<PackedRow> chosenRows(const ImportPlan& plan, ImportChoice choice);

// The dry run as lines of text: the columns, then one line per problem of each row, then the
// counts. The command line prints it; the dry-run window shows the same findings.
QStringList planReport(const ImportPlan& plan);
// The report without its lines for each problem: the columns and the counts, in the language the
// program speaks. The dry-run window lists the problems themselves in a table below it.
QStringList planSummary(const ImportPlan& plan);
// The same lines one at a time, so that a long report need not be held before it is written.
void forEachReportLine(const ImportPlan& plan, const std::function<void(const QString&)>& take);
