#include "store/records/employee_table.h"

#include "core/common/columns.h"
#include "core/common/engine_errors.h"
#include "store/common/database.h"
#include "store/common/rows.h"

#include <QObject>
#include <QStringList>

void changeReturnYear(Database& db, qint64 employerRowId, const QString& newYear) {
    checkValue(column(employerColumns(), QStringLiteral("ReturnYear")), newYear);
    const Columns cleared = yearDependentColumns();
    const auto count = static_cast<qsizetype>(cleared.size());
    Transaction transaction(db);
    Statement update = db.prepare(QStringLiteral("UPDATE %1 SET (%2) = (%3)")
                                      .arg(QLatin1String(table::employee), columnList(cleared),
                                           QStringList(count, QStringLiteral("?")).join(u',')));
    for (int position = 1; position <= count; ++position)
        update.bind(position, QVariant());
    update.run();
    db.prepare(QStringLiteral("UPDATE %1 SET ReturnYear = ?1 WHERE rowid = ?2")
                   .arg(QLatin1String(table::employer)))
        .bind(1, newYear)
        .bind(2, employerRowId)
        .run();
    if (db.changes() != 1)
        throw noEmployerRow();
    transaction.commit();
}
