#pragma once

#include <QString>

// The working database's files, password and version marker, and the procedures that create a
// fresh database. A non-zero "first" selects the working database; 0 the conversion target.
namespace schema {
inline const QString workingFile = QStringLiteral("xw73d.mdb");
inline const QString conversionFile = QStringLiteral("xw73dnew.mdb");
inline const QString keptOldFile = QStringLiteral("1999a.xwd");
inline const QString defaultPassword = QStringLiteral("qvz");
inline const QString currentVersion = QStringLiteral("3.4e");

QString targetPath(const QString& folder, int first);
} // namespace schema

void CreateDB(const QString& folder, int first);
void CreateEmployer(const QString& folder, int first);
void CreateEmployee(const QString& folder, int first);
