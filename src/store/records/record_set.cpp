#include "store/records/record_set.h"

#include "core/records/record_types.h"
#include "store/records/report_rows.h"

#include <QObject>

namespace {

Columns employee() {
    return employeeColumns();
}

EngineError noCurrentRecord() {
    return EngineError(engine::NoCurrentRecord, QObject::tr("No current record."));
}

} // namespace

RecordSet::RecordSet(Database& db)
    : m_db(db) {}

QString RecordSet::selectionSql(const QString& what) const {
    const QString select = QStringLiteral("select %1 from employee ").arg(what);
    switch (m_source) {
    case RecordSource::ByName:
        return select + QStringLiteral("where %1 order by Surname collate nocase, "
                                       "FirstName collate nocase, rowid")
                            .arg(recordtype::realRecordsCondition());
    case RecordSource::Placeholder:
        return select +
               QStringLiteral("where %1 order by rowid").arg(recordtype::placeholderCondition());
    case RecordSource::None:
        break;
    }
    return QString();
}

void RecordSet::refresh() {
    m_mode = EditMode::None;
    m_keys.clear();
    if (m_source != RecordSource::None) {
        Statement keys = m_db.prepare(selectionSql(QStringLiteral("rowid")));
        while (keys.next())
            m_keys << keys.value(0).toLongLong();
    }
    moveTo(0);
}

void RecordSet::moveTo(int position) {
    m_mode = EditMode::None;
    m_position = std::clamp(position, -1, count());
    if (isEmpty())
        m_position = 0; // both the start and the end
    loadCurrent();
}

bool RecordSet::moveToKey(qint64 rowId) {
    const qsizetype at = m_keys.indexOf(rowId);
    if (at < 0)
        return false;
    moveTo(static_cast<int>(at));
    return true;
}

void RecordSet::loadCurrent() {
    m_row.clear();
    if (isBof() || isEof())
        return;
    m_row = readEmployeeRow(m_db, currentKey());
}

qint64 RecordSet::currentKey() const {
    if (isBof() || isEof())
        throw noCurrentRecord();
    return m_keys[m_position];
}

const RowValues& RecordSet::row() const {
    if (m_mode != EditMode::None)
        return m_buffer;
    if (m_row.isEmpty())
        throw noCurrentRecord();
    return m_row;
}

QVariant RecordSet::value(const QString& column) const {
    const int at = columnIndex(employee(), column);
    if (at < 0)
        throw EngineError(engine::ColumnNotFound,
                          QObject::tr("The column '%1' does not exist.").arg(column));
    return row()[at];
}

void RecordSet::setValue(const QString& column, const QVariant& value) {
    const int at = columnIndex(employee(), column);
    if (m_mode == EditMode::None || at < 0)
        throw EngineError(engine::InvalidArgument, QObject::tr("The record is not being edited."));
    m_buffer[at] = value;
}

void RecordSet::edit() {
    m_buffer = row();
    m_mode = EditMode::Edit;
}

void RecordSet::addNew() {
    m_buffer = emptyRow(employee());
    m_mode = EditMode::Add;
}

void RecordSet::cancelUpdate() {
    m_mode = EditMode::None;
}

bool RecordSet::selects(const RowValues& row) const {
    const QVariant status = row[columnIndex(employee(), QStringLiteral("Status"))];
    const bool placeholder = recordtype::isPlaceholder(status);
    if (m_source == RecordSource::ByName)
        return !status.isNull() && !placeholder;
    return m_source == RecordSource::Placeholder && placeholder;
}

NameEntry RecordSet::namesOf(const RowValues& row, qint64 rowId) const {
    return {row[columnIndex(employee(), QStringLiteral("Surname"))],
            row[columnIndex(employee(), QStringLiteral("FirstName"))], rowId};
}

void RecordSet::placeByName(const NameEntry& names) {
    Statement read =
        m_db.prepare(QStringLiteral("select Surname, FirstName from employee where rowid = ?"));
    const int place = sortedPlace(count(), names, [&](int position) {
        read.reset();
        read.bind(1, m_keys[position]);
        if (!read.next())
            throw noCurrentRecord();
        return NameEntry{read.value(0), read.value(1), m_keys[position]};
    });
    m_keys.insert(place, names.rowId);
    moveTo(place);
}

NameChange RecordSet::update() {
    NameChange change;
    if (m_mode == EditMode::Add) {
        const qint64 rowId = insertRow(m_db, table::employee, employee(), m_buffer);
        m_mode = EditMode::None;
        if (m_source == RecordSource::ByName && selects(m_buffer)) {
            change.after = namesOf(m_buffer, rowId);
            placeByName(*change.after);
        }
    } else if (m_mode == EditMode::Edit) {
        const qint64 rowId = currentKey();
        updateRow(m_db, table::employee, employee(), rowId, m_buffer);
        m_mode = EditMode::None;
        if (m_source != RecordSource::ByName) {
            m_row = m_buffer;
            return change;
        }
        change.before = namesOf(m_row, rowId);
        m_keys.removeAt(m_position);
        if (selects(m_buffer)) {
            change.after = namesOf(m_buffer, rowId);
            placeByName(*change.after);
        } else {
            moveTo(m_position);
        }
    }
    return change;
}

NameEntry RecordSet::deleteCurrent() {
    const NameEntry deleted = namesOf(row(), currentKey());
    Statement remove = m_db.prepare(QStringLiteral("delete from employee where rowid = ?"));
    remove.bind(1, currentKey()).run();
    m_keys.removeAt(m_position);
    moveTo(m_position);
    return deleted;
}

bool RecordSet::findFirstAmong(Statement& matches) {
    qsizetype first = -1;
    while (matches.next()) {
        const qsizetype at = m_keys.indexOf(matches.value(0).toLongLong());
        if (at >= 0 && (first < 0 || at < first))
            first = at;
    }
    if (first < 0)
        return false;
    moveTo(static_cast<int>(first));
    return true;
}

// Both finds go through an index; the rows found are few, and their places in the selection are
// looked up in memory.
bool RecordSet::findFirstById(qint64 id) {
    Statement matches = m_db.prepare(QStringLiteral("select rowid from employee where ID = ?"));
    matches.bind(1, id);
    return findFirstAmong(matches);
}

bool RecordSet::findFirstByName(const QString& surname, const std::optional<QString>& firstName) {
    Statement matches = m_db.prepare(
        QStringLiteral("select rowid from employee where %1 and Surname = ? and ")
            .arg(recordtype::realRecordsCondition()) +
        (firstName ? QStringLiteral("FirstName = ?") : QStringLiteral("FirstName is null")));
    matches.bind(1, surname);
    if (firstName)
        matches.bind(2, *firstName);
    return findFirstAmong(matches);
}

// The highest identifier is the first of the identifier index from the top whose row is real.
// The unary plus keeps the engine from reading the whole name index for the record type.
std::optional<qint64> RecordSet::highestId() const {
    Statement read =
        m_db.prepare(QStringLiteral("select ID from employee where +%1 order by ID desc limit 1")
                         .arg(recordtype::realRecordsCondition()));
    if (!read.next())
        return std::nullopt;
    return read.value(0).toLongLong();
}

QList<NameEntry> RecordSet::names() const {
    QList<NameEntry> entries;
    if (m_source == RecordSource::None)
        return entries;
    Statement read = m_db.prepare(selectionSql(QStringLiteral("Surname, FirstName, rowid")));
    while (read.next())
        entries.append({read.value(0), read.value(1), read.value(2).toLongLong()});
    return entries;
}
