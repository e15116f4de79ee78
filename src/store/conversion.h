#pragma once

#include <QString>
#include <functional>

// Rows copied so far of all the old employee rows (the placeholder included).
using ConversionProgress = std::function<void(qint64 done, qint64 total)>;

// Converts the working database left by an earlier version (a file without a password) in the
// program folder, all or nothing. A fresh "xw73dnew.mdb" is filled in one transaction and read
// back; only then does the old file take the name "1999a.xwd" and the new one "xw73d.mdb". On
// any failure the error is raised, "xw73dnew.mdb" is gone and "xw73d.mdb" is the old file with
// its bytes unchanged. A column the old table lacks stays without a value.
void convertDatabase(const QString& folder, const ConversionProgress& progress);
