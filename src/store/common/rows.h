#pragma once

#include "core/common/column_values.h"
#include "store/common/database.h"

#include <QList>
#include <QVariant>

QString createTableSql(const char* tableName, Columns columns);
// A column's name as an identifier in a statement.
QString quoted(const char* name);
// "select" list of every column in order, quoted, for reading whole rows.
QString columnList(Columns columns);
// "INSERT" of every column in order, each value a bound parameter.
QString insertSql(const char* tableName, Columns columns);

RowValues emptyRow(Columns columns);
RowValues readRow(Statement& query, Columns columns, int firstColumn = 0);
// Every column of the query's current row, in the query's order.
RowValues readWholeRow(const Statement& query);

// Inserts many rows through one prepared statement; each row is checked first as insertRow does.
class RowInserter {
public:
    RowInserter(Database& db, const char* tableName, Columns columns);
    qint64 insert(const RowValues& values);

private:
    Database& m_db;
    Columns m_columns;
    Statement m_insert;
};

// Both check every value first and write nothing when one is refused.
qint64 insertRow(Database& db, const char* tableName, Columns columns, const RowValues& values);
void updateRow(Database& db, const char* tableName, Columns columns, qint64 rowId,
               const RowValues& values);
