#include "store/records/record_list_rows.h"

#include "core/records/income_lines.h"
#include "core/records/record_types.h"
#include "store/common/database.h"
#include "store/common/rows.h"

namespace {

// A typed text as a pattern that finds it anywhere, its own wildcards taken literally.
QString containing(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'%', QStringLiteral("\\%"))
        .replace(u'_', QStringLiteral("\\_"));
    return u'%' + text + u'%';
}

// An identity number is typed as printed, "A123456(7)", or without the brackets.
QString identityPattern(const QString& text) {
    QString bare = text;
    bare.remove(u'(').remove(u')').remove(u' ');
    return containing(bare);
}

QString text(const Statement& read, int column) {
    return read.value(column).toString();
}

} // namespace

RecordListRows::RecordListRows(Database& db, RecordListFilter filter)
    : m_db(db)
    , m_filter(std::move(filter)) {
    m_filter.text = m_filter.text.trimmed();
}

// Every column the condition names is in the name index, and its condition is the index's own,
// so the engine walks the index in order and never reads the table for it.
QString RecordListRows::selection(const QString& what) const {
    QString sql = QStringLiteral("select %1 from employee where %2")
                      .arg(what, recordtype::realRecordsCondition());
    if (!m_filter.type.isEmpty())
        sql += QStringLiteral(" and Status = ?3");
    if (!m_filter.text.isEmpty())
        sql += QStringLiteral(" and (Surname like ?1 escape '\\' or FirstName like ?1 escape '\\' "
                              "or HKID || ifnull(ChkDigit, '') like ?2 escape '\\' "
                              "or trim(SheetNo) like ?1 escape '\\')");
    return sql;
}

void RecordListRows::bindFilter(Statement& statement) const {
    if (!m_filter.text.isEmpty()) {
        statement.bind(1, containing(m_filter.text));
        statement.bind(2, identityPattern(m_filter.text));
    }
    if (!m_filter.type.isEmpty())
        statement.bind(3, m_filter.type);
}

namespace {

const QString nameOrder =
    QStringLiteral(" order by Surname collate nocase, FirstName collate nocase, rowid");

} // namespace

int RecordListRows::count() {
    Statement read = m_db.prepare(selection(QStringLiteral("count(*)")));
    bindFilter(read);
    return read.next() ? read.value(0).toInt() : 0;
}

QList<RecordListRow> RecordListRows::window(int first, int size) {
    Statement keys = m_db.prepare(selection(QStringLiteral("rowid")) + nameOrder +
                                  QStringLiteral(" limit ?4 offset ?5"));
    bindFilter(keys);
    keys.bind(4, size).bind(5, first);
    Statement read = m_db.prepare(
        QStringLiteral("select SheetNo, Status, Surname, FirstName, HKID, ChkDigit, %1 from "
                       "employee where rowid = ?")
            .arg(columnList(incomeColumns())));
    QList<RecordListRow> lines;
    while (keys.next()) {
        read.reset();
        read.bind(1, keys.value(0).toLongLong());
        if (read.next())
            lines << readLine(read, keys.value(0).toLongLong());
    }
    return lines;
}

RecordListRow RecordListRows::readLine(Statement& read, qint64 rowId) const {
    RecordListRow line;
    line.rowId = rowId;
    line.sheetNumber = text(read, 0).trimmed();
    line.type = text(read, 1);
    line.surname = text(read, 2);
    line.firstName = text(read, 3);
    if (!text(read, 4).isEmpty())
        line.identity = text(read, 4) + u'(' + text(read, 5) + u')';
    QList<QVariant> amounts;
    for (std::size_t i = 0; i < incomeColumns().size(); ++i)
        amounts << read.value(6 + int(i));
    try {
        line.income = incomeTotal(amounts);
    } catch (const EngineError&) {
        // An amount that is not a number leaves the total unknown; the record's check names it.
    }
    return line;
}

// The index is walked in order up to the record: no more than the lines before it are read.
int RecordListRows::placeOf(qint64 rowId) {
    Statement keys = m_db.prepare(selection(QStringLiteral("rowid")) + nameOrder);
    bindFilter(keys);
    for (int place = 0; keys.next(); ++place)
        if (keys.value(0).toLongLong() == rowId)
            return place;
    return -1;
}

qint64 RecordListRows::keyAt(int place) {
    Statement keys = m_db.prepare(selection(QStringLiteral("rowid")) + nameOrder +
                                  QStringLiteral(" limit 1 offset ?5"));
    bindFilter(keys);
    keys.bind(5, place);
    return keys.next() ? keys.value(0).toLongLong() : -1;
}
