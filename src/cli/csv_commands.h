#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>

// "xw73d import FILE [--dry-run] [--add] [--update] [--clear-empty] [--mapping FILE]" and
// "xw73d export FILE", both with an optional
// "--data-dir DIR": CSV import and export of the working database's employee records without a
// display. They open the database exclusively, so they refuse to run while the program holds it.
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

} // namespace cli
