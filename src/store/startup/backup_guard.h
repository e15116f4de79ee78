#pragma once

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
// when one was taken today already.
std::optional<QString> backUpAtFirstLoginOfDay(RunState& state);
