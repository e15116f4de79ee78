#pragma once

#include "store/columns.h"
#include "store/database.h"

#include <QList>
#include <QVariant>

// A row as one value per column, in the column table's order; a null QVariant is "no value".
using RowValues = QList<QVariant>;

// Refuses a value its column cannot hold: too long in code-page bytes, an empty text where the
// column refuses one, a character the code page lacks, or a number out of range.
void checkValue(const ColumnDef& column, const QVariant& value);

QString createTableSql(const char* tableName, Columns columns);
// "select" list of every column in order, quoted, for reading whole rows.
QString columnList(Columns columns);

RowValues emptyRow(Columns columns);
RowValues readRow(Statement& query, Columns columns, int firstColumn = 0);

// Both check every value first and write nothing when one is refused.
qint64 insertRow(Database& db, const char* tableName, Columns columns, const RowValues& values);
void updateRow(Database& db, const char* tableName, Columns columns, qint64 rowId,
               const RowValues& values);
