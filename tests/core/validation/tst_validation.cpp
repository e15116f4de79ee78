#include "core/records/return_check.h"
#include "core/validation/problem_codes.h"
#include "core/validation/record_warnings.h"
#include "core/validation/return_validator.h"
#include "support/example_rows.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace validation;

namespace {

FieldTexts fieldsOf(const QStringList& values) {
    return recordTexts(rowOf(employeeColumns(), values));
}

// A record of the worked example with the changes of a row ("Column=value").
FieldTexts exampleWith(const QStringList& changes, const QString& sheet = QStringLiteral("1"),
                       const QString& surname = QStringLiteral("CHAN")) {
    return fieldsOf(exampleRecord(sheet, surname) + changes);
}

EmployerData exampleEmployerData() {
    EmployerData employer;
    employer.returnYear = QStringLiteral("2002");
    employer.section = QStringLiteral("A");
    employer.fileNumber = QStringLiteral("12345676");
    employer.name = QStringLiteral("ABC TRADING LTD");
    employer.designation = QStringLiteral("MANAGER");
    employer.submissionDate = QStringLiteral("30042002");
    return employer;
}

// "record:code:column:value", "-" for no record.
QString described(const ReturnProblem& problem) {
    return QStringLiteral("%1:%2:%3:%4")
        .arg(problem.record ? QString::number(*problem.record) : QStringLiteral("-"), problem.code,
             problem.column, problem.value);
}

QString htmlText(QString text) {
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&#39;"), QStringLiteral("'"));
}

} // namespace

class TestValidation : public QObject {
    Q_OBJECT
private slots:
    void checkCharacter_data();
    void checkCharacter();
    void periodDays_data();
    void periodDays();
    void recordWarnings_data();
    void recordWarnings();
    void editorRefusalCodes_data();
    void editorRefusalCodes();
    void wholeReturn_data();
    void wholeReturn();
    void controlTotals();
    void guideListsEveryCode();
    void chineseGuideListsEveryCode();
};

void TestValidation::checkCharacter_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("expected"); // empty: no check character for that shape
    QTest::newRow("one letter") << "A123456"
                                << "3";
    QTest::newRow("ten is A") << "G123456"
                              << "A";
    QTest::newRow("eleven is 0") << "A123466"
                                 << "0";
    QTest::newRow("two letters") << "AB123456"
                                 << "9";
    QTest::newRow("digit first") << "1A23456"
                                 << "";
    QTest::newRow("exponent shape the editor takes") << "A1234E5"
                                                     << "";
    QTest::newRow("too short") << "A12345"
                               << "";
}

void TestValidation::checkCharacter() {
    QFETCH(QString, number);
    QFETCH(QString, expected);
    const std::optional<QChar> found = identityCheckCharacter(number);
    QCOMPARE(found ? QString(*found) : QString(), expected);
}

void TestValidation::periodDays_data() {
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("expected"); // "first-last", empty for none
    QTest::newRow("year first") << "20010401 - 20020331"
                                << "20010401-20020331";
    QTest::newRow("day first with slashes") << "01/04/2001 - 31/03/2002"
                                            << "20010401-20020331";
    QTest::newRow("short day and month") << "1.4.2001-31.3.2002"
                                         << "20010401-20020331";
    QTest::newRow("day first digits") << "01042001 - 31032002"
                                      << "20010401-20020331";
    QTest::newRow("words") << "APRIL 2001 TO MARCH"
                           << "";
    QTest::newRow("no calendar day") << "20010431 - 20020331"
                                     << "";
    QTest::newRow("backwards") << "20020331 - 20010401"
                               << "";
    QTest::newRow("one date") << "20010401"
                              << "";
}

void TestValidation::periodDays() {
    QFETCH(QString, period);
    QFETCH(QString, expected);
    const auto days = validation::periodDays(period);
    QCOMPARE(days ? days->first + u'-' + days->second : QString(), expected);
}

