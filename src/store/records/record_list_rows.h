#pragma once

#include <QList>
#include <QString>
#include <optional>

class Database;
class Statement;

// What the record list beside the editor is narrowed to: a typed text found in the surname,
// the other names, the identity number with its check character or the sheet number (case
// ignored, anywhere in them), and a record type code ("O", "R" or "S"; empty for every type).
struct RecordListFilter {
    QString text;
    QString type;
};

// One line of the record list.
struct RecordListRow {
    qint64 rowId = -1;
    QString sheetNumber;
    QString type; // the Status code
    QString surname;
    QString firstName;
    QString identity;             // "A123456(7)", empty without an identity number
    std::optional<qint64> income; // the income amounts added up; none when one is unreadable
    bool hasNames = false;        // both names have a value: lines can be read on from it
};

// The records of a filter in the editor's name order, read a window at a time from the name
// index, which holds every column the filter looks at: a count, a window of lines by place, the
// place of one record. Only the lines of a window are read from the table itself.
class RecordListRows {
public:
    RecordListRows(Database& db, RecordListFilter filter);

    int count();
    QList<RecordListRow> window(int first, int size);
    // The lines that follow a line, and those before it, found by seeking its names in the index
    // rather than by counting from the top: the same time at the end of the list as at its
    // start. Nothing for a line without both names.
    QList<RecordListRow> windowAfter(const RecordListRow& last, int size);
    QList<RecordListRow> windowBefore(const RecordListRow& first, int size);
    // The place of the record with this row key among the filtered lines, or -1.
    int placeOf(qint64 rowId);

private:
    QString selection(const QString& what) const;
    void bindFilter(Statement& statement) const;
    QList<RecordListRow> windowNextTo(const RecordListRow& line, int size, bool after);
    QList<RecordListRow> readLines(Statement& keys) const;
    RecordListRow readLine(Statement& read, qint64 rowId) const;
    int scanFor(qint64 rowId);

    Database& m_db;
    RecordListFilter m_filter;
};
