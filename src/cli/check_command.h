#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>

// "xw73d check [--data-dir DIR] [--format text|csv|json]": the check of the whole return that
// Check all records shows, printed without a display. Reads the working database only.
namespace cli {

enum CheckExit : int {
    NoError = 0,
    ErrorsFound = 1,
    CannotCheck = 2, // wrong arguments, password or database
};

// The arguments after the verb; the password is asked once the arguments are known good.
int runCheck(const QStringList& arguments, QTextStream& out, QTextStream& errors,
             const std::function<QString()>& password);

} // namespace cli
