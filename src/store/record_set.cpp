#include "store/record_set.h"

#include "store/report_rows.h"

#include <QSet>

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
        return select + QStringLiteral("where Status <> 'H' order by Surname collate nocase, "
                                       "FirstName collate nocase, rowid");
    case RecordSource::Placeholder:
        return select + QStringLiteral("where Status = 'H' order by rowid");
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

void RecordSet::update() {
    if (m_mode == EditMode::Add) {
        insertRow(m_db, table::employee, employee(), m_buffer);
    } else if (m_mode == EditMode::Edit) {
        updateRow(m_db, table::employee, employee(), currentKey(), m_buffer);
        m_row = m_buffer;
    }
    m_mode = EditMode::None;
}

void RecordSet::deleteCurrent() {
    Statement remove = m_db.prepare(QStringLiteral("delete from employee where rowid = ?"));
    remove.bind(1, currentKey()).run();
    m_keys.removeAt(m_position);
    moveTo(m_position);
}

bool RecordSet::findFirstAmong(Statement& matches) {
    QSet<qint64> wanted;
    while (matches.next())
        wanted.insert(matches.value(0).toLongLong());
    for (int at = 0; at < count(); ++at)
        if (wanted.contains(m_keys[at])) {
            moveTo(at);
            return true;
        }
    return false;
}

bool RecordSet::findFirstById(qint64 id) {
    Statement matches = m_db.prepare(QStringLiteral("select rowid from employee where ID = ?"));
    matches.bind(1, id);
    return findFirstAmong(matches);
}

bool RecordSet::findFirstByName(const QString& surname, const std::optional<QString>& firstName) {
    Statement matches = m_db.prepare(
        firstName ? QStringLiteral("select rowid from employee where Surname = ? and FirstName = ?")
                  : QStringLiteral("select rowid from employee where Surname = ? and FirstName "
                                   "is null"));
    matches.bind(1, surname);
    if (firstName)
        matches.bind(2, *firstName);
    return findFirstAmong(matches);
}

std::optional<qint64> RecordSet::highestId() const {
    Statement read =
        m_db.prepare(QStringLiteral("select count(*), max(ID) from employee where Status <> 'H'"));
    read.next();
    if (read.value(0).toLongLong() == 0)
        return std::nullopt;
    return read.value(1).toLongLong();
}

QList<NameEntry> RecordSet::names() const {
    QList<NameEntry> entries;
    if (m_source == RecordSource::None)
        return entries;
    Statement read = m_db.prepare(selectionSql(QStringLiteral("Surname, FirstName")));
    while (read.next())
        entries.append({read.value(0), read.value(1)});
    return entries;
}
