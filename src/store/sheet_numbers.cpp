#include "store/sheet_numbers.h"

#include "store/columns.h"
#include "store/rows.h"

#include <vector>

namespace {

// Equal names keep the order in which the records were added, so repeated sorts agree.
const QString nameOrder =
    QStringLiteral("SELECT rowid, Status FROM employee WHERE Status <> 'H' "
                   "ORDER BY Surname COLLATE NOCASE, FirstName COLLATE NOCASE, rowid");

std::vector<qint64> originalsInNameOrder(Database& db) {
    std::vector<qint64> rowIds;
    Statement walk = db.prepare(nameOrder);
    while (walk.next())
        if (walk.value(1).toString() == u'O')
            rowIds.push_back(walk.value(0).toLongLong());
    return rowIds;
}

} // namespace

int numberOriginalRecords(Database& db) {
    const ColumnDef& sheetColumn = column(employeeColumns(), QStringLiteral("SheetNo"));
    Transaction transaction(db);
    const std::vector<qint64> originals = originalsInNameOrder(db);
    Statement update = db.prepare(QStringLiteral("UPDATE employee SET SheetNo=? WHERE rowid=?"));
    int count = 0;
    for (qint64 rowId : originals) {
        const QString sheetNo = QString::number(++count);
        checkValue(sheetColumn, sheetNo);
        update.bind(1, sheetNo).bind(2, rowId).run();
        update.reset();
    }
    transaction.commit();
    return count;
}
