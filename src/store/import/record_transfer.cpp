#include "store/import/record_transfer.h"

#include "core/import/csv.h"
#include "core/import/record_template.h"
#include "core/records/column_labels.h"
#include "core/records/record_types.h"
#include "store/employer/employer_table.h"
#include "store/import/import_file.h"
#include "store/records/report_rows.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSaveFile>
#include <memory>

namespace {

EngineError cannotWrite(const QString& path, const QString& why) {
    return EngineError(
        engine::PathFileAccess,
        QObject::tr("The file '%1' cannot be written: %2").arg(QFileInfo(path).fileName(), why));
}

// Every line is written into a file beside the target, which replaces the target only when all
// of it is on the disk; then the target is measured against what was written.
class CsvFile {
public:
    CsvFile(const QString& path, const QStringList& header)
        : m_file(path) {
        if (!m_file.open(QIODevice::WriteOnly))
            throw cannotWrite(path, m_file.errorString());
        // Identity numbers and incomes are for the user alone, as in the working database.
        m_file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        write(csv::byteOrderMark);
        writeLine(header);
    }
    void writeLine(const QStringList& fields) { write(csv::line(fields).toUtf8()); }
    // A row of texts, each protected from being read as a formula.
    void writeTexts(const QStringList& texts) {
        QStringList cells;
        for (const QString& text : texts)
            cells << csv::protectedCell(text);
        writeLine(cells);
    }
    void finish() {
        if (!m_file.commit())
            throw cannotWrite(m_file.fileName(), m_file.errorString());
        if (QFileInfo(m_file.fileName()).size() != m_written)
            throw cannotWrite(m_file.fileName(), QObject::tr("it is incomplete on the disk."));
    }

private:
    void write(const QByteArray& bytes) {
        if (m_file.write(bytes) != bytes.size())
            throw cannotWrite(m_file.fileName(), m_file.errorString());
        m_written += bytes.size();
    }
    QSaveFile m_file;
    qint64 m_written = 0;
};

// The stored records an import may update, read one at a time by their IDs.
std::function<RowValues(qint64)> storedRecords(Database& db) {
    auto read = std::make_shared<Statement>(
        db.prepare(QStringLiteral("select %1 from employee where ID = ? and %2")
                       .arg(columnList(employeeColumns()), recordtype::realRecordsCondition())));
    return [read](qint64 id) {
        read->reset();
        read->bind(1, id);
        RowValues values;
        if (read->next())
            for (int i = 0; i < read->columnCount(); ++i)
                values << read->value(i);
        return values;
    };
}

// Writes the changed fields of one record, provided each still holds what the dry run found.
void applyUpdate(Database& db, const RecordUpdate& update) {
    const Columns columns = employeeColumns();
    const RowValues values = unpackRow(update.values);
    QStringList assignments;
    QStringList unchanged;
    for (const FieldChange& change : update.changes) {
        const QString name = QLatin1String(columns[static_cast<std::size_t>(change.column)].name);
        checkValue(columns[static_cast<std::size_t>(change.column)], values.at(change.column));
        assignments << name + QStringLiteral(" = ?");
        unchanged << name + QStringLiteral(" is ?");
    }
    Statement write = db.prepare(
        QStringLiteral("update employee set %1 where ID = ? and %2")
            .arg(assignments.join(QStringLiteral(", ")), unchanged.join(QStringLiteral(" and "))));
    int at = 1;
    for (const FieldChange& change : update.changes)
        write.bind(at++, values.at(change.column));
    write.bind(at++, update.id);
    for (const FieldChange& change : update.changes)
        write.bind(at++, change.before);
    write.run();
    if (db.changes() != 1)
        throw EngineError(engine::InvalidArgument,
                          QObject::tr("The record with ID %1 has changed since the dry run. "
                                      "Nothing was imported; run the import again.")
                              .arg(update.id));
}

qint64 nextRecordId(Database& db) {
    Statement highest = db.prepare(QStringLiteral("select max(ID) from employee where %1")
                                       .arg(recordtype::realRecordsCondition()));
    return highest.next() && !highest.isNull(0) ? highest.value(0).toLongLong() + 1 : 1;
}

} // namespace

