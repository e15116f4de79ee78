#include "core/import/sheet_rows.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

constexpr qsizetype headerSize = 2 + 1 + 4 + 4; // column, kind, format, payload length

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

void SheetRows::append(QByteArray& packed, const Cell& cell) {
    packed += bytesOf(static_cast<quint16>(cell.column));
    packed += static_cast<char>(cell.kind);
    packed += bytesOf(cell.format);
    packed += bytesOf(static_cast<quint32>(cell.payload.size()));
    packed += cell.payload;
}

QList<SheetRows::Cell> SheetRows::cellsOf(const QByteArray& packed) {
    QList<Cell> cells;
    qsizetype at = 0;
    while (at + headerSize <= packed.size()) {
        Cell cell;
        cell.column = valueOf<quint16>(packed.mid(at, 2));
        cell.kind = static_cast<Kind>(packed.at(at + 2));
        cell.format = valueOf<quint32>(packed.mid(at + 3, 4));
        const quint32 length = valueOf<quint32>(packed.mid(at + 7, 4));
        cell.payload = packed.mid(at + headerSize, length);
        at += headerSize + length;
        cells << cell;
    }
    return cells;
}

void SheetRows::put(int row, const Cell& cell) {
    if (row >= m_rows.size())
        m_rows.resize(row + 1);
    QByteArray& packed = m_rows[row];
    // Cells come in order along a row; a cell given again (a formula's value) replaces the one
    // read before it.
    if (row != m_lastRow || cell.column <= m_lastColumn) {
        QList<Cell> cells = cellsOf(packed);
        auto same = std::find_if(cells.begin(), cells.end(),
                                 [&cell](const Cell& old) { return old.column == cell.column; });
        if (same != cells.end()) {
            const quint32 format = same->format;
            *same = cell;
            if (cell.format == 0)
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
    m_lastCellAt = packed.size();
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
    put(row, {column, Kind::Date, 0, bytesOf(date.toJulianDay())});
}
void SheetRows::setTruth(int row, int column, bool value) {
    put(row, {column, Kind::Truth, 0, QByteArray(1, value ? '1' : '0')});
}
void SheetRows::setEmpty(int row, int column) {
    put(row, {column, Kind::Empty, 0, {}});
}

void SheetRows::setFormat(int row, int column, quint32 format) {
    if (row == m_lastRow && column == m_lastColumn) {
        m_rows[row].replace(m_lastCellAt + 3, 4, bytesOf(format));
        return;
    }
    put(row, {column, Kind::Empty, format, {}});
}

void SheetRows::takeRows(const Reading& reading,
                         const std::function<void(const csv::Record&)>& take) {
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        const QList<Cell> cells = cellsOf(m_rows.at(row));
        m_rows[row] = QByteArray();
        csv::Record record{static_cast<int>(row) + 1, {}, {}, {}};
        bool anyValue = false;
        for (const Cell& cell : cells) {
            if (cell.kind == Kind::Empty)
                continue;
            anyValue = true;
            while (record.fields.size() <= cell.column) {
                record.fields << QString();
                record.dates << QDate();
            }
            QString& text = record.fields[cell.column];
            QDate& date = record.dates[cell.column];
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
                date = QDate::fromJulianDay(valueOf<qint64>(cell.payload));
                text = dayMonthYear(date);
                break;
            case Kind::Truth:
                text = cell.payload == "1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
                break;
            case Kind::Empty:
                break;
            }
        }
        if (anyValue)
            take(record);
    }
    m_rows.clear();
}
