#include "core/common/columns.h"
#include "core/common/foreign_schema.h"
#include "core/submission/log_record.h"

#include <QTest>

namespace {

QStringList namesOf(Columns columns) {
    QStringList names;
    for (const ColumnDef& column : columns)
        names << QLatin1String(column.name);
    return names;
}

SchemaObject tableEntry(const QString& name, const QStringList& columns,
                        const QString& sql = QString()) {
    return {"table", name,   name, sql.isEmpty() ? "CREATE TABLE " + name + " (a)" : sql,
            true,    columns};
}

SchemaObject entry(const QString& type, const QString& name, const QString& sql,
                   const QString& ofTable = "Employee") {
    return {type, name, ofTable, sql, false, {}};
}

const QString endless =
    "AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT x FROM c";

} // namespace

Q_DECLARE_METATYPE(ForeignFileKind)

class TestForeignSchema : public QObject {
    Q_OBJECT
private slots:
    void definedKind_data();
    void definedKind();
    void checkSchema_data();
    void checkSchema();
};

void TestForeignSchema::definedKind_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("kind");
    QTest::newRow("table") << "CREATE TABLE Employee (ID INTEGER)"
                           << "table";
    QTest::newRow("lower case, quoted name") << "create table \"a (b\" (c)"
                                             << "table";
    QTest::newRow("bracketed name in a schema") << "CREATE TABLE main.[a b](c)"
                                                << "table";
    QTest::newRow("comments first") << "-- x\n/* y */ CREATE TABLE t(a)"
                                    << "table";
    QTest::newRow("if not exists") << "CREATE TABLE IF NOT EXISTS t(a)"
                                   << "table";
    QTest::newRow("made by a query") << "CREATE TABLE Employer AS SELECT 1"
                                     << "other";
    QTest::newRow("name without columns") << "CREATE TABLE t"
                                          << "other";
    QTest::newRow("view") << "CREATE VIEW v " + endless << "view";
    QTest::newRow("temporary view") << "CREATE TEMP VIEW v AS SELECT 1"
                                    << "view";
    QTest::newRow("trigger") << "CREATE TRIGGER t AFTER INSERT ON a BEGIN SELECT 1; END"
                             << "trigger";
    QTest::newRow("virtual table") << "CREATE VIRTUAL TABLE f USING fts3(x)"
                                   << "virtual table";
    QTest::newRow("index") << "CREATE INDEX i ON t(a)"
                           << "index";
    QTest::newRow("unique index") << "CREATE UNIQUE INDEX i ON t(a)"
                                  << "index";
    QTest::newRow("not a definition") << "SELECT 1"
                                      << "other";
    QTest::newRow("empty") << ""
                           << "other";
}

void TestForeignSchema::definedKind() {
    QFETCH(QString, sql);
    QFETCH(QString, kind);
    QCOMPARE(::definedKind(sql), kind);
}

void TestForeignSchema::checkSchema_data() {
    QTest::addColumn<ForeignFileKind>("kind");
    QTest::addColumn<QList<SchemaObject>>("objects");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("problem"); // empty: as expected
    const QStringList employee = namesOf(employeeColumns());
    const QStringList employer = namesOf(employerColumns());
    const SchemaObject records = tableEntry("Employee", employee);
    const SchemaObject common = tableEntry("Employer", employer);
    const auto submission = ForeignFileKind::Submission;
    const auto working = ForeignFileKind::WorkingDatabase;
    QTest::newRow("submission as built")
        << submission << QList{records, common} << "Employee, Employer"
        << "";
    QTest::newRow("log as built") << ForeignFileKind::SubmissionLog
                                  << QList{tableEntry("Checksum", namesOf(checksumColumns()))}
                                  << "Checksum"
                                  << "";
    QTest::newRow("records as a view")
        << submission << QList{entry("view", "Employee", "CREATE VIEW Employee " + endless), common}
        << "view Employee, Employer"
        << "it holds view 'Employee'";
    QTest::newRow("a view written down as a table")
        << submission
        << QList{SchemaObject{"table", "Employee", "Employee", "CREATE VIEW Employee " + endless,
                              false, employee},
                 common}
        << "view Employee, Employer"
        << "it holds view 'Employee'";
    QTest::newRow("a table that is none to the engine")
        << submission
        << QList{SchemaObject{"table", "Employee", "Employee", "CREATE TABLE Employee (a)", false,
                              employee},
                 common}
        << "an unknown definition Employee, Employer"
        << "it holds an unknown definition 'Employee'";
    QTest::newRow("table made by a query")
        << submission
        << QList{records, tableEntry("Employer", {"1"}, "CREATE TABLE Employer AS SELECT 1")}
        << "Employee, an unknown definition Employer"
        << "it holds an unknown definition 'Employer'";
    QTest::newRow("an extra trigger")
        << submission << QList{records, common, entry("trigger", "t", "CREATE TRIGGER t AFTER")}
        << "Employee, Employer, trigger t"
        << "it holds trigger 't'";
    QTest::newRow("a virtual table")
        << submission
        << QList{records, common, tableEntry("f", {"x"}, "CREATE VIRTUAL TABLE f USING fts3(x)")}
        << "Employee, Employer, virtual table f"
        << "it holds virtual table 'f'";
    QTest::newRow("an index in a submission")
        << submission
        << QList{records, common, entry("index", "i", "CREATE INDEX i ON Employee(ID)")}
        << "Employee, Employer, index i"
        << "it holds index 'i'";
    QTest::newRow("other columns")
        << submission << QList{records, tableEntry("Employer", employer.mid(1))}
        << "Employee, Employer (other columns)"
        << "its table 'Employer' has other columns";
    QTest::newRow("a table missing") << submission << QList{common} << "Employer"
                                     << "it has no table 'Employee'";
    QTest::newRow("names differ in case in a submission")
        << submission << QList{tableEntry("EMPLOYEE", employee), common}
        << "table EMPLOYEE, Employer"
        << "it holds table 'EMPLOYEE'";
    QTest::newRow("earlier version: fewer columns, any case, its indexes")
        << working
        << QList{tableEntry("Employee", {"ID", "status", "Surname"}),
                 tableEntry("EMPLOYER", {"Version"}),
                 entry("index", "sqlite_autoindex_employee_1", ""),
                 entry("index", "by_name", "CREATE INDEX by_name ON employee(Surname)")}
        << "Employee, EMPLOYER"
        << "";
    QTest::newRow("earlier version without records") << working << QList{common} << "Employer"
                                                     << "";
    QTest::newRow("earlier version: a column not ours")
        << working << QList{tableEntry("employer", {"Version", "Notes"})}
        << "employer (other columns)"
        << "its table 'employer' has other columns";
    QTest::newRow("earlier version: an index on another table")
        << working << QList{common, entry("index", "i", "CREATE INDEX i ON notes(a)", "notes")}
        << "Employer, index i"
        << "it holds index 'i'";
    QTest::newRow("earlier version: no employer") << working << QList{records} << "Employee"
                                                  << "it has no table 'employer'";
}

void TestForeignSchema::checkSchema() {
    QFETCH(ForeignFileKind, kind);
    QFETCH(QList<SchemaObject>, objects);
    QFETCH(QString, found);
    QFETCH(QString, problem);
    const SchemaVerdict verdict = ::checkSchema(kind, objects);
    QCOMPARE(verdict.found, found);
    QCOMPARE(verdict.problem, problem);
    QCOMPARE(verdict.expected, problem.isEmpty());
}

QTEST_GUILESS_MAIN(TestForeignSchema)
#include "tst_foreign_schema.moc"
