#pragma once

#include <QString>
#include <QTextStream>

namespace cli {

// The working database's password for a command-line verb: the environment variable
// XW73D_PASSWORD when it is set (taken out of the environment once read, so that no child
// process inherits it), otherwise a line typed on the terminal without echo (asked on
// the error stream), otherwise a line read from standard input.
QString commandLinePassword(QTextStream& errors);

} // namespace cli
