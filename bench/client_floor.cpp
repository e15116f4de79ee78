#include "client_floor.h"

#include "command_line.h"
#include "store/common/rows.h"
#include "store/common/schema.h"

#include <QFile>

namespace bench {

// The same copy by the engine's own client: attach a plain file, make the two tables, copy the
// selected rows, then compact; and md5sum of the image the program wrote.
qint64 submissionFloor(const QString& folder, const QString& image, int returnYear) {
    const QString copy = folder + QStringLiteral("/client.mdb");
    QFile::remove(copy); // a copy of an earlier measurement
    const QString employees = columnList(employeeColumns());
    const QString script =
        QStringLiteral("PRAGMA key='%1';\nATTACH DATABASE '%2' AS s KEY '';\n%3;\n"
                       "INSERT INTO s.Employee SELECT %4 FROM employee WHERE Status IN ('O', 'o')"
                       " AND EYear1||EMonth1||EDay1 > '%5' AND EYear2||EMonth2||EDay2 < '%6';\n"
                       "%7;\nINSERT INTO s.Employer SELECT * FROM employer;\nDETACH DATABASE s;\n")
            .arg(schema::defaultPassword, copy, createTableSql("s.Employee", employeeColumns()),
                 employees, QString::number(returnYear - 1) + QStringLiteral("0331"),
                 QString::number(returnYear) + QStringLiteral("0401"),
                 createTableSql("s.Employer", employerColumns()));
    const QString working = databasePath(folder, DatabaseFile::Working);
    return runTool({QStringLiteral("sqlcipher"), working}, script.toUtf8()) +
           runTool({QStringLiteral("sqlcipher"), copy}, "VACUUM;\n") +
           runTool({QStringLiteral("md5sum"), image}, QByteArray());
}

} // namespace bench
