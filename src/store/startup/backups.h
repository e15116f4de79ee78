#pragma once

#include "store/common/database.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <optional>

// Automatic copies of the working database in the folder "backups" of the program folder, named
// with the date, time and reason ("xw73d-2026-12-07-1012-year-change.mdb"). Each is taken
// through an open connection under the password of the moment, which a password change replaces
// (backup_rekey.h); the newest 20 are kept.
namespace backups {

inline const QString folderName = QStringLiteral("backups");
inline constexpr int kept = 20;

namespace reason {
inline const QString yearChange = QStringLiteral("year-change");
inline const QString conversion = QStringLiteral("conversion");
inline const QString passwordChange = QStringLiteral("password-change");
inline const QString firstLogin = QStringLiteral("first-login");
inline const QString beforeRestore = QStringLiteral("before-restore");
inline const QString import = QStringLiteral("import");
} // namespace reason

struct Backup {
    QString name;
    QDateTime taken;
    QString reason;
    int sequence = 1; // 2, 3, ... for further copies taken in the same minute for one reason
    qint64 size = 0;
    std::optional<qint64> records; // real records, when the copy could be opened
};

// The name of a copy; `sequence` above 1 adds "-2", "-3" before the extension.
QString fileName(const QDateTime& taken, const QString& reason, int sequence = 1);
// The parts of a name made by fileName; nothing for any other name.
std::optional<Backup> parseName(const QString& name);

// Writes a copy of the database open on `db`, encrypted with `key` (plain when it is empty),
// reads it back, gives it its name and removes all but the newest 20. Returns the name; raises
// when the copy cannot be written whole, leaving no part of it behind.
QString take(Database& db, const QString& programFolder, const QString& key, const QString& reason,
             const QDateTime& now);

// The copies, newest first. The record count is read when a copy opens with one of the
// passwords (an empty one for a copy without a password).
QList<Backup> list(const QString& programFolder, const QStringList& passwords);

// True when a copy for the reason was taken on that day.
bool takenOn(const QString& programFolder, const QDate& day, const QString& reason);

// Puts the named copy in the place of the working database, which no program may hold open.
// The working database is first kept as a copy of its own ("before-restore"), whose name is
// returned. Raises when the working database is in use or a file cannot be written; the
// working database is then as it was.
QString restore(const QString& programFolder, const QString& name, const QDateTime& now);

// Removes the work files of copies that were cut short by a crash or a power loss: the copies
// being written (".xw73d-<name>.part" and its journal) and the working database's copy being
// kept before a restore ("<name>.part"), matched without regard to case.
void removeWorkFiles(const QString& programFolder);

// The chosen copy on its way into the working database's place; one left by an interrupted
// restore is removed at the next start.
QString incomingCopyPath(const QString& workingPath);

// The hidden work name beside a copy, under which it is written before it takes its name; the
// start-up clean-up removes what a crash left under such names.
QString workPathFor(const QString& copyPath);

} // namespace backups
