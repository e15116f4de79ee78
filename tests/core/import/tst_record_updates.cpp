#include "core/common/columns.h"
#include "core/import/record_updates.h"
#include "support/example_rows.h"

#include <QTest>

namespace {

const QString header = QStringLiteral("HKID,ChkDigit,Status,Surname,Capacity,aIncome\r\n");

// The worked example's record as stored under ID 7.
RowValues storedExample() {
    return rowOf(employeeColumns(), exampleRecord() + QStringList{"ID=7"});
}

EmployerData year2002() {
    EmployerData employer;
    employer.returnYear = QStringLiteral("2002");
    return employer;
}

ImportPlan planWithExample(const QString& rows, bool emptyCellsClear) {
    ImportSettings settings;
    settings.storedRecord = [](qint64 id) { return id == 7 ? storedExample() : RowValues(); };
    settings.emptyCellsClear = emptyCellsClear;
    return planImport(header + rows, year2002(), {{QStringLiteral("A123456(3)"), 7}}, settings);
}

// "Column:before>after" for each change of the row.
QStringList changesOf(const ImportRow& row) {
    QStringList told;
    for (const FieldChange& change : row.changes)
        told << QStringLiteral("%1:%2>%3")
                    .arg(QLatin1String(
                             employeeColumns()[static_cast<std::size_t>(change.column)].name),
                         textFromValue(change.before), changedText(row, change));
    return told;
}

} // namespace

class TestRecordUpdates : public QObject {
    Q_OBJECT
private slots:
    void rowsMatchingAnOriginalUpdateIt_data();
    void rowsMatchingAnOriginalUpdateIt();
    void theImportWritesTheKindsChosen_data();
    void theImportWritesTheKindsChosen();
    void changesAreListedBeforeAndAfter();
    void withoutStoredRecordsAMatchIsARepeat();
};

void TestRecordUpdates::rowsMatchingAnOriginalUpdateIt_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("emptyCellsClear");
    QTest::addColumn<qint64>("updates");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<bool>("applied"); // by an import of all rows, updates chosen
    QTest::newRow("changed cells are the changes")
        << "a123456,3,,lee,CLERK,250000" << false << qint64(7)
        << QStringList{"Surname:CHAN>LEE", "aIncome:240,000>250,000"} << true;
    QTest::newRow("empty cells keep what is stored")
        << "A123456,3,,,,300000" << false << qint64(7) << QStringList{"aIncome:240,000>300,000"}
        << true;
    QTest::newRow("empty cells clear fields when asked, and the record then fails")
        << "A123456,3,,CHAN,,240000" << true << qint64(7) << QStringList{"Capacity:CLERK>"}
        << false;
    QTest::newRow("empty cells clear a field that may be empty")
        << "A123456,3,,CHAN,CLERK," << true << qint64(7) << QStringList{"aIncome:240,000>"} << true;
    QTest::newRow("values the entry rules make equal are no change")
        << "A123456,3,o,chan,CLERK,240000" << false << qint64(7) << QStringList{} << false;
    QTest::newRow("another check character is a new record")
        << "A123456,4,,LEE,CLERK,250000" << false << qint64(0) << QStringList{} << false;
    QTest::newRow("a supplementary return is a new record")
        << "A123456,3,S,LEE,CLERK,250000" << false << qint64(0) << QStringList{} << false;
}

// A row carrying an original record's identity number with its check character is checked as
// that record after the change; only fields whose shown values differ are changes.
void TestRecordUpdates::rowsMatchingAnOriginalUpdateIt() {
    QFETCH(QString, row);
    QFETCH(bool, emptyCellsClear);
    QFETCH(qint64, updates);
    QFETCH(QStringList, changes);
    QFETCH(bool, applied);
    const ImportPlan plan = planWithExample(row + "\r\n", emptyCellsClear);
    QCOMPARE(plan.rows.size(), 1);
    const ImportRow& read = plan.rows.first();
    QCOMPARE(read.updates, updates);
    QCOMPARE(changesOf(read), changes);
    if (updates != 0) {
        // What the update would leave: the stored record with the changes, nothing else.
        RowValues expected = storedExample();
        for (const FieldChange& change : read.changes)
            expected[change.column] = unpackRow(read.values).at(change.column);
        QCOMPARE(unpackRow(read.values), expected);
    }
    const ImportWork work = chosenWork(plan, ImportChoice::AllRows, ImportKinds{false, true});
    QCOMPARE(work.updates.size(), applied ? 1 : 0);
    QVERIFY(work.newRecords.isEmpty());
}

void TestRecordUpdates::theImportWritesTheKindsChosen_data() {
    QTest::addColumn<bool>("addNew");
    QTest::addColumn<bool>("updateMatching");
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("updated");
    QTest::newRow("new rows only") << true << false << 1 << 0;
    QTest::newRow("updates only") << false << true << 0 << 1;
    QTest::newRow("both") << true << true << 1 << 1;
    QTest::newRow("neither") << false << false << 0 << 0;
}

void TestRecordUpdates::theImportWritesTheKindsChosen() {
    QFETCH(bool, addNew);
    QFETCH(bool, updateMatching);
    QFETCH(int, added);
    QFETCH(int, updated);
    const QString newRow = "B111111,1,,LAM,CLERK,1000\r\n";
    const ImportPlan plan = planWithExample("A123456,3,,LEE,,\r\n" + newRow, false);
    const ImportWork work =
        chosenWork(plan, ImportChoice::AllRows, ImportKinds{addNew, updateMatching});
    QCOMPARE(work.newRecords.size(), added);
    QCOMPARE(work.updates.size(), updated);
    if (updated == 1) {
        QCOMPARE(work.updates.first().id, 7);
        QCOMPARE(work.updates.first().changes.size(), 1);
        QCOMPARE(work.updates.first().changes.first().before, QVariant(QStringLiteral("CHAN")));
    }
}

void TestRecordUpdates::changesAreListedBeforeAndAfter() {
    const ImportPlan plan =
        planWithExample("A123456,3,,LEE,,250000\r\nA123456,4,,WONG,CLERK,1\r\n", false);
    QStringList lines;
    forEachChangeLine(plan, [&lines](const QString& line) { lines << line; });
    QCOMPARE(lines,
             (QStringList{"Row 1 (line 2) LEE, TAI MAN: updates the record with ID 7, \"Surname\" "
                          "from \"CHAN\" to \"LEE\".",
                          "Row 1 (line 2) LEE, TAI MAN: updates the record with ID 7, \"a. "
                          "Salary/Wages, amount\" from \"240,000\" to \"250,000\".",
                          "Row 2 (line 3) WONG, : new record.",
                          "1 new records, 1 rows match original records, 1 of them change "
                          "fields."}));
}

// Without a way to read stored records (an older caller), a row with a stored original's
// identity number is a second record with it, as it always was.
void TestRecordUpdates::withoutStoredRecordsAMatchIsARepeat() {
    const ImportPlan plan = planImport(header + "A123456,3,,LEE,CLERK,1\r\n", year2002(),
                                       {{QStringLiteral("A123456(3)"), 7}});
    QCOMPARE(plan.rows.first().updates, 0);
    const QList<ReturnProblem>& problems = plan.rows.first().problems();
    QVERIFY(std::ranges::any_of(problems, [](const ReturnProblem& problem) {
        return problem.message.contains("record with ID 7");
    }));
    QCOMPARE(chosenRows(plan, ImportChoice::AllRows).size(), 1);
}

QTEST_GUILESS_MAIN(TestRecordUpdates)
#include "tst_record_updates.moc"
