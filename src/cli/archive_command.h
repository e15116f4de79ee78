#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>

// "xw73d archive list [--data-dir DIR]": the submissions kept in the return's archive, newest
// first, each checked as "xw73d verify" checks a submission. Exits with 0 when every entry
// verifies, 1 when one does not (or does not open), 2 on wrong arguments or an archive that
// cannot be read. Entries are opened with the default password without asking; when one does
// not open so, `password` is asked once.
namespace cli {

int runArchive(const QStringList& arguments, QTextStream& out, QTextStream& errors,
               const std::function<QString()>& password);

} // namespace cli
