#include "record_generator.h"
#include "store/records/whole_return.h"
#include "support/submission_setup.h"

#include "core/validation/report_format.h"
#include "store/employer/employer_table.h"

#include <QFile>
#include <QTest>

namespace {

using Kind = ReturnProblem::Kind;

int at(const char* column) {
    return columnIndex(employeeColumns(), QLatin1String(column));
}

// Faults a record can carry, as typed and pasted values would leave them; each generated record
// gets the fault of its number, so the check meets every kind many times.
const QList<QStringList> faults{
    {},
    {"Surname="},
    {"EDay1=31", "EMonth1=02"},
    {"EYear2=2001", "EMonth2=04", "EDay2=01"},
    {"QFlag="},
    {"OSeaFlag=1", "OSeaName="},
    {"Sex=X", "Capacity="},
    {"aIncome=999,999,999", "bIncome=1"},
    {"Status=S", "SheetNo="},
    {"HKID=A12", "ChkDigit=B"},
    {"Surname=CH AN", "EYear1=0000"},
};

void applyFault(RowValues& row, const QStringList& fault) {
    for (const QString& entry : fault) {
        const auto [name, text] = columnAndValue(entry);
        const ColumnDef& def = column(employeeColumns(), name);
        row[at(def.name)] = valueFromText(def, text);
    }
}

// Every kind of problem the whole-return check knows, beside the page-check faults above: leave
// checks, the warnings of one record, the rules across records and last year's comparison.
const QList<QStringList> warningFaults{
    {"ChkDigit=0"},
    {"SpouseHKID=A123456", "SpouseChkDigit=0"},
    {"aPeriod="},
    {"cIncome=", "cPeriod=19990401 - 20000331"},
    {"dIncome=12,000,000", "dPeriod=19990401-20000331"},
    {"aIncome=60,000,000"},
    {"eIncome=5,000", "ePeriod=1/1/1998-1/3/1998"},
    {"QFlag=1", "Q1Rent1=5,000", "Q1Period="},
    {"QFlag=1", "Q1Period=19990401 - 20000331", "Q1Rent1=", "Q1Rent2=", "Q1Rent3=", "Q1Rent4="},
    {"Status=X"},
    {"EYear2=2003"},
    {"HKID=A123456", "ChkDigit=3"},
    {"HKID=A123456", "ChkDigit=3", "Surname=WONG", "FirstName=TAI MAN"},
    {"Surname=LEE", "FirstName=SIU MING", "HKID=B234567", "ChkDigit="},
    {"Surname=LEE", "FirstName=SIU MING", "HKID=C345678"},
    {"HKID=A12"},
    {"aIncome=12.50"},
    {"EDay1=AB"},
    {"Sex=X"},
    {"bIncome=999,999,999"},
    {"Status=R", "SheetNo=7", "HKID=A123456", "ChkDigit=3"},
    {"surname=chan", "EDay2=31", "EMonth2=03", "EYear2=2000"},
    {"FirstName="},
    {"Sex="},
    {"RAddress1=", "RAddress2="},
    {"RAreaCode="},
    {"RAreaCode=X"},
    {"MStatus=3"},
    {"EDay1="},
    {"EYear1=1998"},
    {"EDay1=31", "EMonth1=03", "EYear1=2000", "EDay2=01", "EMonth2=04", "EYear2=1999"},
    {"QFlag=1", "Q1Address1=FLAT B", "Q1Nature=", "Q1Period=1999"},
    {"QFlag=1", "Q1Address1=FLAT B", "Q1Nature=FLAT", "Q1Period="},
    {"QFlag=2"},
    {"OSeaFlag="},
    {"OSeaFlag=3"},
};

validation::LastYearReturn lastYearReturn() {
    validation::LastYearReturn last;
    last.description = QStringLiteral("saved 30/04/1999 10:00 to /media/a");
    last.employees = {{"A123456(3)", "CHAN", "TAI MAN", "31031999", "O"},
                      {"Z987654(1)", "HO", "KA YAN", "31031999", "O"},
                      {"Z876543", "KWOK", "WING", "28021999", "O"},
                      {"", "POON", "MEI", "31031999", "O"},
                      {"Y765432(2)", "YIP", "SUM", "31031999", "R"}};
    last.categoryTotals = {50'000'000, 0, 900'000, 1'000, 0, 0, 0, 0, 0, 0, 0, 5'000};
    return last;
}

// Each problem with every item it carries, then the control totals, one CSV row each.
QString reportText(Database& db, const validation::ReturnReport& report) {
    using namespace validation;
    QList<QStringList> rows;
    for (const ReturnProblem& problem : report.problems)
        rows << QStringList{problem.record ? QString::number(*problem.record) : QString(),
                            QString::number(int(problem.kind))} +
                    problemRow(problem) + QStringList{problem.column, problem.value};
    rows << totalsHeader(report) << totalsRows(report);
    const ReportHeading heading = headingOf(employertable::readEmployer(db).data, report,
                                            QDateTime(QDate(2000, 5, 2), QTime(9, 30)));
    return countsText(heading) + u'\n' + csvText(rows);
}

QString where(const ReturnProblem& problem) {
    return QStringLiteral("%1/%2/%3").arg(problem.page).arg(problem.column, problem.message);
}

} // namespace

class TestReturnCheck : public QObject {
    Q_OBJECT
private slots:
    void sameAsUpdateForEveryRecord();
    void wholeReturn_data();
    void wholeReturn();
    void reportOfVariedReturnIsUnchanged();
    void connectionKeepsItsCacheSize();
};

// Every record of a generated return, many with a fault: the first page-check problem of each
// record is exactly what Update, pressed on page 1, reports for it; a record Update accepts has
// no page-check problem at all.
void TestReturnCheck::sameAsUpdateForEveryRecord() {
    WorkingDatabase db;
    generator::fillDatabase(db.state.db(), 0, 7);
    generator::RecordGenerator records(11);
    const QString year = QString::number(records.returnYear());
    QList<FieldTexts> stored;
    {
        Transaction adding(db.state.db());
        for (int id = 1; id <= 330; ++id) {
            RowValues row = records.employeeRow(id);
            applyFault(row, faults.at(id % faults.size()));
            insertRow(db.state.db(), table::employee, employeeColumns(), row);
            stored << recordTexts(row);
        }
        adding.commit();
    }
    const QList<ReturnProblem> problems = checkWholeReturn(db.state.db());
    int refused = 0;
    for (int id = 1; id <= stored.size(); ++id) {
        const std::optional<PageFailure> update = checkRecord(stored[id - 1], year, 1);
        const auto first = std::ranges::find_if(problems, [id](const ReturnProblem& problem) {
            return problem.record == id && problem.kind == Kind::PageCheck;
        });
        QCOMPARE(first != problems.end(), update.has_value());
        if (update) {
            ++refused;
            QCOMPARE(where(*first), QStringLiteral("%1/%2/%3")
                                        .arg(update->page)
                                        .arg(update->focusColumn, update->message));
        }
    }
    QVERIFY(refused >= 240); // the faults reached the check, not only clean records
    QVERIFY(std::ranges::none_of(problems, [](const ReturnProblem& p) { return !p.record; }));
}

// One problem per row, besides what each record's page checks say.
void TestReturnCheck::wholeReturn_data() {
    QTest::addColumn<QList<QStringList>>("records");
    QTest::addColumn<QStringList>("employer");
    QTest::addColumn<QStringList>("expected"); // record:page/column/message of the extra ones
    QStringList employer = exampleEmployer;
    employer.replaceInStrings("BRN=12345678", "BRN=12345676"); // with its right check digit
    const QStringList clean = exampleRecord();
    QTest::newRow("field check beside clean records")
        << QList<QStringList>{clean, clean + QStringList{"HKID=B1"}} << employer
        << QStringList{"2:1/HKID/Invalid HKID. Please enter again."};
    QTest::newRow("one identity number on two originals")
        << QList<QStringList>{clean, exampleRecord("2", "WONG"),
                              clean + QStringList{"Status=R", "SheetNo=4"}}
        << employer
        << QStringList{"1:1/HKID/The identity number A123456(3) is also on the original record "
                       "WONG, TAI MAN (sheet 2).",
                       "2:1/HKID/The identity number A123456(3) is also on the original record "
                       "CHAN, TAI MAN (sheet 1)."};
    QTest::newRow("same number, other check character")
        << QList<QStringList>{clean, clean + QStringList{"ChkDigit=4"}} << employer
        << QStringList{"2:1/ChkDigit/The check character does not match the identity card "
                       "number A123456(4)."};
    QTest::newRow("original outside the year is left out")
        << QList<QStringList>{clean + QStringList{"EYear2=2003", "HKID="}} << employer
        << QStringList{"1:2/EDay1/The save leaves this original record out: its period of "
                       "employment is not within the return year."};
    QTest::newRow("incomplete employer row")
        << QList<QStringList>{clean} << QStringList{"ReturnYear=2002", "Session=A", "BRN=12345676"}
        << QStringList{"-:0/Name/The employer's name is missing.",
                       "-:0/Designation/The employer's designation of the signatory is missing.",
                       "-:0/SubmissionDate/The employer's date of submission is missing."};
}

void TestReturnCheck::wholeReturn() {
    QFETCH(QList<QStringList>, records);
    QFETCH(QStringList, employer);
    QFETCH(QStringList, expected);
    WorkingDatabase db;
    setEmployer(db, employer);
    int id = 0;
    for (const QStringList& record : records)
        db.addRecord(record + QStringList{QStringLiteral("ID=%1").arg(++id)});
    QStringList found;
    for (const ReturnProblem& problem : checkWholeReturn(db.state.db()))
        if (problem.kind != Kind::PageCheck)
            found << (problem.record ? QString::number(*problem.record) : QStringLiteral("-")) +
                         u':' + where(problem);
    QVERIFY2(found == expected, qPrintable(found.join(" | ")));
}

// A generated return with every kind of problem, checked beside last year's return, gives the
// report kept beside this test, item for item and in the same order; a change of the check's
// workings must leave it as it is. A report that differs is written beside the build's test for
// comparison.
void TestReturnCheck::reportOfVariedReturnIsUnchanged() {
    WorkingDatabase db;
    generator::fillDatabase(db.state.db(), 0, 23);
    setEmployer(db, {"ReturnYear=2000", "Session=A", "BRN=12345678", "SubmissionDate=30042000",
                     "Name=  ", "Designation=MANAGER"});
    generator::RecordGenerator records(29);
    {
        Transaction adding(db.state.db());
        const QList<QStringList> allFaults = faults + warningFaults;
        for (int id = 1; id <= 4 * allFaults.size(); ++id) {
            RowValues row = records.employeeRow(id);
            applyFault(row, allFaults.at(id % allFaults.size()));
            insertRow(db.state.db(), table::employee, employeeColumns(), row);
        }
        adding.commit();
    }
    const QString found =
        reportText(db.state.db(), validateWholeReturn(db.state.db(), lastYearReturn()));
    QFile expected(QStringLiteral(XW73D_EXPECTED_REPORT));
    QVERIFY2(expected.open(QIODevice::ReadOnly), qPrintable(expected.fileName()));
    const QString kept = QString::fromUtf8(expected.readAll());
    if (found != kept) {
        QFile actual(QStringLiteral("varied_return_report.found.csv"));
        QVERIFY(actual.open(QIODevice::WriteOnly | QIODevice::Truncate));
        actual.write(found.toUtf8());
    }
    QVERIFY2(found.count(u'\n') > 300, "the return has too few problems to tell a change");
    QCOMPARE(found, kept);
}

// The check holds the page cache small while it reads the table once; the connection the editor
// goes on with has its own size again afterwards.
void TestReturnCheck::connectionKeepsItsCacheSize() {
    WorkingDatabase db;
    generator::fillDatabase(db.state.db(), 300, 31);
    auto cacheSize = [&db] {
        Statement size = db.state.db().prepare(QStringLiteral("PRAGMA cache_size"));
        return size.next() ? size.value(0).toLongLong() : 0;
    };
    db.state.db().exec(QStringLiteral("PRAGMA cache_size=-12345"));
    QVERIFY(validateWholeReturn(db.state.db()).totals.records > 0);
    QCOMPARE(cacheSize(), -12345);
}

QTEST_GUILESS_MAIN(TestReturnCheck)
#include "tst_return_check.moc"
