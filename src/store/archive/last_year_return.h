#pragma once

#include "core/employer/employer_data.h"
#include "core/validation/last_year.h"

#include <QString>
#include <QStringList>
#include <optional>

// Last year's saved return of this employer, for the check's comparison: the latest submission
// of the previous return year kept in this return's archive or in the archive of another return
// of the workspace with the same file number.
namespace archive {

// The folders whose archives may hold it: this return's first, then each listed return of the
// employer's file number made for the previous year.
QStringList lastYearFolders(const QString& returnFolder, const EmployerData& employer);

std::optional<validation::LastYearReturn>
lastYearReturn(const QStringList& folders, const EmployerData& employer, const QString& password);

// The same, looked up in the user's workspace.
std::optional<validation::LastYearReturn>
lastYearReturn(const QString& returnFolder, const EmployerData& employer, const QString& password);

} // namespace archive
