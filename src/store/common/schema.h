#pragma once

#include "store/common/database.h"

#include <QString>

// The working database's files, password and version marker, and the procedures that create a
// fresh database: the working one, or the target of a conversion.
enum class DatabaseFile { Working, Conversion };

namespace schema {
inline const QString workingFile = QStringLiteral("xw73d.mdb");
inline const QString conversionFile = QStringLiteral("xw73dnew.mdb");
inline const QString keptOldFile = QStringLiteral("1999a.xwd");
// The password a new database gets, and the one the first login enters by itself.
inline const QString defaultPassword = QStringLiteral("qvz");
inline const QString currentVersion = QStringLiteral("3.4e");
// Where the first working database is made before it is moved into place.
inline const QString creationFolder = QStringLiteral("xw73d.creating");
} // namespace schema

QString databasePath(const QString& folder, DatabaseFile file);

// The three steps of creation, each on its own connection; a conversion target left by an
// earlier attempt is removed first.
void createDatabaseFile(const QString& folder, DatabaseFile file);
void createEmployerTable(const QString& folder, DatabaseFile file);
void createEmployeeTable(const QString& folder, DatabaseFile file);
// All three for the conversion target on one connection, which is returned open (with the
// default password) for the copy.
Database createConversionTarget(const QString& folder);
// All three for the working database, made aside and moved into place when complete.
void createWorkingDatabase(const QString& folder);
