#include "store/common/rows.h"

#include "core/common/column_values.h"

#include <QObject>
#include <QStringList>

QString quoted(const char* name) {
    return u'"' + QLatin1String(name) + u'"';
}

namespace {

void checkRow(Columns columns, const RowValues& values) {
    if (values.size() != static_cast<qsizetype>(columns.size()))
        throw EngineError(engine::InvalidArgument, QObject::tr("A row has the wrong width."));
    for (std::size_t i = 0; i < columns.size(); ++i)
        checkValue(columns[i], values[static_cast<qsizetype>(i)]);
}

Statement& bindRow(Statement& statement, const RowValues& values) {
    for (qsizetype i = 0; i < values.size(); ++i)
        statement.bind(static_cast<int>(i + 1), values[i]);
    return statement;
}

} // namespace

QString insertSql(const char* tableName, Columns columns) {
    QStringList marks;
    for (std::size_t i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(QLatin1String(tableName), columnList(columns), marks.join(u','));
}

QString createTableSql(const char* tableName, Columns columns) {
    QStringList definitions;
    for (const ColumnDef& column : columns)
        // The width stands in the declared type, so that a later version can read it back.
        definitions << quoted(column.name) +
                           (column.type == ColumnType::Text
                                ? QStringLiteral(" VARCHAR(%1) COLLATE NOCASE").arg(column.width)
                                : QStringLiteral(" INTEGER"));
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(QLatin1String(tableName), definitions.join(QStringLiteral(", ")));
}

QString columnList(Columns columns) {
    QStringList names;
    for (const ColumnDef& column : columns)
        names << quoted(column.name);
    return names.join(QStringLiteral(", "));
}

RowValues emptyRow(Columns columns) {
    return RowValues(static_cast<qsizetype>(columns.size()));
}

RowValues readRow(Statement& query, Columns columns, int firstColumn) {
    RowValues values;
    values.reserve(static_cast<qsizetype>(columns.size()));
    for (std::size_t i = 0; i < columns.size(); ++i)
        values << query.value(firstColumn + static_cast<int>(i));
    return values;
}

RowInserter::RowInserter(Database& db, const char* tableName, Columns columns)
    : m_db(db)
    , m_columns(columns)
    , m_insert(db.prepare(insertSql(tableName, columns))) {}

qint64 RowInserter::insert(const RowValues& values) {
    checkRow(m_columns, values);
    m_insert.reset();
    bindRow(m_insert, values).run();
    return m_db.lastInsertRowId();
}

RowValues readWholeRow(const Statement& query) {
    RowValues values;
    values.reserve(query.columnCount());
    for (int i = 0; i < query.columnCount(); ++i)
        values << query.value(i);
    return values;
}

qint64 insertRow(Database& db, const char* tableName, Columns columns, const RowValues& values) {
    return RowInserter(db, tableName, columns).insert(values);
}

void updateRow(Database& db, const char* tableName, Columns columns, qint64 rowId,
               const RowValues& values) {
    checkRow(columns, values);
    QStringList assignments;
    for (const ColumnDef& column : columns)
        assignments << quoted(column.name) + QStringLiteral("=?");
    Statement update =
        db.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?")
                       .arg(QLatin1String(tableName), assignments.join(QStringLiteral(", "))));
    bindRow(update, values).bind(static_cast<int>(values.size() + 1), rowId).run();
}
