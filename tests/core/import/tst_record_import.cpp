#include "core/common/columns.h"
#include "core/import/record_import.h"
#include "core/validation/problem_codes.h"

#include <QTest>

namespace {

const QString header = QStringLiteral("HKID,ChkDigit,Status,Surname,FirstName,Sex,aIncome\r\n");

EmployerData year2002() {
    EmployerData employer;
    employer.returnYear = QStringLiteral("2002");
    return employer;
}

// What the dry run's window and report show of a problem.
QString shown(const ReturnProblem& problem) {
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
        .arg(problem.record.value_or(-1))
        .arg(problem.surname, problem.firstName)
        .arg(problem.page)
        .arg(problem.column, problem.message, problem.code)
        .arg(static_cast<int>(problem.kind));
}

QStringList shown(const QList<ReturnProblem>& problems) {
    QStringList lines;
    for (const ReturnProblem& problem : problems)
        lines << shown(problem);
    return lines;
}

} // namespace

class TestRecordImport : public QObject {
    Q_OBJECT
private slots:
    void findingsAreToldAsTheCheckFoundThem_data();
    void findingsAreToldAsTheCheckFoundThem();
};

void TestRecordImport::findingsAreToldAsTheCheckFoundThem_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("checked"); // its values went through the whole-return check
    // What the check of the values alone does not find: before its problems, and after them.
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("found"); // the row has a finding
    const QString cannotStore = QLatin1String(validation::code::cannotStore);
    QTest::newRow("a row's own problems, names in Chinese")
        << "A123456,3,O,陳,大文,X,12.5" << true << QStringList{} << QStringList{} << true;
    QTest::newRow("a row that cannot be read")
        << "A123456,3,O,CHAN,TAI MAN,M,1,2,3" << false
        << QStringList{QStringLiteral("1|||0||The row has 9 fields; the header names 7.|%1|3")
                           .arg(cannotStore)}
        << QStringList{} << true;
    const QString longName(30, u'陳');
    QTest::newRow("a value no column can hold")
        << "A123456,3,O,CHAN," + longName + ",M,1000" << true
        << QStringList{QStringLiteral("1|CHAN|%1|1|FirstName|The field 'Other Names in Full' holds "
                                      "at most 55 bytes (a Chinese character takes two); the "
                                      "value has 60.|%2|3")
                           .arg(longName, cannotStore)}
        << QStringList{} << true;
    QTest::newRow("a row repeating a stored original's identity number")
        << "C123456,1,O,WONG,SIU MING,F,1000" << true << QStringList{}
        << QStringList{QStringLiteral("1|WONG|SIU MING|1|HKID|The identity number C123456(1) is "
                                      "also on the original record with ID 9.|%1|2")
                           .arg(QLatin1String(validation::code::repeatedIdentity))}
        << true;
}

// Each row's findings are held compactly; told, they are what the file alone shows, and the
// problems the whole-return check finds in the row's values, with the row's number and names.
void TestRecordImport::findingsAreToldAsTheCheckFoundThem() {
    QFETCH(QString, row);
    QFETCH(bool, checked);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(bool, found);
    const ImportPlan plan = planImport(header + row + QStringLiteral("\r\n"), year2002(),
                                       {{QStringLiteral("C123456(1)"), 9}});
    QCOMPARE(plan.rows.size(), 1);
    const ImportRow& planned = plan.rows.first();
    QStringList expected = before;
    if (checked) {
        ReturnCheck check(year2002(), QStringLiteral("row %1"));
        expected << shown(check.checkRecord(1, recordTexts(unpackRow(planned.values))));
    }
    expected << after;
    QCOMPARE(shown(planned.problems()), expected);
    QCOMPARE(planned.findings.size(), expected.size());
    QCOMPARE(!expected.isEmpty(), found);
}

QTEST_GUILESS_MAIN(TestRecordImport)
#include "tst_record_import.moc"
