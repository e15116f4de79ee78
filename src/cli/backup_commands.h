#pragma once

#include <QDateTime>
#include <QString>
#include <QTextStream>
#include <functional>

// "xw73d --list-backups" and "xw73d --restore-backup NAME": the automatic backup copies of the
// working database, listed and brought back without a display. Both return 0 on success and 1
// on a failure, which they describe on `errors`.
namespace cli {

// Newest first: name, date and time, reason, size and record count. The count of a copy that
// opens with the default password or has none is read without asking; when some copy does not
// open so (its password was changed), `password` is asked once and tried on those. "?" for a
// copy that opens with none of them.
int listBackups(const QString& programFolder, QTextStream& out, QTextStream& errors,
                const std::function<QString()>& password);

// Keeps the working database as a copy of its own, then puts the named copy in its place; the
// program must not be running.
int restoreBackup(const QString& programFolder, const QString& name, const QDateTime& now,
                  QTextStream& out, QTextStream& errors);

} // namespace cli
