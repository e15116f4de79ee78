#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>

// "xw73d import FILE [--dry-run] [--sheet NAME] [--add] [--update] [--clear-empty]
// [--mapping FILE]", "xw73d export FILE" and "xw73d template FILE", each with an optional
// "--data-dir DIR": import and export of the working database's employee records without a
// display. The export and the template write a workbook for a FILE ending in ".xlsx" and a CSV
// file for any other name. They open the database exclusively, so they refuse to run while the
// program holds it.
namespace cli {

enum CsvExit : int {
    Completed = 0,
    RowsRefused = 1, // the import left out (or a dry run would leave out) at least one row
    Failed = 2,      // nothing was done: wrong arguments, password, file or database
};

// The arguments after the verb; password is asked only once the arguments are known good.
int runImport(const QStringList& arguments, QTextStream& out, QTextStream& errors,
              const std::function<QString()>& password);
int runExport(const QStringList& arguments, QTextStream& out, QTextStream& errors,
              const std::function<QString()>& password);
int runTemplate(const QStringList& arguments, QTextStream& out, QTextStream& errors,
                const std::function<QString()>& password);

} // namespace cli
