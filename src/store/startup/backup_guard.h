#pragma once

#include "store/startup/backup_check.h"

#include <QString>
#include <optional>

class Database;
struct RunState;

// Takes the automatic backup copy before an operation that rewrites many records or the
// password. When the copy cannot be written (a full disk, a read-only folder) the result says
// why, in words for the error box; the screen then asks whether to go on without it.
std::optional<QString> backUpBeforeOperation(Database& db, const QString& programFolder,
                                             const QString& key, const QString& reason);

// At the first login of each day, a copy of the working database just logged into; nothing
// when one was taken today already. The copy is written and read back against the file before
// the login goes on (`failure` says why it could not be, as above); its check with the key runs
// on meanwhile, and `check` tells whether it passed.
struct FirstLoginBackup {
    std::optional<QString> failure;
    std::optional<QFuture<backups::CheckOutcome>> check; // none when no copy is being checked
};
FirstLoginBackup backUpAtFirstLoginOfDay(RunState& state);
