#pragma once

#include "store/common/database.h"

#include <QString>

// The program folder and the working database as the verbs that read or change records use them.
namespace cli {

// The folder given by --data-dir, otherwise the per-user program folder.
QString programFolder(const QString& dataDir);

// The working database of the program folder, opened exclusively as the program opens it: while
// the program holds it, this fails and says so.
Database openWorkingDatabase(const QString& folder, const QString& password);

} // namespace cli
