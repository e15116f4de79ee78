#pragma once

#include "store/common/database.h"

#include <optional>

// Sets a new password on the database that `login` holds open (with its old password, or none
// for a file that has no password), without ever leaving the file half re-encrypted: the
// database is written under the new key to a copy beside it, the copy is read back whole with
// the new password, and only then is it renamed over the file. On success `login` holds the
// re-keyed file, opened exclusively with the new password. On failure the error is raised with
// a description that says the password is unchanged; the file is as it was and `login` holds
// it open with the old password again.
void changeDatabasePassword(std::optional<Database>& login, const QString& oldPassword,
                            const QString& newPassword);

// The copy being re-keyed beside a database; a copy left by an interrupted change is removed
// before the next change and at start-up.
QString rekeyedCopyPath(const QString& databasePath);
