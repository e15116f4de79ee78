#pragma once

#include <QString>
#include <QStringList>

// What the outside tools need for the work of the submission, the floor the program's figures
// are set against.
namespace bench {

// The submission's copy by the sqlcipher client (attach a plain file, make the two tables, copy
// the selected records, compact it) on the working database in the folder, plus md5sum of the
// image. The working database must not be held open by this process.
qint64 submissionFloor(const QString& folder, const QString& image, int returnYear);

} // namespace bench
