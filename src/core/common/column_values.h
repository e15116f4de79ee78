#pragma once

#include "core/common/columns.h"

#include <QList>
#include <QVariant>

// A row as one value per column, in the column table's order; a null QVariant is "no value".
using RowValues = QList<QVariant>;

// Refuses a value its column cannot hold: too long in code-page bytes, an empty text where the
// column refuses one, a character the code page lacks or a control character, or a number out of
// range. Raises an EngineError; needs no database.
void checkValue(const ColumnDef& column, const QVariant& value);
// True when a number column can hold the number.
bool fitsNumber(const ColumnDef& column, qint64 number);

// The value a field's text is stored as: a number column holds the number or no value when the
// text is blank (a text that is no number is kept as text, so checkValue refuses it); a text
// column holds the text, or no value when it is empty and the column refuses empty texts.
QVariant valueFromText(const ColumnDef& column, const QString& text);
// The text a field shows for a stored value: no value shows as an empty text.
QString textFromValue(const QVariant& value);

// A row packed into one byte array, for holding many rows until they are written: a few bytes a
// value instead of a Qt value each. No value, texts and whole numbers come back as they went in;
// any other value comes back as its text.
using PackedRow = QByteArray;
PackedRow packRow(const RowValues& values);
RowValues unpackRow(const PackedRow& packed);
