#pragma once

#include "core/employer/employer_data.h"
#include "store/employer/employer_table.h"
#include "store/returns/summary_file.h"
#include "support/working_database.h"

#include <QDir>
#include <QProcess>

// A return folder in a workspace as the program leaves it: a working database with its employer
// and numbered records, and the summary a run writes when it ends.
inline void makeReturn(const QString& folder, const QString& employer, const QString& year,
                       int records, bool withSummary = true) {
    QDir().mkpath(folder);
    prepareWorkingDatabase(folder);
    addRecords(folder, records, schema::defaultPassword);
    Database db = Database::open(databasePath(folder, DatabaseFile::Working),
                                 {.password = schema::defaultPassword});
    EmployerData data;
    data.version = schema::currentVersion;
    data.returnYear = year;
    data.section = QStringLiteral("A");
    data.fileNumber = QStringLiteral("12345676");
    data.submissionDate = QStringLiteral("3103") + year;
    data.name = employer;
    data.designation = QStringLiteral("MANAGER");
    employertable::writeEmployer(db, employertable::readEmployer(db).rowId, data);
    if (withSummary)
        returnfiles::recordSummary(db, folder);
}

// Every file under the folder with the MD5 of its bytes, read by another process: a descriptor
// of a database that this process holds, opened and closed here, would drop the engine's locks.
inline QString checksumsOf(const QString& folder) {
    QProcess sums;
    sums.setWorkingDirectory(folder);
    sums.start(
        QStringLiteral("sh"),
        {QStringLiteral("-c"), QStringLiteral("find . -type f | LC_ALL=C sort | xargs -r md5sum")});
    sums.waitForFinished();
    return QString::fromUtf8(sums.readAllStandardOutput());
}
