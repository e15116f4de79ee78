#pragma once

#include "core/employer/employer_data.h"
#include "store/common/database.h"
#include "store/common/rows.h"

#include <QString>
#include <QVariant>

// The one employer row, in the working database (table employer) and in a submission (table
// Employer, its copy). Every reader goes through here, so that a database without the row fails
// the same way wherever it is read: "no current record" (3021), naming the database.
namespace employertable {

enum class Holder { Working, Submission };

// The row's columns in the column table's order, then its row key; positioned on the row.
Statement openRow(Database& db, Holder holder);
// The key of the row that openRow is positioned on.
qint64 rowIdOf(const Statement& row);

struct StoredEmployer {
    qint64 rowId = 0;
    EmployerData data;
};
StoredEmployer readEmployer(Database& db, Holder holder = Holder::Working);
RowValues readEmployerValues(Database& db, Holder holder = Holder::Working);

// One column alone, for a database whose other columns may still have an earlier layout.
QVariant readEmployerColumn(Database& db, const char* column, Holder holder = Holder::Working);

// Every column of the working database's row; the row must still be there.
void writeEmployer(Database& db, qint64 rowId, const EmployerData& data);
void writeEmployerValues(Database& db, qint64 rowId, const RowValues& values);
// The return year alone, inside the caller's transaction; the row must still be there.
void writeReturnYear(Database& db, qint64 rowId, const QString& year);

} // namespace employertable