void TestValidation::recordWarnings_data() {
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QStringList>("expected"); // "code:column:value"
    QTest::newRow("clean record") << QStringList{} << QStringList{};
    QTest::newRow("wrong check character")
        << QStringList{"ChkDigit=4"} << QStringList{"-:XW-P1-020:ChkDigit:A123456(4)"};
    QTest::newRow("no check character is not compared")
        << QStringList{"ChkDigit="} << QStringList{};
    QTest::newRow("spouse's check character")
        << QStringList{"MStatus=2", "SpouseHKID=AB123456", "SpouseChkDigit=8"}
        << QStringList{"-:XW-P1-021:SpouseChkDigit:AB123456(8)"};
    QTest::newRow("amount without period")
        << QStringList{"bIncome=5,000"} << QStringList{"-:XW-P2-020:bPeriod:5,000"};
    QTest::newRow("period without amount")
        << QStringList{"ePeriod=20010401 - 20020331"}
        << QStringList{"-:XW-P2-021:eIncome:20010401 - 20020331"};
    QTest::newRow("zero amount is no amount")
        << QStringList{"aIncome=0"} << QStringList{"-:XW-P2-021:aIncome:20010401 - 20020331"};
    QTest::newRow("single amount just under") << QStringList{"aIncome=9,999,999"} << QStringList{};
    QTest::newRow("single amount of ten million")
        << QStringList{"aIncome=10,000,000"} << QStringList{"-:XW-P2-022:aIncome:10,000,000"};
    QTest::newRow("total of fifty million")
        << QStringList{"aIncome=9,000,000", "kIncome1=9,000,000", "kPeriod1=20010401-20020331",
                       "dIncome=32,000,000", "dPeriod=20010401-20020331"}
        << QStringList{"-:XW-P2-022:dIncome:32,000,000", "-:XW-P2-023:Total:50,000,000"};
    QTest::newRow("income period before employment")
        << QStringList{"EMonth1=07", "aPeriod=01/04/2001 - 31/03/2002"}
        << QStringList{"-:XW-P2-024:aPeriod:01/04/2001 - 31/03/2002"};
    QTest::newRow("income period within employment")
        << QStringList{"aPeriod=01/06/2001 - 31/12/2001"} << QStringList{};
    QTest::newRow("rent without period")
        << QStringList{"Q2Rent2=3,000"} << QStringList{"-:XW-P3-020:Q2Period:3,000"};
    QTest::newRow("place provided without rent")
        << QStringList{"QFlag=1", "Q1Address1=FLAT B", "Q1Nature=FLAT", "Q1Period=20010401-"}
        << QStringList{"-:XW-P3-021:Q1Rent1:20010401-"};
}

// Each rule once on the worked example; the editor's checks still pass them all.
void TestValidation::recordWarnings() {
    QFETCH(QStringList, changes);
    QFETCH(QStringList, expected);
    const FieldTexts fields = exampleWith(changes);
    QStringList found;
    for (const ReturnProblem& problem : validation::recordWarnings(fields)) {
        QVERIFY(severityOf(problem.code) != Severity::Error);
        QVERIFY(!fixOf(problem.code).isEmpty());
        QCOMPARE(problem.surname, QStringLiteral("CHAN"));
        found << described(problem);
    }
    QCOMPARE(found, expected);
    QCOMPARE(recordProblems(fields, QStringLiteral("2002")), QList<ReturnProblem>{});
}

