#include "store/records/sheet_numbers.h"

#include "core/common/columns.h"
#include "core/records/record_types.h"
#include "store/common/rows.h"

#include <algorithm>
#include <vector>

namespace {

struct Numbering {
    qint64 rowId;
    int sheetNo;
    bool unchanged; // the record already carries this number
};

// Equal names keep the order in which the records were added, so repeated sorts agree.
const QString nameOrder =
    QStringLiteral("SELECT rowid, Status, SheetNo FROM employee WHERE %1 "
                   "ORDER BY Surname COLLATE NOCASE, FirstName COLLATE NOCASE, rowid")
        .arg(recordtype::realRecordsCondition());

std::vector<Numbering> numberOriginals(Database& db) {
    std::vector<Numbering> numbering;
    Statement walk = db.prepare(nameOrder);
    while (walk.next())
        if (walk.value(1).toString() == recordtype::code(recordtype::original)) {
            const int sheetNo = int(numbering.size()) + 1;
            const bool unchanged = walk.value(2).toString() == QString::number(sheetNo);
            numbering.push_back({walk.value(0).toLongLong(), sheetNo, unchanged});
        }
    return numbering;
}

// The largest number is the widest; when it fits the column, every number does.
void checkWidestFits(const std::vector<Numbering>& numbering) {
    checkValue(column(employeeColumns(), QStringLiteral("SheetNo")),
               QString::number(numbering.size()));
}

} // namespace

int numberOriginalRecords(Database& db) {
    Transaction transaction(db);
    std::vector<Numbering> numbering = numberOriginals(db);
    checkWidestFits(numbering);
    // Writing in file order touches each page once rather than jumping about the file.
    std::ranges::sort(numbering, {}, &Numbering::rowId);
    Statement update = db.prepare(QStringLiteral("UPDATE employee SET SheetNo=? WHERE rowid=?"));
    for (const Numbering& entry : numbering) {
        if (entry.unchanged)
            continue; // rewriting the same number would only cost time
        update.bind(1, QString::number(entry.sheetNo)).bind(2, entry.rowId).run();
        update.reset();
    }
    transaction.commit();
    return int(numbering.size());
}
