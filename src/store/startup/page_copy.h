#pragma once

#include <QString>

class Database;

namespace backups {

// Copies the connection's file byte for byte to `copyPath` (the user's alone) while the
// connection holds its read lock, so that no writer changes a page half-way, then reads the
// copy back and compares it with the file. False (and no copy) while the connection is inside a
// transaction of its own, whose pages the file may not hold yet. Raises when the copy cannot be
// written whole or does not read back as the file.
bool copyFileUnderReadLock(Database& db, const QString& copyPath);

} // namespace backups
