#include "store/records/record_list_rows.h"

#include "core/records/income_lines.h"
#include "core/records/record_types.h"
#include "store/common/database.h"
#include "store/common/rows.h"

#include <algorithm>

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
        // The names as the caption and the name search show them, or with a space between, so
        // that a surname and other names typed together are found.
        sql += QStringLiteral(
            " and (ifnull(Surname, '') || ', ' || ifnull(FirstName, '') like ?1 escape '\\' "
            "or ifnull(Surname, '') || ' ' || ifnull(FirstName, '') like ?1 escape '\\' "
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
const QString backwards = QStringLiteral(
    " order by Surname collate nocase desc, FirstName collate nocase desc, rowid desc");
// The lines after a line, and before one: the engine seeks the surname in the index. A missing
// other name comes before every other name, as in the name order.
const QString afterLine = QStringLiteral(
    " and Surname >= ?6 and (Surname > ?6 or FirstName > ?7 or (FirstName = ?7 and rowid > ?8))");
const QString beforeLine =
    QStringLiteral(" and Surname <= ?6 and (Surname < ?6 or FirstName is null or FirstName < ?7 or "
                   "(FirstName = ?7 and rowid < ?8))");

void bindNames(Statement& statement, const RecordListRow& line) {
    statement.bind(6, line.surname).bind(7, line.firstName).bind(8, line.rowId);
}

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
    return readLines(keys);
}

QList<RecordListRow> RecordListRows::windowAfter(const RecordListRow& last, int size) {
    return windowNextTo(last, size, true);
}

QList<RecordListRow> RecordListRows::windowBefore(const RecordListRow& first, int size) {
    return windowNextTo(first, size, false);
}

QList<RecordListRow> RecordListRows::windowNextTo(const RecordListRow& line, int size, bool after) {
    if (!line.hasNames)
        return {};
    Statement keys = m_db.prepare(selection(QStringLiteral("rowid")) +
                                  (after ? afterLine + nameOrder : beforeLine + backwards) +
                                  QStringLiteral(" limit ?4"));
    bindFilter(keys);
    bindNames(keys.bind(4, size), line);
    QList<RecordListRow> lines = readLines(keys);
    if (!after)
        std::reverse(lines.begin(), lines.end());
    return lines;
}

QList<RecordListRow> RecordListRows::readLines(Statement& keys) const {
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
    line.hasNames = !read.isNull(2) && !read.isNull(3);
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

// A record the filter leaves out is told by its key alone; the place of one it lists is the
// count of the lines before it.
int RecordListRows::placeOf(qint64 rowId) {
    Statement names = m_db.prepare(selection(QStringLiteral("Surname, FirstName")) +
                                   QStringLiteral(" and rowid = ?9"));
    bindFilter(names);
    names.bind(9, rowId);
    if (!names.next())
        return -1;
    if (names.isNull(0) || names.isNull(1))
        return scanFor(rowId); // no value to compare with: walk the lines instead
    Statement before = m_db.prepare(
        selection(QStringLiteral("count(*)")) +
        QStringLiteral(" and (Surname is null or Surname < ?6 or (Surname = ?6 and (FirstName is "
                       "null or FirstName < ?7 or (FirstName = ?7 and rowid < ?8))))"));
    bindFilter(before);
    before.bind(6, names.value(0)).bind(7, names.value(1)).bind(8, rowId);
    return before.next() ? before.value(0).toInt() : -1;
}

int RecordListRows::scanFor(qint64 rowId) {
    Statement keys = m_db.prepare(selection(QStringLiteral("rowid")) + nameOrder);
    bindFilter(keys);
    for (int place = 0; keys.next(); ++place)
        if (keys.value(0).toLongLong() == rowId)
            return place;
    return -1;
}
