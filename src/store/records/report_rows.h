#pragma once

#include "store/common/rows.h"

#include <QList>

// The rows that printed reports read: they hold only row keys and read each row when its page
// is drawn, so that a report of every record never holds the whole table.

// Keys of the records whose Status is "O" exactly (not "o"), in sheet-number order by the
// number's value; records with equal numbers keep the order they were written in.
QList<qint64> originalRecordKeys(Database& db);
// Keys of every real record: the originals in sheet-number order as above, then the others in
// sheet-number order.
QList<qint64> everyRecordKeys(Database& db);
// Keys of the real records carrying this identifier.
QList<qint64> recordKeysWithId(Database& db, qint64 id);
// The employee row with this key in the column table's order; empty when there is none.
RowValues readEmployeeRow(Database& db, qint64 key);
