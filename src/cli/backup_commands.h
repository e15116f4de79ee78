#pragma once

#include <QDateTime>
#include <QString>
#include <QTextStream>

// "xw73d --list-backups" and "xw73d --restore-backup NAME": the automatic backup copies of the
// working database, listed and brought back without a display. Both return 0 on success and 1
// on a failure, which they describe on `errors`.
namespace cli {

// Newest first: name, date and time, reason, size and record count. No password is asked: the
// count is shown for a copy that opens with the default password or has none, "?" otherwise.
int listBackups(const QString& programFolder, QTextStream& out, QTextStream& errors);

// Keeps the working database as a copy of its own, then puts the named copy in its place; the
// program must not be running.
int restoreBackup(const QString& programFolder, const QString& name, const QDateTime& now,
                  QTextStream& out, QTextStream& errors);

} // namespace cli
