#include "record_generator.h"
#include "store/records/whole_return.h"
#include "support/submission_setup.h"

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

QTEST_GUILESS_MAIN(TestReturnCheck)
#include "tst_return_check.moc"
