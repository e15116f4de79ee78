#pragma once

#include "store/common/rows.h"
#include "support/example_rows.h"
#include "support/working_database.h"

// Replaces the working database's employer row.
inline void setEmployer(WorkingDatabase& db, const QStringList& values) {
    updateRow(db.state.db(), table::employer, employerColumns(), 1,
              rowOf(employerColumns(), QStringList{"Version=3.4e"} + values));
}

// Adds the worked example's record under sheet numbers 1 to count, in one transaction.
inline void addExampleRecords(WorkingDatabase& db, int count) {
    Transaction adding(db.state.db());
    for (int sheet = 1; sheet <= count; ++sheet)
        db.addRecord(exampleRecord(QString::number(sheet)));
    adding.commit();
}

// Read by another process, so that the working database a run holds stays held.
inline QByteArray fileBytes(const QString& path) {
    return readInAnotherProcess(path);
}
