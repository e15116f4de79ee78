#include "common/column_values.h"

#include "common/codepage.h"
#include "common/engine_error.h"

#include <QObject>

namespace {

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
    if (!ok || !fitsNumber(column, number))
        throw EngineError(engine::InvalidArgument,
                          QObject::tr("The field '%1' must hold a whole number from %2 to %3.")
                              .arg(QLatin1String(column.name))
                              .arg(low)
                              .arg(high));
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

bool fitsNumber(const ColumnDef& column, qint64 number) {
    if (column.type == ColumnType::Byte)
        return number >= 0 && number <= 255;
    return number >= INT32_MIN && number <= INT32_MAX;
}

QVariant valueFromText(const ColumnDef& column, const QString& text) {
    if (column.type != ColumnType::Text) {
        const QString number = text.trimmed();
        bool ok = false;
        const qlonglong value = number.toLongLong(&ok);
        if (number.isEmpty())
            return QVariant();
        return ok ? QVariant(value) : QVariant(text);
    }
    if (text.isEmpty() && !column.emptyAllowed)
        return QVariant();
    return text;
}

QString textFromValue(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}
