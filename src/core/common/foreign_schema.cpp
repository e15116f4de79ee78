#include "core/common/foreign_schema.h"

#include "core/common/columns.h"
#include "core/submission/log_record.h"

#include <QObject>

namespace {

struct ExpectedTable {
    const char* name;
    Columns columns;
    bool required;
};

struct Expectation {
    QList<ExpectedTable> tables;
    // An earlier version's working database: names without regard to case, and any of our
    // columns (an older layout lacks some), with indexes on its tables.
    bool lenient;
};

Expectation expectationFor(ForeignFileKind kind) {
    switch (kind) {
    case ForeignFileKind::Submission:
        return {{{"Employee", employeeColumns(), true}, {"Employer", employerColumns(), true}},
                false};
    case ForeignFileKind::SubmissionLog:
        return {{{checksumTable, checksumColumns(), true}}, false};
    case ForeignFileKind::WorkingDatabase:
        break;
    }
    return {
        {{table::employer, employerColumns(), true}, {table::employee, employeeColumns(), false}},
        true};
}

// Reads the definition's words one by one, past blanks and comments.
class Words {
public:
    explicit Words(const QString& sql)
        : m_sql(sql) {}

    QString next() {
        skipBlanks();
        const qsizetype start = m_at;
        while (m_at < m_sql.size() && (m_sql[m_at].isLetterOrNumber() || m_sql[m_at] == u'_'))
            ++m_at;
        return m_sql.mid(start, m_at - start).toUpper();
    }

    // Past one name, quoted or bare, possibly with its schema in front; false when none is.
    bool skipName() {
        for (;;) {
            skipBlanks();
            if (m_at >= m_sql.size())
                return false;
            const QChar first = m_sql[m_at];
            const QString closing = first == u'[' ? QStringLiteral("]") : QString(first);
            if (first == u'"' || first == u'\'' || first == u'`' || first == u'[') {
                const qsizetype end = m_sql.indexOf(closing, m_at + 1);
                if (end < 0)
                    return false;
                m_at = end + 1;
            } else if (next().isEmpty()) {
                return false;
            }
            skipBlanks();
            if (m_at >= m_sql.size() || m_sql[m_at] != u'.')
                return true;
            ++m_at;
        }
    }

    // Takes the next word only when it is this one.
    bool take(QLatin1String word) {
        const qsizetype at = m_at;
        if (next() == word)
            return true;
        m_at = at;
        return false;
    }

    bool nextIs(QChar sign) {
        skipBlanks();
        return m_at < m_sql.size() && m_sql[m_at] == sign;
    }

private:
    void skipBlanks() {
        while (m_at < m_sql.size()) {
            if (m_sql[m_at].isSpace())
                ++m_at;
            else if (m_sql.mid(m_at, 2) == QLatin1String("--"))
                m_at = endOf(QStringLiteral("\n"), 2);
            else if (m_sql.mid(m_at, 2) == QLatin1String("/*"))
                m_at = endOf(QStringLiteral("*/"), 2);
            else
                return;
        }
    }

    qsizetype endOf(const QString& closing, qsizetype opening) const {
        const qsizetype end = m_sql.indexOf(closing, m_at + opening);
        return end < 0 ? m_sql.size() : end + closing.size();
    }

