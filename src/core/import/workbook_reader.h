#pragma once

#include "core/import/csv.h"
#include "core/import/workbook_package.h"

#include <QStringList>
#include <functional>

// The sheets of an .xlsx or .ods workbook and the rows of one of them, as the user sees their
// cells: a text cell is its text, a number its shortest decimal form, a number shown as a date
// (or a date cell) its date as DD/MM/YYYY with the date itself beside it, a formula its value as
// last calculated (never calculated here), a truth value TRUE or FALSE. A row is numbered by its
// row in the sheet; rows without any cell are skipped.
// `package` is what checkedPackage gave. A workbook the library cannot read, or a sheet beyond
// the bounds below, raises an EngineError whose description says why.
namespace workbook {

inline constexpr int mostSheetRows = 1'000'000;
inline constexpr int mostSheetColumns = 1'000;

QStringList sheetNames(const QByteArray& package, WorkbookKind kind, const QString& fileName);

// The package is let go once the library has read it, before the rows are taken. Before the
// first row, `expect` is told how many rows an .xlsx sheet says it has (see
// sheetparts::likelyRows), when it says.
void forEachRow(QByteArray package, WorkbookKind kind, int sheet, const QString& fileName,
                const csv::TakeRecord& take, const csv::ExpectRecords& expect = {});

} // namespace workbook
