#pragma once

#include <QHash>
#include <QList>
#include <QString>

// A record's field texts keyed by column name ("Surname", "EDay1", "QFlag", ...), as the editor
// holds them; a missing key reads as an empty text.
using FieldTexts = QHash<QString, QString>;

// A text named by a literal (a column's name, a rule's code), made once per literal and shared by
// every copy: checks of many records look up the same few dozen columns again and again, and
// tens of thousands of problems carry the same few codes.
const QString& sharedText(const char* literal);
inline const QString& columnKey(const char* column) {
    return sharedText(column);
}

// One record's texts by their place in the employee column table, as a check of the whole
// table reads them: one list for all the columns, refilled for each record, so that a rule
// finds a column by its place instead of hashing its name.
class RecordRow {
public:
    RecordRow();
    // `column` is the column's place in employeeColumns(); an empty column is a null text.
    void setText(qsizetype column, QString text) { m_texts[column] = std::move(text); }
    const QString& text(qsizetype column) const { return m_texts.at(column); }
    // The place of the column of exactly this name; -1 when there is none (it reads empty, as a
    // missing key of the editor's texts does).
    static qsizetype place(const char* column);
    static qsizetype place(const QString& column);

private:
    QList<QString> m_texts;
};

// What the rules read a record through, whether the editor's texts or a row of the table. It
// refers to them and lives no longer than the call it is passed to.
class FieldView {
public:
    FieldView(const FieldTexts& texts)
        : m_texts(&texts) {}
    FieldView(const RecordRow& row)
        : m_row(&row) {}

    // The field's text; an empty text when the record has no such column.
    const QString& text(const char* column) const;
    const QString& text(const QString& column) const;

private:
    const FieldTexts* m_texts = nullptr;
    const RecordRow* m_row = nullptr;
};
