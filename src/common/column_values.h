#pragma once

#include "common/columns.h"

#include <QList>
#include <QVariant>

// A row as one value per column, in the column table's order; a null QVariant is "no value".
using RowValues = QList<QVariant>;

// Refuses a value its column cannot hold: too long in code-page bytes, an empty text where the
// column refuses one, a character the code page lacks, or a number out of range. Raises an
// EngineError; needs no database.
void checkValue(const ColumnDef& column, const QVariant& value);
