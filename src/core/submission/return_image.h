#pragma once

#include "core/common/columns.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QVariant>
#include <functional>

// The return text image: the submission as Big5-HKSCS text with CR LF line ends. The digest in
// the log record is taken over exactly these bytes, so every rule here is part of what the tax
// authority checks. Rows are given as one value per column in the column table's order.
namespace returnimage {

enum class Rule {
    WhenPresent, // written unless it has no value or is an empty text
    Always,      // written whatever it holds; no value is written as the four letters Null
};

struct Field {
    int column; // position in employeeColumns()
    Rule rule;
};

// The 80 employee columns in the order the image writes them (ID is never written).
const QList<Field>& employeeLayout();

// One stored value as the engine holds it: no value, a text in UTF-8, or a number.
struct StoredValue {
    enum class Kind { Missing, Text, Number };
    Kind kind = Kind::Missing;
    QByteArrayView utf8;
    qint64 number = 0;
};
// The stored value of a column, by its position in the column table.
using ValueAt = std::function<StoredValue(int column)>;

// Session, file number, return year, submission date, name and designation, then CR LF.
void appendEmployerLine(QByteArray& image, const ValueAt& employer);

// One record's text. Only a written remark ends the line, so a record without one runs straight
// into the next.
void appendRecordText(QByteArray& image, const ValueAt& employee);

// The same for rows held as values (a null value is "no value").
QByteArray employerLine(const QList<QVariant>& employer);
QByteArray recordText(const QList<QVariant>& employee);

} // namespace returnimage