void TestValidation::editorRefusalCodes_data() {
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("expected"); // "code message"
    QTest::newRow("no surname") << QStringList{"Surname="} << "XW-P1-002 Please enter surname.";
    QTest::newRow("sheet of a supplementary")
        << QStringList{"Status=S", "SheetNo="} << "XW-P1-001 Please enter sheet number.";
    QTest::newRow("start before the year")
        << QStringList{"EYear1=2000"}
        << "XW-P2-003 Start date should not be earlier than 01 April 2001.";
    QTest::newRow("end after the year")
        << QStringList{"EYear2=2003"}
        << "XW-P2-004 End date should not be later than 31 March 2002.";
    QTest::newRow("no overseas name")
        << QStringList{"OSeaFlag=1"} << "XW-P4-002 Please enter name of overseas company.";
    QTest::newRow("bad identity shape")
        << QStringList{"HKID=A12"} << "XW-P1-015 Invalid HKID. Please enter again.";
    QTest::newRow("cents") << QStringList{"aIncome=12.50"} << "XW-P2-012 Cents should be excluded!";
    QTest::newRow("bad indicator")
        << QStringList{"QFlag=7"}
        << "XW-P3-011 Invalid Place of Residence indicator. Please enter '0' or '1'.";
}

// The editor's refusals keep their texts and are errors with a code of their own.
void TestValidation::editorRefusalCodes() {
    QFETCH(QStringList, changes);
    QFETCH(QString, expected);
    const QList<ReturnProblem> problems =
        recordProblems(exampleWith(changes), QStringLiteral("2002"));
    QVERIFY(!problems.isEmpty());
    QCOMPARE(problems.first().code + u' ' + problems.first().message, expected);
    QCOMPARE(severityOf(problems.first().code), Severity::Error);
}

void TestValidation::wholeReturn_data() {
    QTest::addColumn<QList<QStringList>>("records");
    QTest::addColumn<bool>("withLastYear");
    QTest::addColumn<QStringList>("expected");
    const QStringList clean = exampleRecord();
    QTest::newRow("clean return") << QList<QStringList>{clean} << true << QStringList{};
    QTest::newRow("one employee entered twice")
        << QList<QStringList>{clean, clean + QStringList{"SheetNo=2"}} << false
        << QStringList{"1:XW-P1-030:HKID:A123456(3)", "2:XW-P1-030:HKID:A123456(3)"};
    QTest::newRow("one number under two names")
        << QList<QStringList>{clean, exampleRecord("2", "WONG")} << false
        << QStringList{"1:XW-P1-031:HKID:A123456(3)", "2:XW-P1-031:HKID:A123456(3)"};
    QTest::newRow("one name under two numbers")
        << QList<QStringList>{clean, clean + QStringList{"SheetNo=2", "HKID=G123456", "ChkDigit=A"}}
        << false << QStringList{"2:XW-P1-032:HKID:G123456(A)"};
    QTest::newRow("two numbers on a replacement are fine")
        << QList<QStringList>{clean, clean + QStringList{"Status=R", "HKID=G123456", "ChkDigit=A"}}
        << false << QStringList{};
    QTest::newRow("last year's employee missing")
        << QList<QStringList>{exampleRecord("1", "WONG") +
                              QStringList{"HKID=G123456", "ChkDigit=A"}}
        << true << QStringList{"-:XW-R-001::A123456(3)"};
    QTest::newRow("category more than half up")
        << QList<QStringList>{clean + QStringList{"aIncome=400,000"}} << true
        << QStringList{"-:XW-R-002::400,000"};
}

// Last year (hand-made): CHAN still employed at its end, LEE who left in the year, a
// supplementary record, and 240,000 of salary.
void TestValidation::wholeReturn() {
    QFETCH(QList<QStringList>, records);
    QFETCH(bool, withLastYear);
    QFETCH(QStringList, expected);
    std::optional<LastYearReturn> lastYear;
    if (withLastYear) {
        lastYear = LastYearReturn{QStringLiteral("saved 30/04/2001 14:02 to /media/a"),
                                  {{"A123456(3)", "CHAN", "TAI MAN", "31032001", "O"},
                                   {"B111111", "LEE", "SIU MING", "30092000", "O"},
                                   {"C222222", "HO", "KA YAN", "31032001", "S"}},
                                  {240000}};
    }
    ReturnValidator validator(exampleEmployerData(), lastYear);
    qint64 id = 0;
    for (const QStringList& record : records) {
        const FieldTexts fields = fieldsOf(record);
        validator.addRecord(++id, fields, QStringLiteral("record ") + recordName(fields));
    }
    const ReturnReport report = validator.finish();
    QStringList found;
    for (const ReturnProblem& problem : report.problems)
        found << described(problem);
    QVERIFY2(found == expected, qPrintable(found.join(" | ")));
    QCOMPARE(report.hasErrors(), false);
    QCOMPARE(report.lastYear.has_value(), withLastYear);
}

