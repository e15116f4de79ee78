#pragma once

#include "core/import/record_import.h"

// Rows of a file that carry the identity number of a stored original record update that record
// instead of adding another: a cell the file leaves empty keeps what the record holds (unless
// the user asks that empty cells clear fields), and the update changes exactly the fields whose
// values differ.

// For each employee column, whether the row sets it: the file has a column for it and the cell
// is not blank, or empty cells clear fields. ID and SheetNo are never set.
QList<bool> columnsSetByRow(const QStringList& fields, const ImportColumns& columns,
                            bool emptyCellsClear);

// The stored record as the update leaves it: the row's value where the row sets the column, the
// stored value everywhere else.
RowValues updatedRecord(const RowValues& stored, const RowValues& row, const QList<bool>& set);

// The columns whose values the update changes (compared as the fields show them), with the
// value each held.
QList<FieldChange> fieldChanges(const RowValues& stored, const RowValues& updated);

// When the row carries the identity number of a stored original record (and the settings can
// read stored records), makes `values` that record as the update leaves it and tells the row
// which record it updates and what changes.
void matchStoredRecord(ImportRow& row, RowValues& values, const QStringList& fields,
                       const ImportColumns& columns, const QHash<QString, qint64>& knownIdentities,
                       const ImportSettings& settings);

// Which kinds of row an import writes: rows that add new records, rows that update stored ones.
struct ImportKinds {
    bool addNew = true;
    bool updateMatching = true;
};

struct RecordUpdate {
    qint64 id = 0;
    QList<FieldChange> changes;
    PackedRow values; // the whole record as the update leaves it
};

struct ImportWork {
    QList<PackedRow> newRecords;
    QList<RecordUpdate> updates;
};

// What an import of this choice writes. An update is never applied when it would leave its
// record with an error, nor when the row has a problem and only rows without problems are
// chosen; an update that changes nothing is left out.
ImportWork chosenWork(const ImportPlan& plan, ImportChoice choice, ImportKinds kinds);

// "3 new records, 2 rows match original records, 1 of them changes fields."
QString changeCounts(const ImportPlan& plan);
// The dry run's changes as lines of text: one for each new record, one for each field an update
// changes with the value before and after, then the counts.
void forEachChangeLine(const ImportPlan& plan, const std::function<void(const QString&)>& take);

// What a row's names are: "CHAN, TAI MAN", or empty.
QString rowNames(const ImportRow& row);
// The value after the change, as the field shows it.
QString changedText(const ImportRow& row, const FieldChange& change);
