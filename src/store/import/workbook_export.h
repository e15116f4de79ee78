#pragma once

#include <QString>

class Database;

// Export and template as spreadsheet workbooks (.xlsx) beside the CSV files of record_transfer.h.
// A workbook's sheet "Records" has the columns' labels as its header row, which stays in view
// while the rows scroll; its columns are as wide as their header and values; amounts are numbers
// shown grouped by commas; identity numbers, sheet numbers, the parts of dates and every other
// text are text cells, so no leading zero is lost; the record type, sex, marital status, area
// code, check characters and the two indicators offer their allowed values as a list.
// Each file is written under a work name, read back from the disk whole, and only then takes its
// name; a failure leaves no file behind (an earlier file of that name stays) and raises an
// EngineError that says why.

// Whether a file is written as a workbook: its name ends in ".xlsx", in any case. Any other name
// is a CSV file, as every export wrote before workbooks.
bool isWorkbookName(const QString& path);

// Every real record, in the order and with the header of the CSV export; returns their number.
int exportRecordsWorkbook(Database& db, const QString& path);
// The header and the template's example row for the database's return year, and a second sheet,
// "Columns", that explains every column: label, column name, width in bytes, allowed values and
// its rule in one sentence.
void exportTemplateWorkbook(Database& db, const QString& path);

// The export and the template in the kind the name asks for: a workbook or a CSV file.
int exportRecordsByName(Database& db, const QString& path);
void exportTemplateByName(Database& db, const QString& path);
