#pragma once

#include "core/returns/return_summary.h"

#include <QDateTime>
#include <QString>
#include <optional>

class Database;

// The summary file in a return's folder: written when a run ends and when a save to the medium
// completes, read by the list of returns.
namespace returnfiles {

inline const QString summaryFileName = QStringLiteral("return-summary.json");

struct SummaryRead {
    bool present = false;                 // a file of that name is in the folder
    std::optional<ReturnSummary> summary; // nothing when it is missing or cannot be read
};
SummaryRead readSummary(const QString& folder);

// Written readable by the user alone, under a work name, renamed into place and read back.
// Raises EngineError when it cannot be written or does not read back as written.
void writeSummary(const QString& folder, const ReturnSummary& summary);

// The real records of a working database, the placeholder row left out.
qint64 recordCount(Database& db);

// The facts of the return that `db` holds open in `folder`: its employer row, its records and
// the database file's last change. The last save is `savedAt` when given, otherwise the one the
// folder's summary already names.
ReturnSummary summaryOfOpenReturn(Database& db, const QString& folder,
                                  const QDateTime& savedAt = {});
void recordSummary(Database& db, const QString& folder, const QDateTime& savedAt = {});

} // namespace returnfiles
