#include "store/employee_table.h"

#include "common/columns.h"
#include "store/database.h"
#include "store/rows.h"

#include <QStringList>

void clearYearDependentColumns(Database& db) {
    const Columns cleared = yearDependentColumns();
    const auto count = static_cast<qsizetype>(cleared.size());
    Transaction transaction(db);
    Statement update = db.prepare(QStringLiteral("UPDATE %1 SET (%2) = (%3)")
                                      .arg(QLatin1String(table::employee), columnList(cleared),
                                           QStringList(count, QStringLiteral("?")).join(u',')));
    for (int position = 1; position <= count; ++position)
        update.bind(position, QVariant());
    update.run();
    transaction.commit();
}
