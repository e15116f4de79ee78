#pragma once

#include <QStringList>

// The template for filling in records in a spreadsheet: the labels as its header, then one
// example row that shows how each field is written.

// The example: an original record for the whole of the return year ending in March of
// `returnYear`, which passes every check of the editor, one cell per employee column in the
// column table's order (ID and SheetNo empty, as the program sets them). Without a four-digit
// year the dates of the period are left empty.
QStringList templateExampleRow(const QString& returnYear);
