#pragma once

#include "core/returns/return_summary.h"

#include <QList>
#include <QString>
#include <optional>

// The returns of a workspace, each a program folder, listed from their summary files alone: the
// list never derives a key nor opens a database.
namespace returnfiles {

struct Workspace {
    QString folder;            // the returns, one subfolder each
    QString userProgramFolder; // the program folder of earlier versions, listed where it is
};

struct ListedReturn {
    QString name; // the subfolder's name; the user program folder's own name for that one
    QString folder;
    ReturnCondition condition = ReturnCondition::Ready;
    ReturnSummary summary; // empty facts when the summary cannot be read
};

// Every return in name order. `openHere` is the folder this copy of the program has open, which
// is not probed (a probe of a file this process holds would release the engine's lock on it).
QList<ListedReturn> listReturns(const Workspace& workspace, const QString& openHere = {});
std::optional<ListedReturn> findReturn(const Workspace& workspace, const QString& name,
                                       const QString& openHere = {});

// True when another process holds the engine's lock on the database file; the lock is tested,
// never taken.
bool heldByAnotherProcess(const QString& databasePath);

// A new, empty folder for a return of that name in the workspace (made first when missing).
// Raises EngineError.
QString makeReturnFolder(const Workspace& workspace, const QString& name);

// Moves the return's folder into the workspace's removed folder, under its name (made distinct
// when one of that name is there already); returns where it went. Raises EngineError.
QString moveToRemoved(const Workspace& workspace, const ListedReturn& listed);

} // namespace returnfiles

namespace returnfiles {
// The user's workspace: the folder "returns" beside the user's own program folder, which is
// listed with it.
Workspace userWorkspace();
} // namespace returnfiles
