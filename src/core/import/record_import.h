#pragma once

#include "core/import/csv.h"
#include "core/records/return_check.h"

#include <QHash>
#include <QList>
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

struct ImportRow {
    int row = 0;      // the data row's number in the file, from 1 (the header is row 0)
    int line = 0;     // the file's line on which it starts
    PackedRow values; // employeeColumns() order; ID and SheetNo without a value
    QList<ReturnProblem> problems;
    bool storable = true; // false: the row cannot be written at all
};

struct ImportPlan {
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

// The dry run of a file's text; a text of more than mostImportRows data rows is refused (an
// EngineError) before any row is checked. knownIdentities maps the identity numbers of the
// database's original records (as originalIdentity() writes them) to their IDs.
// The text is let go once its rows are read, so a caller that hands it over (std::move) does not
// hold it through the checks.
ImportPlan planImport(QString text, const EmployerData& employer,
                      const QHash<QString, qint64>& knownIdentities);

// Hands each row of a file to `take`, the header row first: the records of a CSV text, or the
// rows of a workbook's sheet.
using ImportRows = std::function<void(const std::function<void(const csv::Record&)>& take)>;
// The dry run of rows from any source; more than mostImportRows data rows are refused as for a
// text. A spreadsheet's date cells in the day, month and year columns give that part.
ImportPlan planImportRows(const ImportRows& rows, const EmployerData& employer,
                          const QHash<QString, qint64>& knownIdentities);

enum class ImportChoice { AllRows, RowsWithoutProblems };
// The rows an import of this choice writes: every storable row, or the rows without problems.
QList<PackedRow> chosenRows(const ImportPlan& plan, ImportChoice choice);

// The dry run as lines of text: the columns, then one line per problem of each row, then the
// counts. The command line prints it; the dry-run window shows the same findings.
QStringList planReport(const ImportPlan& plan);
// The same lines one at a time, so that a long report need not be held before it is written.
void forEachReportLine(const ImportPlan& plan, const std::function<void(const QString&)>& take);
