#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// After a password change the automatic copies must not go on opening with the old password, so
// each one is given the new password through a verified copy, as the working database is.
namespace backups {

struct RekeyResult {
    QStringList rekeyed;    // now open with the new password alone
    QStringList removed;    // could not be re-keyed (damaged, another password, no room), removed
    QStringList notRemoved; // could neither be re-keyed nor removed: still under their old key
};

// Told after each copy how many of the total are done.
using RekeyProgress = std::function<void(int done, int total)>;

// Re-keys every kept copy from `oldPassword` to `newPassword`. Each is written under the new key
// to a work file beside it, read back whole and compared, and only then takes the copy's name;
// the result is opened once more under its name. A copy that already opens with the new password
// is left as it is; so is a copy without a password (taken of a database that had none), which a
// key would make unusable for its restore. Raises nothing: every copy ends in one of the lists.
RekeyResult rekeyAll(const QString& programFolder, const QString& oldPassword,
                     const QString& newPassword, const RekeyProgress& progress = {});

// What the user must be told about copies that did not take the new password; empty when every
// copy did.
QString rekeyProblems(const RekeyResult& result, const QString& programFolder);

} // namespace backups
