#include "core/common/column_values.h"

#include "core/common/codepage.h"
#include "core/common/engine_error.h"

#include <QObject>
#include <cstring>

namespace {

void checkText(const ColumnDef& column, const QString& text) {
    const QString name = QLatin1String(column.name);
    if (text.isEmpty() && !column.emptyAllowed)
        throw EngineError(engine::ZeroLength,
                          QObject::tr("The field '%1' cannot be left as an empty text.").arg(name));
    if (codepage::hasControlCharacter(text))
        throw EngineError(engine::FieldTooSmall,
                          QObject::tr("The field '%1' contains a control character (such as a "
                                      "tab, a line break or an escape), which cannot be stored.")
                              .arg(name));
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

namespace {

// Each value starts with one byte: a short text's length itself (most texts of a record are
// short, so they take no other byte), or one of the tags above the longest short text.
constexpr quint8 longestShortText = 239;
enum Tag : quint8 { noValue = 240, text = 241, number = 242 };

template <typename T> void appendRaw(QByteArray& out, T value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T> T readRaw(const PackedRow& packed, qsizetype& at) {
    T value{};
    const QByteArrayView bytes = QByteArrayView(packed).sliced(at, qsizetype(sizeof value));
    std::memcpy(&value, bytes.data(), sizeof value);
    at += qsizetype(sizeof value);
    return value;
}

// Numbers take as many bytes as they need, seven bits each: most amounts fit in three or four
// rather than eight. The sign is folded into the lowest bit.
void appendVarint(QByteArray& out, qint64 value) {
    quint64 bits = (quint64(value) << 1) ^ quint64(value >> 63);
    while (bits >= 0x80) {
        out.append(char((bits & 0x7f) | 0x80));
        bits >>= 7;
    }
    out.append(char(bits));
}

qint64 readVarint(const PackedRow& packed, qsizetype& at) {
    quint64 bits = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = quint8(packed.at(at++));
        bits |= quint64(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            break;
    }
    return qint64(bits >> 1) ^ -qint64(bits & 1);
}

} // namespace

PackedRow packRow(const RowValues& values) {
    PackedRow packed;
    for (const QVariant& value : values) {
        if (value.isNull()) {
            packed.append(char(noValue));
        } else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
            packed.append(char(number));
            appendVarint(packed, value.toLongLong());
        } else {
            const QByteArray utf8 = value.toString().toUtf8();
            if (utf8.size() <= longestShortText) {
                packed.append(char(quint8(utf8.size())));
            } else {
                packed.append(char(text));
                appendRaw<qint32>(packed, qint32(utf8.size()));
            }
            packed.append(utf8);
        }
    }
    // An import holds every row: each in exactly its room, made once, rather than the room its
    // growth left or a block shrunk in place, which leaves gaps between the rows.
    return PackedRow(packed.constData(), packed.size());
}

RowValues unpackRow(const PackedRow& packed) {
    RowValues values;
    for (qsizetype at = 0; at < packed.size();) {
        const auto tag = quint8(packed.at(at++));
        if (tag == number) {
            values << QVariant(qlonglong(readVarint(packed, at)));
        } else if (tag == text || tag <= longestShortText) {
            const qint32 length = tag == text ? readRaw<qint32>(packed, at) : qint32(tag);
            values << QVariant(QString::fromUtf8(packed.constData() + at, length));
            at += length;
        } else {
            values << QVariant();
        }
    }
    return values;
}
