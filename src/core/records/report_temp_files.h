#pragma once

#include <QString>

// The report engine leaves "CRW*.TMP" work files in the temporary folder; abandoning an entry
// in the editor clears them away.

// The folder those files are in: TMP when it names something that exists, else TEMP likewise,
// else the program folder.
QString reportTempFolder(const QString& tmp, const QString& temp, const QString& programFolder);

// Deletes every file in the folder whose name matches "CRW*.TMP" without regard to case. Raises
// an EngineError when one of them cannot be deleted.
void deleteReportTempFiles(const QString& folder);

// Both together, with the folder taken from this process's environment.
void removeReportTempFiles(const QString& programFolder);
