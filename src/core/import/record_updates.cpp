#include "core/import/record_updates.h"

#include "core/common/columns.h"
#include "core/records/column_labels.h"
#include "core/validation/problem_codes.h"

#include <algorithm>

namespace {

bool neverSet(const char* column) {
    return qstrcmp(column, "ID") == 0 || qstrcmp(column, "SheetNo") == 0;
}

bool hasError(const ImportRow& row) {
    return !row.storable || std::ranges::any_of(row.findings, [](const RowFinding& finding) {
        return validation::severityOf(finding.code) == validation::Severity::Error;
    });
}

bool updateApplies(const ImportRow& row, ImportChoice choice) {
    if (row.changes.isEmpty() || hasError(row))
        return false;
    return choice == ImportChoice::AllRows || row.findings.isEmpty();
}

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

// The row's identity number as an original record's, from the three columns that make it.
QString identityOf(const RowValues& values) {
    FieldTexts texts;
    for (const char* name : {"HKID", "ChkDigit", "Status"})
        texts.insert(
            QLatin1String(name),
            textFromValue(values.value(columnIndex(employeeColumns(), QLatin1String(name)))));
    return originalIdentity(texts);
}

QString rowPlace(const ImportRow& row) {
    QString where = QStringLiteral("Row %1 (line %2)").arg(row.row).arg(row.line);
    const QString names = rowNames(row);
    return names.isEmpty() ? where : where + u' ' + names;
}

} // namespace

QList<bool> columnsSetByRow(const QStringList& fields, const ImportColumns& columns,
                            bool emptyCellsClear) {
    const Columns all = employeeColumns();
    QList<bool> set;
    set.reserve(static_cast<qsizetype>(all.size()));
    for (std::size_t i = 0; i < all.size(); ++i) {
        const int field = columns.fieldOfColumn.value(static_cast<qsizetype>(i), -1);
        const bool inFile = field >= 0 && field < fields.size() && !neverSet(all[i].name);
        set << (inFile && (emptyCellsClear || !fields.at(field).trimmed().isEmpty()));
    }
    return set;
}

RowValues updatedRecord(const RowValues& stored, const RowValues& row, const QList<bool>& set) {
    RowValues updated = stored;
    for (qsizetype i = 0; i < updated.size() && i < row.size(); ++i)
        if (set.value(i))
            updated[i] = row.at(i);
    return updated;
}

QList<FieldChange> fieldChanges(const RowValues& stored, const RowValues& updated) {
    QList<FieldChange> changes;
    for (qsizetype i = 0; i < stored.size() && i < updated.size(); ++i)
        if (textFromValue(stored.at(i)) != textFromValue(updated.at(i)))
            changes << FieldChange{static_cast<int>(i), stored.at(i)};
    return changes;
}

void matchStoredRecord(ImportRow& row, RowValues& values, const QStringList& fields,
                       const ImportColumns& columns, const QHash<QString, qint64>& knownIdentities,
                       const ImportSettings& settings) {
    if (!settings.storedRecord)
        return;
    const QString identity = identityOf(values);
    const qint64 id = knownIdentities.value(identity, 0);
    if (id == 0 || settings.sharedIdentities.contains(identity))
        return;
    const RowValues stored = settings.storedRecord(id);
    if (stored.size() != values.size()) // gone since its identity number was read
        return;
    values =
        updatedRecord(stored, values, columnsSetByRow(fields, columns, settings.emptyCellsClear));
    row.updates = id;
    row.changes = fieldChanges(stored, values);
}

ImportWork chosenWork(const ImportPlan& plan, ImportChoice choice, ImportKinds kinds) {
    ImportWork work;
    for (const ImportRow& row : plan.rows) {
        if (row.updates == 0) {
            if (kinds.addNew &&
                (choice == ImportChoice::AllRows ? row.storable : row.findings.isEmpty()))
                work.newRecords << row.values;
        } else if (kinds.updateMatching && updateApplies(row, choice)) {
            work.updates << RecordUpdate{row.updates, row.changes, row.values};
        }
    }
    return work;
}

QString changeCounts(const ImportPlan& plan) {
    const auto matching = std::ranges::count_if(plan.rows, &ImportRow::updates);
    const auto changing = std::ranges::count_if(
        plan.rows, [](const ImportRow& row) { return row.updates != 0 && !row.changes.isEmpty(); });
    return QStringLiteral("%1 new records, %2 rows match original records, %3 of them change "
                          "fields.")
        .arg(plan.rows.size() - matching)
        .arg(matching)
        .arg(changing);
}

void forEachChangeLine(const ImportPlan& plan, const std::function<void(const QString&)>& take) {
    for (const ImportRow& row : plan.rows) {
        if (row.updates == 0) {
            take(rowPlace(row) + QStringLiteral(": new record."));
            continue;
        }
        const QString record = QStringLiteral("the record with ID %1").arg(row.updates);
        if (row.changes.isEmpty())
            take(rowPlace(row) + QStringLiteral(": the same as %1, nothing changes.").arg(record));
        for (const FieldChange& change : row.changes)
            take(rowPlace(row) +
                 QStringLiteral(": updates %1, %2 from %3 to %4.")
                     .arg(record,
                          quoted(columnLabel(QLatin1String(
                              employeeColumns()[static_cast<std::size_t>(change.column)].name))),
                          quoted(textFromValue(change.before)), quoted(changedText(row, change))));
    }
    take(changeCounts(plan));
}

QString rowNames(const ImportRow& row) {
    const RowValues values = unpackRow(row.values);
    const QString surname =
        textFromValue(values.value(columnIndex(employeeColumns(), QStringLiteral("Surname"))));
    const QString others =
        textFromValue(values.value(columnIndex(employeeColumns(), QStringLiteral("FirstName"))));
    return surname.isEmpty() && others.isEmpty() ? QString()
                                                 : surname + QStringLiteral(", ") + others;
}

QString changedText(const ImportRow& row, const FieldChange& change) {
    return textFromValue(unpackRow(row.values).value(change.column));
}
