#pragma once

#include "core/common/conversion_rules.h"
#include "store/common/database.h"
#include "store/startup/conversion.h"

// The name under which the old file is attached to the new database's connection.
inline constexpr char oldSchema[] = "old";

// Writes the old employee rows into the new database, in the old order: each row goes to its
// old rowid plus one, since the new database's own placeholder holds the first. The placeholder
// of the old file is left out. Returns the number of rows written.
//
// Most rows are copied inside the engine, by one INSERT ... SELECT from the old file, which must
// be attached read-only to `fresh` as oldSchema: their values never leave the engine, except
// that on the way a year gets "19" in front, an amount is regrouped and the address lines are
// fitted to ours. A function over each whole old row lets a row through only when every value
// of it goes in that way, and counts the rows for the progress. The rows it holds back take the
// careful way afterwards, one at a time through Qt values and the full check, which converts
// them or names what our column refuses.
//
// A value our column refuses raises ValueRefused naming the record; with `cutTooLongTexts` a
// free text that is only too long is cut to the column's width instead and noted in `cut`.
struct CarefulCopy {
    bool cutTooLongTexts = false;
    QList<OldValue> cut;
};
qint64 copyEmployeeRows(Database& old, Database& fresh, const conversion::ColumnMatch& match,
                        qint64 total, const ConversionProgress& progress, CarefulCopy& careful);
