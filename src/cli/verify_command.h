#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>

// "xw73d verify FILE": checks a saved submission against the log beside it and prints one line
// per check; FILE may also be an entry of the archive, whose kept pair is checked. Runs without a
// display and never changes either file.
namespace cli {

enum VerifyExit : int {
    AllHold = 0,
    CheckFailed = 1,
    CannotRead = 2,
};

// The arguments after the verb. An entry of the archive is opened with `password`, asked only
// for one.
int runVerify(const QStringList& arguments, QTextStream& out, QTextStream& errors,
              const std::function<QString()>& password);

} // namespace cli
