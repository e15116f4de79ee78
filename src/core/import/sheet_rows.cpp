#include "core/import/sheet_rows.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

template <typename T> QByteArray bytesOf(T value) {
    QByteArray bytes(sizeof(T), Qt::Uninitialized);
    std::memcpy(bytes.data(), &value, sizeof(T));
    return bytes;
}

template <typename T> T valueOf(const QByteArray& bytes) {
    T value{};
    if (bytes.size() == sizeof(T))
        std::memcpy(&value, bytes.constData(), sizeof(T));
    return value;
}

QString dayMonthYear(QDate date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

QString numberText(double value) {
    if (!std::isfinite(value))
        return QString::number(value);
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

// A cell packed as its column (two bytes), its kind (one) and what the kind needs: the format
// before a number's value or alone for an empty cell, a text's length before its bytes.
static bool hasFormat(SheetRows::Kind kind) {
    return kind == SheetRows::Kind::Number || kind == SheetRows::Kind::Empty;
}

void SheetRows::append(QByteArray& packed, const Cell& cell) {
    packed += bytesOf(static_cast<quint16>(cell.column));
    packed += static_cast<char>(cell.kind);
    if (hasFormat(cell.kind))
        packed += bytesOf(cell.format);
    if (cell.kind == Kind::Text)
        packed += bytesOf(static_cast<quint32>(cell.payload.size()));
    packed += cell.payload;
}

QList<SheetRows::Cell> SheetRows::cellsOf(const QByteArray& packed) {
    QList<Cell> cells;
    qsizetype at = 0;
    while (at + 3 <= packed.size()) {
        Cell cell;
        cell.column = valueOf<quint16>(packed.mid(at, 2));
        cell.kind = static_cast<Kind>(packed.at(at + 2));
        at += 3;
        if (hasFormat(cell.kind)) {
            cell.format = valueOf<quint32>(packed.mid(at, 4));
            at += 4;
        }
        qsizetype length = payloadSize(cell.kind);
        if (cell.kind == Kind::Text) {
            length = valueOf<quint32>(packed.mid(at, 4));
            at += 4;
        }
        cell.payload = packed.mid(at, length);
        at += length;
        cells << cell;
    }
    return cells;
}

qsizetype SheetRows::payloadSize(Kind kind) {
    switch (kind) {
    case Kind::SharedText:
    case Kind::Date:
        return 4;
    case Kind::Number:
        return 8;
    case Kind::Truth:
        return 1;
    default:
        return 0;
    }
}

void SheetRows::put(int row, const Cell& cell) {
    if (row < m_firstRow) // a row of a part already taken, which a sheet never gives again
        return;
    if (row - m_firstRow >= m_rows.size())
        m_rows.resize(row - m_firstRow + 1);
    QByteArray& packed = m_rows[row - m_firstRow];
    // Cells come in order along a row; a cell given again (a formula's value) replaces the one
    // read before it.
    if (row != m_lastRow || cell.column <= m_lastColumn) {
        QList<Cell> cells = cellsOf(packed);
        auto same = std::find_if(cells.begin(), cells.end(),
                                 [&cell](const Cell& old) { return old.column == cell.column; });
        if (same != cells.end()) {
            const quint32 format = same->format;
            *same = cell;
            if (cell.format == 0) // a formula's value keeps the format its cell was given
                same->format = format;
            packed.clear();
            for (const Cell& kept : cells)
                append(packed, kept);
            m_lastRow = -1;
            return;
        }
    }
    m_lastRow = row;
    m_lastColumn = cell.column;
    m_lastCellAt = hasFormat(cell.kind) ? packed.size() + 3 : -1;
    append(packed, cell);
}

void SheetRows::setText(int row, int column, const QByteArray& utf8) {
    put(row, {column, Kind::Text, 0, utf8});
}
void SheetRows::setSharedText(int row, int column, quint32 index) {
    put(row, {column, Kind::SharedText, 0, bytesOf(index)});
}
void SheetRows::setNumber(int row, int column, double value) {
    put(row, {column, Kind::Number, 0, bytesOf(value)});
}
void SheetRows::setDate(int row, int column, QDate date) {
    put(row, {column, Kind::Date, 0, bytesOf(static_cast<qint32>(date.toJulianDay()))});
}
void SheetRows::setTruth(int row, int column, bool value) {
    put(row, {column, Kind::Truth, 0, QByteArray(1, value ? '1' : '0')});
}
void SheetRows::setEmpty(int row, int column) {
    put(row, {column, Kind::Empty, 0, {}});
}

void SheetRows::setFormat(int row, int column, quint32 format) {
    if (row == m_lastRow && column == m_lastColumn) {
        // Only a number's format matters; a text's is passed over.
        if (m_lastCellAt >= 0)
            m_rows[row - m_firstRow].replace(m_lastCellAt, 4, bytesOf(format));
        return;
    }
    put(row, {column, Kind::Empty, format, {}});
}

void SheetRows::readCell(const Cell& cell, const Reading& reading, QString& text, QDate& date) {
    switch (cell.kind) {
    case Kind::Text:
        text = QString::fromUtf8(cell.payload);
        break;
    case Kind::SharedText:
        text = QString::fromUtf8(reading.sharedText(valueOf<quint32>(cell.payload)));
        break;
    case Kind::Number: {
        const double value = valueOf<double>(cell.payload);
        if (reading.formatShowsDate(cell.format) && std::isfinite(value)) {
            date = reading.origin.addDays(static_cast<qint64>(std::floor(value)));
            text = dayMonthYear(date);
        } else {
            text = numberText(value);
        }
        break;
    }
    case Kind::Date:
        date = QDate::fromJulianDay(valueOf<qint32>(cell.payload));
        text = dayMonthYear(date);
        break;
    case Kind::Truth:
        text = cell.payload == "1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        break;
    case Kind::Empty:
        break;
    }
}

void SheetRows::takeRows(const Reading& reading, const csv::TakeRecord& take) {
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        const QList<Cell> cells = cellsOf(m_rows.at(row));
        m_rows[row] = QByteArray();
        csv::Record record{m_firstRow + static_cast<int>(row) + 1, {}, {}, {}};
        bool anyValue = false;
        for (const Cell& cell : cells) {
            if (cell.kind == Kind::Empty)
                continue;
            anyValue = true;
            while (record.fields.size() <= cell.column) {
                record.fields << QString();
                record.dates << QDate();
            }
            readCell(cell, reading, record.fields[cell.column], record.dates[cell.column]);
        }
        if (anyValue)
            take(record);
    }
    m_firstRow += static_cast<int>(m_rows.size());
    m_rows.clear();
    m_lastRow = -1;
}
