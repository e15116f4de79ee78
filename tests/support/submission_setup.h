#pragma once

#include "store/rows.h"
#include "support/example_rows.h"
#include "support/working_database.h"

#include <QFile>

// Replaces the working database's employer row.
inline void setEmployer(WorkingDatabase& db, const QStringList& values) {
    updateRow(db.state.db(), table::employer, employerColumns(), 1,
              rowOf(employerColumns(), QStringList{"Version=3.4e"} + values));
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
