#pragma once

#include "core/import/csv.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <functional>

// The cells of one sheet as the workbook reader hands them over, each row packed into one block
// of bytes, since a formula's value may come only after the whole sheet has been read. A cell
// keeps its kind, its value and its format; texts shared between cells are kept once.
class SheetRows {
public:
    enum class Kind : quint8 { Empty, Text, SharedText, Number, Date, Truth };

    void setText(int row, int column, const QByteArray& utf8);
    void setSharedText(int row, int column, quint32 index);
    void setNumber(int row, int column, double value);
    void setDate(int row, int column, QDate date);
    void setTruth(int row, int column, bool value);
    void setEmpty(int row, int column);
    void setFormat(int row, int column, quint32 format);

    struct Reading {
        std::function<QByteArray(quint32)> sharedText;
        std::function<bool(quint32)> formatShowsDate;
        QDate origin; // the day a date number counts from
    };
    // Each row that has a cell, its fields the cells' texts as the user sees them; each row is
    // let go once taken. Cells may then be set for the rows after the last taken, and taken in
    // turn, so that a sheet read in parts is held one part at a time.
    void takeRows(const Reading& reading, const csv::TakeRecord& take);

private:
    struct Cell {
        int column = 0;
        Kind kind = Kind::Empty;
        quint32 format = 0;
        QByteArray payload;
    };
    static QList<Cell> cellsOf(const QByteArray& packed);
    // The cell's text as the user sees it, and its date when it shows one.
    static void readCell(const Cell& cell, const Reading& reading, QString& text, QDate& date);
    static void append(QByteArray& packed, const Cell& cell);
    static qsizetype payloadSize(Kind kind);
    void put(int row, const Cell& cell);

    QList<QByteArray> m_rows; // from m_firstRow on
    int m_firstRow = 0;
    int m_lastRow = -1;
    int m_lastColumn = -1;
    qsizetype m_lastCellAt = -1;
};

// A number as the user reads it in a cell of General format: its shortest decimal form,
// without an exponent.
QString numberText(double value);
