#pragma once

#include "store/common/database.h"

#include <QString>

// The submission database: a plain file (no password, format "2.0") in the program folder that
// holds the employer row and the original records whose period of employment lies within the
// return year, in tables Employer and Employee and nothing else.
inline const QString buildFileName = QStringLiteral("TEMP73DC.MDB");
inline const QString submissionFileName = QStringLiteral("TEMP73D.MDB");
inline constexpr const char* submissionEmployeeTable = "Employee";
inline constexpr const char* submissionEmployerTable = "Employer";

// Copies through the login connection into TEMP73DC.MDB, compacts it and gives it the name
// TEMP73D.MDB; returns the number of records copied. Nothing is written to the working database.
// With no qualifying record it fails with "no current record" (3021) and leaves no submission.
qint64 buildSubmission(Database& login, const QString& programFolder, const QString& returnYear);

// Opens a submission or log file for reading only; the file is never changed.
Database openForReading(const QString& path);
