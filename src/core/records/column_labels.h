#pragma once

#include "core/common/columns.h"

#include <QString>
#include <QStringList>

// The employee columns as the record editor's captions name them: the spoken name of each
// column's field, which qualifies a caption that several fields share by its line or its address
// ("a. Salary/Wages, period", "Address 1, nature"), so that every label is unique without regard
// to case. The header of an exported file and of the template, the names an imported header may
// use beside the column names, and the field named in every problem.

// The label of an employee column (the name compared without regard to case); the name itself
// for a column the editor does not show, such as one of the employer's.
QString columnLabel(const QString& column);
// The same label in the language the program speaks, for screens and messages; files keep the
// English one, so that a file exported in one language imports in the other.
QString columnLabelShown(const QString& column);

// Every employee column's label, in the column table's order.
QStringList employeeColumnLabels();

// The employee column a header cell names, by its label or by its column name, without regard to
// case or to the spaces around it; -1 when it names none.
int columnForHeader(const QString& header);