int forEachRecordTexts(Database& db, const std::function<void(const QStringList&)>& take) {
    Statement records =
        db.prepare(QStringLiteral("select %1 from employee where %2 order by ID, rowid")
                       .arg(columnList(employeeColumns()), recordtype::realRecordsCondition()));
    int count = 0;
    QStringList texts;
    while (records.next()) {
        texts.clear();
        for (int i = 0; i < records.columnCount(); ++i)
            texts << textFromValue(records.value(i));
        take(texts);
        ++count;
    }
    return count;
}

int exportRecords(Database& db, const QString& path) {
    CsvFile file(path, employeeColumnLabels());
    const Columns columns = employeeColumns();
    QStringList fields;
    const int count = forEachRecordTexts(db, [&](const QStringList& texts) {
        fields.clear();
        for (int i = 0; i < texts.size(); ++i) {
            const bool isText = columns[static_cast<std::size_t>(i)].type == ColumnType::Text;
            fields << (isText ? csv::protectedCell(texts.at(i)) : texts.at(i));
        }
        file.writeLine(fields);
    });
    file.finish();
    return count;
}

void exportTemplate(Database& db, const QString& path) {
    CsvFile file(path, employeeColumnLabels());
    file.writeTexts(templateExampleRow(employertable::readEmployer(db).data.returnYear));
    file.finish();
}

void exportTable(const QString& path, const QStringList& header, const QList<QStringList>& rows) {
    CsvFile file(path, header);
    for (const QStringList& row : rows)
        file.writeTexts(row);
    file.finish();
}

QHash<QString, qint64> originalIdentities(Database& db, QSet<QString>* shared) {
    QHash<QString, qint64> identities;
    // One pass over the whole table: its pages would only crowd the cache during the dry run.
    db.readingOnce([&] {
        // The column compares without regard to case, so "o" records count as originals too.
        Statement originals = db.prepare(
            QStringLiteral("select HKID, ChkDigit, Status, ID from employee where Status = ?"));
        originals.bind(1, recordtype::code(recordtype::original));
        while (originals.next()) {
            const FieldTexts fields{{QStringLiteral("HKID"), textFromValue(originals.value(0))},
                                    {QStringLiteral("ChkDigit"), textFromValue(originals.value(1))},
                                    {QStringLiteral("Status"), textFromValue(originals.value(2))}};
            const QString identity = originalIdentity(fields);
            if (identity.isEmpty())
                continue;
            if (shared && identities.contains(identity))
                shared->insert(identity);
            identities.insert(identity, originals.value(3).toLongLong());
        }
    });
    return identities;
}

ImportPlan dryRun(Database& db, const QString& path, const QString& sheet) {
    return planFileImport(path, sheet, employertable::readEmployer(db).data,
                          originalIdentities(db));
}

ImportPlan dryRun(Database& db, const QString& path, const DryRunOptions& options) {
    ImportSettings settings{storedRecords(db), options.mappings, options.emptyCellsClear, {}};
    const QHash<QString, qint64> identities = originalIdentities(db, &settings.sharedIdentities);
    const EmployerData employer = employertable::readEmployer(db).data;
    // The stored records a file updates are read one by one, mostly once each: their pages
    // would only crowd the cache while the file's rows are held.
    ImportPlan plan;
    db.readingOnce(
        [&] { plan = planFileImport(path, options.sheet, employer, identities, settings); });
    return plan;
}

std::optional<int> importRecords(Database& db, const QList<PackedRow>& rows,
                                 const ImportProgress& progress) {
    const std::optional<ImportCounts> counts = importRecords(db, ImportWork{rows, {}}, progress);
    return counts ? std::optional<int>(counts->added) : std::nullopt;
}

std::optional<ImportCounts> importRecords(Database& db, const ImportWork& work,
                                          const ImportProgress& progress) {
    const int idColumn = columnIndex(employeeColumns(), QStringLiteral("ID"));
    Transaction transaction(db);
    qint64 id = nextRecordId(db);
    RowInserter inserter(db, table::employee, employeeColumns());
    const ImportCounts counts{static_cast<int>(work.newRecords.size()),
                              static_cast<int>(work.updates.size())};
    const int total = counts.added + counts.updated;
    for (int written = 0; written < total; ++written) {
        if (written < counts.added) {
            RowValues row = unpackRow(work.newRecords.at(written));
            row[idColumn] = id++;
            inserter.insert(row);
        } else {
            applyUpdate(db, work.updates.at(written - counts.added));
        }
        if (progress && !progress(written + 1, total))
            return std::nullopt;
    }
    transaction.commit();
    return counts;
}