    const QString& m_sql;
    qsizetype m_at = 0;
};

QString tableKind(Words& words) {
    if (words.take(QLatin1String("IF")) &&
        (!words.take(QLatin1String("NOT")) || !words.take(QLatin1String("EXISTS"))))
        return QStringLiteral("other");
    // The name, then its column list: a table made from a query has none.
    return words.skipName() && words.nextIs(u'(') ? QStringLiteral("table")
                                                  : QStringLiteral("other");
}

bool sameName(const QString& found, const char* wanted, bool lenient) {
    return found.compare(QLatin1String(wanted),
                         lenient ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}

bool columnsFit(const QStringList& found, Columns ours, bool lenient) {
    if (lenient) {
        for (const QString& name : found)
            if (columnIndex(ours, name) < 0)
                return false;
        return true;
    }
    if (found.size() != qsizetype(ours.size()))
        return false;
    for (qsizetype i = 0; i < found.size(); ++i)
        if (found[i] != QLatin1String(ours[std::size_t(i)].name))
            return false;
    return true;
}

const ExpectedTable* expectedTable(const Expectation& expectation, const QString& name) {
    for (const ExpectedTable& table : expectation.tables)
        if (sameName(name, table.name, expectation.lenient))
            return &table;
    return nullptr;
}

// The kind of entry the engine will hold, from its definition rather than its type column,
// which the file's maker may have written as anything.
QString entryKind(const SchemaObject& object) {
    if (object.sql.isEmpty())
        return object.type == QLatin1String("index") ? object.type : QStringLiteral("other");
    const QString kind = definedKind(object.sql);
    if (kind != QLatin1String("table") && kind != QLatin1String("index"))
        return kind; // a view, a trigger or a virtual table, whatever the type column says
    if (kind != object.type || (kind == QLatin1String("table") && !object.realTable))
        return QStringLiteral("other");
    return kind;
}

// Appends the entry to the verdict's list and records the first problem.
void judge(const Expectation& expectation, const SchemaObject& object, SchemaVerdict& verdict,
           QStringList& found, QStringList& present) {
    const QString kind = entryKind(object);
    const ExpectedTable* table = expectedTable(expectation, object.name);
    QString problem;
    if (kind == QLatin1String("table") && table) {
        present << QLatin1String(table->name);
        if (columnsFit(object.columns, table->columns, expectation.lenient)) {
            found << object.name;
            return;
        }
        found << QObject::tr("%1 (other columns)").arg(object.name);
        problem = QObject::tr("its table '%1' has other columns").arg(object.name);
    } else if (kind == QLatin1String("index") && expectation.lenient &&
               expectedTable(expectation, object.table)) {
        return; // an index only orders what its table holds
    } else {
        const QString what =
            kind == QLatin1String("other") ? QObject::tr("an unknown definition") : kind;
        found << QStringLiteral("%1 %2").arg(what, object.name);
        problem = QObject::tr("it holds %1 '%2'").arg(what, object.name);
    }
    if (verdict.problem.isEmpty())
        verdict.problem = problem;
}

} // namespace

QString definedKind(const QString& sql) {
    Words words(sql);
    if (words.next() != QLatin1String("CREATE"))
        return QStringLiteral("other");
    QString word = words.next();
    if (word == QLatin1String("TEMP") || word == QLatin1String("TEMPORARY"))
        word = words.next();
    if (word == QLatin1String("TABLE"))
        return tableKind(words);
    if (word == QLatin1String("VIEW"))
        return QStringLiteral("view");
    if (word == QLatin1String("TRIGGER"))
        return QStringLiteral("trigger");
    if (word == QLatin1String("VIRTUAL"))
        return QObject::tr("virtual table");
    if (word == QLatin1String("UNIQUE"))
        word = words.next();
    return word == QLatin1String("INDEX") ? QStringLiteral("index") : QStringLiteral("other");
}

QString expectedSchema(ForeignFileKind kind) {
    QStringList names;
    for (const ExpectedTable& table : expectationFor(kind).tables)
        if (table.required)
            names << QLatin1String(table.name);
    return names.join(QStringLiteral(", "));
}

SchemaVerdict checkSchema(ForeignFileKind kind, const QList<SchemaObject>& objects) {
    const Expectation expectation = expectationFor(kind);
    SchemaVerdict verdict;
    QStringList found;
    QStringList present;
    for (const SchemaObject& object : objects)
        judge(expectation, object, verdict, found, present);
    for (const ExpectedTable& table : expectation.tables)
        if (table.required && !present.contains(QLatin1String(table.name)) &&
            verdict.problem.isEmpty())
            verdict.problem = QObject::tr("it has no table '%1'").arg(QLatin1String(table.name));
    verdict.found = found.join(QStringLiteral(", "));
    verdict.expected = verdict.problem.isEmpty();
    return verdict;
}