// Only originals the save carries count, each category by its own lines (k's three together).
void TestValidation::controlTotals() {
    ReturnValidator validator(exampleEmployerData());
    const QList<QStringList> records{
        exampleRecord() + QStringList{"kIncome1=1,000", "kIncome3=2,000", "lIncome=7"},
        exampleRecord("2", "WONG") + QStringList{"HKID=G123456", "ChkDigit=A"},
        exampleRecord() + QStringList{"Status=S", "HKID=", "aIncome=99"},
        exampleRecord("3", "HO") + QStringList{"HKID=", "EYear2=2003"}};
    qint64 id = 0;
    for (const QStringList& record : records)
        validator.addRecord(++id, fieldsOf(record), QString());
    const ControlTotals totals = validator.finish().totals;
    ControlTotals expected;
    expected.records = 2;
    expected.categories[0] = 480000;
    expected.categories[10] = 3000;
    expected.categories[11] = 7;
    QCOMPARE(totals, expected);
    QCOMPARE(totals.income(), 483007);
}

// The guide's table of codes says what the program's table says, row for row.
void TestValidation::guideListsEveryCode() {
    QFile page(QStringLiteral(XW73D_GUIDE_DIR "/problem-codes.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    static const QRegularExpression row(QStringLiteral(
        "<tr><td><code>([^<]*)</code></td><td>([^<]*)</td><td>([^<]*)</td><td>([^<]*)</td></tr>"));
    QStringList documented;
    for (auto it = row.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        documented << QStringList{match.captured(1), match.captured(2), htmlText(match.captured(3)),
                                  htmlText(match.captured(4))}
                          .join(u'|');
    }
    QStringList table;
    for (const ProblemRule& rule : problemRules())
        table << QStringList{QLatin1String(rule.code), severityName(rule.severity),
                             QString::fromUtf8(rule.message), QString::fromUtf8(rule.fix)}
                     .join(u'|');
    QVERIFY2(documented == table, qPrintable(table.join(u'\n')));
}

// The Chinese guide lists the same codes in the same order, with the severity in Chinese, each
// message and fix written in Chinese and naming the value where the program's message does.
void TestValidation::chineseGuideListsEveryCode() {
    QFile page(QStringLiteral(XW73D_GUIDE_DIR "/zh_HK/problem-codes.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    static const QRegularExpression row(QStringLiteral(
        "<tr><td><code>([^<]*)</code></td><td>([^<]*)</td><td>([^<]*)</td><td>([^<]*)</td></tr>"));
    static const QRegularExpression chinese(QStringLiteral("\\p{Han}"));
    const QHash<QString, QString> severities{
        {"error", "錯誤"}, {"warning", "警告"}, {"hint", "提示"}};
    QStringList documented;
    for (auto it = row.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        QVERIFY2(match.captured(3).contains(chinese) && match.captured(4).contains(chinese),
                 qPrintable(match.captured(0)));
        documented << QStringList{match.captured(1), match.captured(2),
                                  QString::number(match.captured(3).contains("%1"))}
                          .join(u'|');
    }
    QStringList table;
    for (const ProblemRule& rule : problemRules())
        table << QStringList{QLatin1String(rule.code),
                             severities.value(severityName(rule.severity)),
                             QString::number(QString::fromUtf8(rule.message).contains("%1"))}
                     .join(u'|');
    QCOMPARE(documented, table);
}

QTEST_GUILESS_MAIN(TestValidation)
#include "tst_validation.moc"
