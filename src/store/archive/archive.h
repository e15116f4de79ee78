#pragma once

#include "core/common/column_values.h"
#include "core/reports/page.h"
#include "store/archive/archive_entry.h"
#include "store/submission/verifier.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The kept submissions of a return, as a whole: listed and checked, given a new password with
// the working database, searched for last year's return, and copied onto a medium again.
namespace archive {

enum class Standing {
    Verifies,      // the archived pair passes every check of "xw73d verify"
    DoesNotVerify, // a check fails, or a file in it cannot be read whole
    DoesNotOpen,   // the entry does not open with the password
};

struct Listed {
    QString folder;
    std::optional<Summary> summary; // when the entry opened
    Standing standing = Standing::DoesNotOpen;
    QString problem; // why it does not verify or open, for the user
};

// The entries of the return's archive, newest first; each checked as "xw73d verify" checks a
// submission when `check` is set.
QList<Listed> list(const QString& returnFolder, const QString& password, bool check = true);

// The checks of "xw73d verify" on the archived pair, taken out into private work files that
// are removed afterwards. Raises EngineError when the entry or its files cannot be read.
QList<SubmissionCheck> verifyEntry(const QString& entryFolder, const QString& password);

// What the user reads for a standing: "verifies", "does not verify", "does not open".
QString standingText(Standing standing);

struct RekeyResult {
    QStringList rekeyed;
    QStringList failed; // could not be given the new password; kept as they were
};
// Gives every entry that opens with `oldPassword` the new one, through a copy written beside it,
// read back whole and compared before it takes the entry's name. An entry is never removed.
RekeyResult rekeyAll(const QString& returnFolder, const QString& oldPassword,
                     const QString& newPassword);
// What the user must be told of entries that kept their old password; empty when none did.
QString rekeyProblems(const RekeyResult& result);

// Last year's saved return as an archive keeps it: which submission, and its records.
struct ArchivedReturn {
    QString entryFolder;
    Summary summary;
    RowValues employer;
    std::vector<RowValues> employees; // in sheet-number order, every column of the table
};

// The latest archived submission for the return year among the archives of the return folders
// (this return's first, then the others of the workspace), each entry opened with the first of
// the passwords that opens it. None when no entry of that year opens.
std::optional<ArchivedReturn> latestOfYear(const QString& returnYear,
                                           const QStringList& returnFolders,
                                           const QStringList& passwords);

// The control list drawn anew from the archived pair, taken out into private work files that
// stay while the list is in use and are removed with it. Raises EngineError.
std::shared_ptr<const report::Report> openControlList(const QString& entryFolder,
                                                      const QString& password);

// The size of the archived submission, which decides whether it fits a diskette.
qint64 submissionSize(const QString& entryFolder, const QString& password);

// Writes the archived submission and log to the target and the log beside it through the
// verified copy of a save, byte for byte; nothing else is read or written. Raises EngineError.
void copyToMedium(const QString& entryFolder, const QString& password, const QString& target,
                  const std::function<void(int permille)>& progress = {});

} // namespace archive
