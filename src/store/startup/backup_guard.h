#pragma once

#include <QString>

class Database;
struct RunState;

// Takes the automatic backup copy before an operation that rewrites many records or the
// password. When the copy cannot be written (a full disk, a read-only folder) the error box
// says why and the user is asked whether to go on without it. False when the answer is No: the
// operation must then stop without changing anything.
bool backUpBeforeOperation(Database& db, const QString& programFolder, const QString& key,
                           const QString& reason);

// At the first login of each day, a copy of the working database just logged into. False when
// the user chose to stop rather than go on without it.
bool backUpAtFirstLoginOfDay(RunState& state);
