#include "store/records/employee_table.h"

#include "core/common/columns.h"
#include "core/common/engine_errors.h"
#include "store/common/database.h"
#include "store/common/rows.h"
#include "store/employer/employer_table.h"

#include <QObject>
#include <QStringList>

void changeReturnYear(Database& db, qint64 employerRowId, const QString& newYear) {
    const Columns cleared = yearDependentColumns();
    const auto count = static_cast<qsizetype>(cleared.size());
    Transaction transaction(db);
    Statement update = db.prepare(QStringLiteral("UPDATE %1 SET (%2) = (%3)")
                                      .arg(QLatin1String(table::employee), columnList(cleared),
                                           QStringList(count, QStringLiteral("?")).join(u',')));
    for (int position = 1; position <= count; ++position)
        update.bind(position, QVariant());
    update.run();
    employertable::writeReturnYear(db, employerRowId, newYear);
    transaction.commit();
}
