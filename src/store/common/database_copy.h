#pragma once

#include "store/common/database.h"

#include <QList>

// Copies of a database taken through an open connection, never by copying its file: the engine
// writes a consistent copy of what the connection sees, under a key of the caller's choice.

// Writes the whole database to the new file `copyPath`, encrypted with `key` (without a key
// when it is empty), keeping the format version; the caller checks what it wrote.
void writeCopy(Database& db, const QString& copyPath, const QString& key);

// Row counts of both tables, after every page has been checked; a database whose pages cannot
// all be read (a wrong key, a damaged page) raises here.
QList<qint64> readWhole(Database& db);

// Writes the whole database to the new file `copyPath`, encrypted with `key` (without a key
// when it is empty), keeping the format version; then opens the copy with that key and raises
// unless it reads back whole with the same format version and row counts.
void writeVerifiedCopy(Database& db, const QString& copyPath, const QString& key);
