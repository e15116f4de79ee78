#pragma once

#include "core/common/columns.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// How each employee column goes into a spreadsheet workbook: as a number, as an amount (a number
// shown grouped by commas) or as text, which keeps the leading zeros of identity numbers, sheet
// numbers and the parts of dates; the values a cell may take, when they are few; and the rule
// of the field in one sentence, for the template's sheet that explains every column. Made from
// the column table and the editor's field table, in the column table's order.

enum class CellKind { Number, Amount, Text };

struct SheetColumn {
    const ColumnDef* column;
    QString label; // the header cell: the column's label, as the editor names it
    CellKind kind;
    QStringList allowedValues; // empty when any value within the width may be typed
    QString rule;
};

const std::vector<SheetColumn>& sheetColumns();

// The number an amount or number cell holds: the stored text without its commas. Nothing for an
// empty text, and nothing for a text that is not a whole number, which is then written as the
// text it is rather than lost.
std::optional<double> cellNumber(const QString& text);

// How wide a text shows in a spreadsheet's column, in characters: a Chinese character takes two.
int displayWidth(const QString& text);

// The width of a header cell's column before any value is seen: the label wraps onto lines of at
// most this many characters, so that long labels do not make very wide columns.
int headerWidth(const QString& label);
// The column's width for its header and its widest value, with a little room beside them and
// no wider than a screenful of a sheet.
double fittedWidth(const QString& label, int widestValue);
// The lines the header cell needs at its narrowest width.
int headerLines(const QString& label);

// The explanation sheet of the template: its header and one row per employee column (label,
// column name, width in bytes, allowed values, the rule).
QStringList explanationHeader();
QList<QStringList> explanationRows();
