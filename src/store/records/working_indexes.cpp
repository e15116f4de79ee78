#include "store/records/working_indexes.h"

#include "core/records/record_types.h"
#include "store/common/database.h"

#include <QHash>
#include <QStringList>

namespace {

struct IndexDefinition {
    const char* name;
    QString sql;
};

// The name index holds the rows of the editor's record list in its order, with the record type,
// the sheet number and the identity number, so that the list, its filter, the name list and the
// sort's walk are read from the index alone and never from the whole table. Equal names are put in
// the order they were added by a sort of each run of equal names only. The name index's condition
// is the one the selections use, so that the engine reads it for them.
const IndexDefinition workingIndexes[] = {
    {"employee_by_id", QStringLiteral("CREATE INDEX employee_by_id ON employee(ID)")},
    {"employee_by_name",
     QStringLiteral("CREATE INDEX employee_by_name ON employee(Surname COLLATE NOCASE, FirstName "
                    "COLLATE NOCASE, Status, SheetNo, HKID, ChkDigit) WHERE %1")
         .arg(recordtype::realRecordsCondition())},
};

// The definitions the file holds now, by index name.
QHash<QString, QString> storedIndexes(Database& db) {
    QHash<QString, QString> stored;
    Statement read = db.prepare(QStringLiteral("select name, sql from sqlite_master where type = "
                                               "'index' and tbl_name = ? collate nocase"));
    read.bind(1, QStringLiteral("employee"));
    while (read.next())
        stored.insert(read.value(0).toString(), read.value(1).toString());
    return stored;
}

} // namespace

void addWorkingIndexes(Database& db) {
    const QHash<QString, QString> stored = storedIndexes(db);
    QStringList missing;
    for (const IndexDefinition& index : workingIndexes) {
        const auto found = stored.constFind(QLatin1String(index.name));
        if (found == stored.cend())
            missing << index.sql;
        else if (*found != index.sql) // made by an earlier version with fewer columns
            missing << QStringLiteral("DROP INDEX %1").arg(QLatin1String(index.name)) << index.sql;
    }
    if (missing.isEmpty())
        return;
    Transaction transaction(db);
    for (const QString& sql : std::as_const(missing))
        db.exec(sql);
    transaction.commit();
}
