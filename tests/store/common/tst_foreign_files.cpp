// The check of a file the program did not write, in a child process, and the limits on reading
// such a file in the program's own.
#include "core/submission/log_record.h"
#include "store/common/foreign_file.h"
#include "store/common/read_limits.h"
#include "store/common/rows.h"
#include "support/hostile_files.h"
#include "support/temp_folder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace {

using Outcome = ForeignFileVerdict::Outcome;

// A plain file with the tables of a submission, as the build makes them, and no rows.
void writeSubmissionTables(const QString& path) {
    Database db = Database::create(path, 20, std::nullopt);
    db.exec(createTableSql("Employee", employeeColumns()));
    db.exec(createTableSql("Employer", employerColumns()));
}

// Overwrites part of the file's second page, the first page of table Employee.
void damageSecondPage(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(4096));
    file.write(QByteArray(64, '\xff'));
}

int queryValue(Database& db, const QString& sql) {
    Statement query = db.prepare(sql);
    return query.next() ? query.value(0).toInt() : -1;
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestForeignFiles : public QObject {
    Q_OBJECT
private slots:
    void inspection_data();
    void inspection();
    void readsStopWhenTheTimeIsUp();
    void capsHoldWhileTheLimitsLive();
    void everyConnectionChecksCellSizes();
};

void TestForeignFiles::inspection_data() {
    QTest::addColumn<QString>("entry"); // empty: the statements run as they are
    QTest::addColumn<QString>("sql");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("said"); // in the reason or the schema's problem
    QTest::newRow("as made") << ""
                             << "" << Outcome::Expected << "";
    QTest::newRow("table made by a query crashes the engine")
        << "Employer"
        << "CREATE TABLE Employer AS SELECT 1" << Outcome::Failed
        << "reading it made the database engine fail (signal 11)";
    QTest::newRow("endless view") << ""
                                  << "DROP TABLE Employee; CREATE VIEW Employee AS " + endlessQuery
                                  << Outcome::Unexpected << "it holds view 'Employee'";
    QTest::newRow("a view written down as a table")
        << "Employee"
        << "CREATE VIEW Employee AS " + endlessQuery << Outcome::Unexpected
        << "it holds view 'Employee'";
    QTest::newRow("a virtual table") << ""
                                     << "CREATE VIRTUAL TABLE f USING fts3(x)"
                                     << Outcome::Unexpected << "it holds virtual table 'f'";
    QTest::newRow("a damaged page") << "damage"
                                    << "" << Outcome::Failed << "it is damaged";
    QTest::newRow("a password") << "key"
                                << "" << Outcome::Refused << "";
}

void TestForeignFiles::inspection() {
    QFETCH(QString, entry);
    QFETCH(QString, sql);
    QFETCH(Outcome, outcome);
    QFETCH(QString, said);
    TempFolder folder;
    const QString path = folder.file("12345678.MDB");
    if (entry == "key")
        Database::create(path, 20, QStringLiteral("qvz"))
            .exec(createTableSql("Employee", employerColumns()));
    else
        writeSubmissionTables(path);
    if (entry == "damage")
        damageSecondPage(path);
    else if (!sql.isEmpty())
        changeHostilely(path, entry, sql);
    const QByteArray before = md5OfFile(path);
    const ForeignFileVerdict verdict = inspectForeignFile(path, ForeignFileKind::Submission);
    QCOMPARE(verdict.outcome, outcome);
    const QString why = outcome == Outcome::Unexpected ? verdict.schema.problem : verdict.reason;
    QVERIFY2(why.contains(said), qPrintable(why));
    QCOMPARE(md5OfFile(path), before);
    // The error names the file and says why, for a verdict that allows no reading.
    QString error;
    try {
        requireReadable(path, ForeignFileKind::Submission, verdict);
    } catch (const EngineError& raised) {
        error = raised.description();
    }
    if (outcome == Outcome::Expected || outcome == Outcome::Refused)
        QCOMPARE(error, QString());
    else
        QCOMPARE(error, "The file '" + path + "' cannot be read as a submission: " + why + ".");
}

void TestForeignFiles::readsStopWhenTheTimeIsUp() {
    TempFolder folder;
    writeSubmissionTables(folder.file("a.mdb"));
    Database db = Database::open(folder.file("a.mdb"), OpenOptions{std::nullopt, false, true});
    ReadLimits limits(db, QStringLiteral("a.mdb"), std::chrono::milliseconds(500));
    QElapsedTimer clock;
    clock.start();
    QString error;
    try {
        limits.run([&] { return queryValue(db, "SELECT count(*) FROM (" + endlessQuery + ")"); });
    } catch (const EngineError& raised) {
        error = raised.description();
    }
    QVERIFY2(error.startsWith("Reading 'a.mdb' was stopped: it took longer than"),
             qPrintable(error));
    QVERIFY(clock.elapsed() < 30000); // a generous bound: without the limit it never ends
}

void TestForeignFiles::capsHoldWhileTheLimitsLive() {
    TempFolder folder;
    writeSubmissionTables(folder.file("a.mdb"));
    Database db = Database::open(folder.file("a.mdb"), OpenOptions{std::nullopt, false, true});
    QStringList selects(20, QStringLiteral("SELECT 1"));
    const QString deep = "SELECT count(*) FROM (" + selects.join(" UNION ALL ") + ")";
    {
        ReadLimits limits(db, QStringLiteral("a.mdb"), std::chrono::seconds(10));
        QVERIFY_THROWS_EXCEPTION(EngineError, queryValue(db, deep));
        QCOMPARE(queryValue(db, "SELECT count(*) FROM Employee"), 0);
    }
    QCOMPARE(queryValue(db, deep), 20);
}

void TestForeignFiles::everyConnectionChecksCellSizes() {
    TempFolder folder;
    Database made = Database::create(folder.file("a.mdb"), 30, QStringLiteral("qvz"));
    made.exec(createTableSql("employer", employerColumns()));
    QCOMPARE(queryValue(made, "PRAGMA cell_size_check"), 1);
    made.close();
    Database opened = Database::open(folder.file("a.mdb"), OpenOptions{QStringLiteral("qvz")});
    QCOMPARE(queryValue(opened, "PRAGMA cell_size_check"), 1);
}

QTEST_GUILESS_MAIN(TestForeignFiles)
#include "tst_foreign_files.moc"
