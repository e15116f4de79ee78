#pragma once

#include <QStringList>
#include <QTextStream>

// "xw73d verify FILE": checks a saved submission against the log beside it and prints one line
// per check. Runs without a display and never changes either file.
namespace cli {

enum VerifyExit : int {
    AllHold = 0,
    CheckFailed = 1,
    CannotRead = 2,
};

// The arguments after the verb.
int runVerify(const QStringList& arguments, QTextStream& out, QTextStream& errors);

} // namespace cli
