#include "store/records/working_indexes.h"

#include "core/records/record_types.h"
#include "store/common/database.h"

#include <QStringList>

namespace {

struct IndexDefinition {
    const char* name;
    QString sql;
};

// The name index holds the rows of the editor's record list in its order, with the record type
// and the sheet number, so that the list, the name list and the sort's walk are read from the
// index alone and never from the whole table. Equal names are put in the order they were added
// by a sort of each run of equal names only.
// The name index's condition is the one the selections use, so that the engine reads it for them.
const IndexDefinition workingIndexes[] = {
    {"employee_by_id", QStringLiteral("CREATE INDEX employee_by_id ON employee(ID)")},
    {"employee_by_name",
     QStringLiteral("CREATE INDEX employee_by_name ON employee(Surname COLLATE NOCASE, FirstName "
                    "COLLATE NOCASE, Status, SheetNo) WHERE %1")
         .arg(recordtype::realRecordsCondition())},
};

} // namespace

void addWorkingIndexes(Database& db) {
    const QStringList existing = db.objectNames();
    QStringList missing;
    for (const IndexDefinition& index : workingIndexes)
        if (!existing.contains(QLatin1String(index.name)))
            missing << index.sql;
    if (missing.isEmpty())
        return;
    Transaction transaction(db);
    for (const QString& sql : std::as_const(missing))
        db.exec(sql);
    transaction.commit();
}
