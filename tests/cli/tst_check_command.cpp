// "xw73d check" as the real program runs it without a display: the same report as the problem
// list, as text, CSV or JSON, and its exit code.
#include "support/headless_run.h"
#include "support/submission_setup.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

using Run = HeadlessRun;

Run runCheck(const QStringList& arguments, const QString& password) {
    return runHeadless(QStringList{"check"} + arguments, password);
}

QStringList withEmployerCheckDigit(QStringList employer) {
    return employer.replaceInStrings("BRN=12345678", "BRN=12345676");
}

// One record of each problem the check tells beside the editor's own, with the code each must
// get as "sheet:code"; sheet 1 is clean.
const QList<QStringList> seeded{
    exampleRecord("1", "CHAN"),
    exampleRecord("2", "LEE") + QStringList{"Surname=", "HKID=B111111", "ChkDigit=1"},
    exampleRecord("3", "HO") + QStringList{"HKID=C222222", "ChkDigit=1"},
    exampleRecord("4", "LAM") + QStringList{"HKID=D333333", "ChkDigit=8", "bIncome=5,000"},
    exampleRecord("5", "MAK") +
        QStringList{"HKID=E444444", "ChkDigit=6", "ePeriod=20010401 - 20020331"},
    exampleRecord("6", "NG") + QStringList{"HKID=F555555", "ChkDigit=4", "aIncome=12,000,000"},
    exampleRecord("7", "PANG") +
        QStringList{"HKID=G666666", "ChkDigit=2", "aIncome=9,000,000", "bIncome=9,000,000",
                    "bPeriod=2001-2002", "cIncome=9,000,000", "cPeriod=2001-2002",
                    "dIncome=9,000,000", "dPeriod=2001-2002", "eIncome=9,000,000",
                    "ePeriod=2001-2002", "fIncome=5,000,000", "fPeriod=2001-2002"},
    exampleRecord("8", "SO") +
        QStringList{"HKID=H777777", "ChkDigit=0", "EMonth1=07", "aPeriod=1/4/2001-31/3/2002"},
    exampleRecord("9", "CHAN") + QStringList{"HKID=J888888", "ChkDigit=1"},
    exampleRecord("10", "WONG") + QStringList{"HKID=D333333", "ChkDigit=8"},
};
const QStringList seededProblems{"2:XW-P1-002", "3:XW-P1-020", "4:XW-P2-020", "5:XW-P2-021",
                                 "6:XW-P2-022", "7:XW-P2-023", "8:XW-P2-024", "9:XW-P1-032",
                                 "4:XW-P1-031", "10:XW-P1-031"};

} // namespace

class TestCheckCommand : public QObject {
    Q_OBJECT
private slots:
    void exitsAndReports_data();
    void exitsAndReports();
    void jsonHoldsEverySeededProblem();
};

void TestCheckCommand::exitsAndReports_data() {
    QTest::addColumn<bool>("seededReturn");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("said"); // parts of what is printed
    QTest::newRow("clean return") << false << QStringList{} << "qvz" << 0
                                  << QStringList{"no error, no warning, no hint", "Control totals",
                                                 "All income", "240,000"};
    QTest::newRow("errors as text")
        << true << QStringList{"--format", "text"} << "qvz" << 1
        << QStringList{"1 error, 6 warnings, 3 hints", "error   XW-P1-002  sheet 2  O",
                       "Fix: Type the employee's surname on page 1."};
    QTest::newRow("errors as CSV")
        << true << QStringList{"--format", "csv"} << "qvz" << 1
        << QStringList{"Employer,ABC TRADING LTD\n", "Errors,1\n",
                       "Severity,Code,Sheet Number,Type,Surname,Other Names in Full,",
                       "\nwarning,XW-P1-020,3,O,HO,TAI MAN,C222222(1),1,"};
    QTest::newRow("wrong password")
        << false << QStringList{} << "wrong" << 2 << QStringList{"Not a valid password."};
    QTest::newRow("unknown format")
        << false << QStringList{"--format", "xml"} << "qvz" << 2 << QStringList{"usage:"};
}

void TestCheckCommand::exitsAndReports() {
    QFETCH(bool, seededReturn);
    QFETCH(QStringList, arguments);
    QFETCH(QString, password);
    QFETCH(int, exitCode);
    QFETCH(QStringList, said);
    WorkingDatabase db;
    setEmployer(db, withEmployerCheckDigit(exampleEmployer));
    int id = 0;
    for (const QStringList& record : seededReturn ? seeded : QList<QStringList>{seeded.first()})
        db.addRecord(record + QStringList{QStringLiteral("ID=%1").arg(++id)});
    db.state.login.reset();
    const Run run = runCheck(arguments + QStringList{"--data-dir", db.folder.path()}, password);
    QCOMPARE(run.exitCode, exitCode);
    for (const QString& part : said)
        QVERIFY2((run.output + run.errors).contains(part), qPrintable(run.output + run.errors));
    db.state.login = Database::open(databasePath(db.folder.path(), DatabaseFile::Working),
                                    OpenOptions{.password = schema::defaultPassword});
}

// Exactly the seeded problems, each with its severity, record, field, value and fix; the totals
// of the originals the save carries add up to all income.
void TestCheckCommand::jsonHoldsEverySeededProblem() {
    WorkingDatabase db;
    setEmployer(db, withEmployerCheckDigit(exampleEmployer));
    int id = 0;
    for (const QStringList& record : seeded)
        db.addRecord(record + QStringList{QStringLiteral("ID=%1").arg(++id)});
    db.state.login.reset();
    const Run run = runCheck({"--format", "json", "--data-dir", db.folder.path()}, "qvz");
    QCOMPARE(run.exitCode, 1);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.output.toUtf8(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QStringList found;
    for (const QJsonValue& value : document["problems"].toArray()) {
        const QJsonObject problem = value.toObject();
        found << problem["sheetNumber"].toString() + u':' + problem["code"].toString();
        QVERIFY(!problem["severity"].toString().isEmpty());
        QVERIFY(!problem["field"].toString().isEmpty());
        QVERIFY(!problem["fix"].toString().isEmpty());
        QCOMPARE(problem["type"].toString(), "O");
    }
    QStringList expected = seededProblems;
    found.sort();
    expected.sort();
    QCOMPARE(found, expected);
    QCOMPARE(document["counts"]["error"].toInt(), 1);
    const QJsonObject totals = document["controlTotals"].toObject();
    QCOMPARE(totals["records"].toInt(), 10);
    qint64 sum = 0;
    for (const QJsonValue& category : totals["categories"].toObject())
        sum += category.toInteger();
    QCOMPARE(sum, totals["income"].toInteger());
    db.state.login = Database::open(databasePath(db.folder.path(), DatabaseFile::Working),
                                    OpenOptions{.password = schema::defaultPassword});
}

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "tst_check_command.moc"
