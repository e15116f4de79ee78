#include "store/rows.h"

#include "common/codepage.h"

#include <QStringList>

namespace {

QString quoted(const char* name) {
    return u'"' + QLatin1String(name) + u'"';
}

void checkText(const ColumnDef& column, const QString& text) {
    const QString name = QLatin1String(column.name);
    if (text.isEmpty() && !column.emptyAllowed)
        throw EngineError(engine::ZeroLength,
                          QObject::tr("The field '%1' cannot be left as an empty text.").arg(name));
    const int bytes = codepage::byteLength(text);
    if (bytes < 0)
        throw EngineError(engine::FieldTooSmall,
                          QObject::tr("The field '%1' contains a character that cannot be "
                                      "stored.")
                              .arg(name));
    if (bytes > column.width)
        throw EngineError(engine::FieldTooSmall,
                          QObject::tr("The field '%1' holds at most %2 bytes (a Chinese "
                                      "character takes two); the value has %3.")
                              .arg(name)
                              .arg(column.width)
                              .arg(bytes));
}

void checkNumber(const ColumnDef& column, const QVariant& value) {
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    const qlonglong low = column.type == ColumnType::Byte ? 0 : INT32_MIN;
    const qlonglong high = column.type == ColumnType::Byte ? 255 : INT32_MAX;
    if (!ok || number < low || number > high)
        throw EngineError(engine::InvalidArgument,
                          QObject::tr("The field '%1' must hold a whole number from %2 to %3.")
                              .arg(QLatin1String(column.name))
                              .arg(low)
                              .arg(high));
}

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

void checkValue(const ColumnDef& column, const QVariant& value) {
    if (value.isNull())
        return;
    if (column.type == ColumnType::Text)
        checkText(column, value.toString());
    else
        checkNumber(column, value);
}

QString createTableSql(const char* tableName, Columns columns) {
    QStringList definitions;
    for (const ColumnDef& column : columns)
        definitions << quoted(column.name) + (column.type == ColumnType::Text
                                                  ? QStringLiteral(" TEXT COLLATE NOCASE")
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

qint64 insertRow(Database& db, const char* tableName, Columns columns, const RowValues& values) {
    checkRow(columns, values);
    QStringList marks;
    for (std::size_t i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    Statement insert =
        db.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(QLatin1String(tableName), columnList(columns), marks.join(u',')));
    bindRow(insert, values).run();
    return db.lastInsertRowId();
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
