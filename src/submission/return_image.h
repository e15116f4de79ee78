#pragma once

#include "store/columns.h"

#include <QByteArray>
#include <QList>
#include <QVariant>

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

// Session, file number, return year, submission date, name and designation, then CR LF.
QByteArray employerLine(const QList<QVariant>& employer);

// One record's text. Only a written remark ends the line, so a record without one runs straight
// into the next.
QByteArray recordText(const QList<QVariant>& employee);

} // namespace returnimage
