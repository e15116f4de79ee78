#pragma once

#include "core/common/columns.h"
#include "store/common/database.h"

#include <QString>
#include <QStringList>

// Plain engine files changed as someone who means harm would change them: objects added, or an
// entry's definition rewritten behind the engine's back, which the engine reads only at the next
// open of the file.
inline const QString endlessQuery = QStringLiteral(
    "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT x FROM c");

// A view of the table's name and columns whose rows never end.
inline QString endlessView(const QString& name, Columns columns) {
    QStringList values;
    for (const ColumnDef& column : columns)
        values << QStringLiteral("x AS \"%1\"").arg(QLatin1String(column.name));
    return QStringLiteral("CREATE VIEW %1 AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT "
                          "x + 1 FROM c) SELECT %2 FROM c")
        .arg(name, values.join(u','));
}

// With an empty entry the statements are run as they are; otherwise the entry's definition
// becomes `sql`.
inline void changeHostilely(const QString& path, const QString& entry, const QString& sql) {
    Database db = Database::open(path, OpenOptions{std::nullopt, false, false});
    if (entry.isEmpty()) {
        db.exec(sql);
        return;
    }
    db.exec(QStringLiteral("PRAGMA writable_schema=ON"));
    db.prepare(QStringLiteral("UPDATE sqlite_master SET sql = ?1 WHERE name = ?2"))
        .bind(1, sql)
        .bind(2, entry)
        .run();
}
