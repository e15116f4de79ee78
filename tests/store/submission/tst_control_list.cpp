// The control list read back from its page data: drawn from the submission and the log where
// they lie on the medium, records in sheet-number order with a running count, each page's total
// and a grand total equal to the log's total income; "Page n of m" on every page.
#include "core/common/amounts.h"
#include "core/common/verified_copy.h"
#include "store/common/rows.h"
#include "store/submission/control_list.h"
#include "store/submission/log_database.h"
#include "store/submission/return_image_file.h"
#include "store/submission/submission_database.h"
#include "support/submission_setup.h"

#include <QTest>

namespace {

QStringList pageTexts(const report::Page& page) {
    QStringList texts;
    for (const report::Text& text : page.texts)
        texts << text.text;
    return texts;
}

// The text that follows a label on the page (a table cell's neighbour).
QString after(const QStringList& texts, const QString& label) {
    const qsizetype at = texts.indexOf(label);
    return at < 0 ? QString() : texts.value(at + 1);
}

// Saves the example records, with incomes of 1,000 times their sheet number, onto a medium
// folder as the save does, and removes the program folder's copies.
QString saveToMedium(WorkingDatabase& db, const QString& medium, int records) {
    setEmployer(db, exampleEmployer);
    Transaction adding(db.state.db());
    for (int sheet = records; sheet >= 1; --sheet) // written in reverse, listed by sheet number
        db.addRecord(exampleRecord(QString::number(sheet), "NAME" + QString::number(sheet)) +
                     QStringList{"aIncome=" + QString::number(sheet) + ",000"});
    adding.commit();
    const QString folder = db.folder.path();
    buildSubmission(db.state.db(), folder, "2002");
    const QString submission = db.folder.file(submissionFileName);
    const QString target = medium + "/12345678.MDB";
    writeReturnImage(submission, db.folder.file("_a.txt"));
    writeLogDatabase(folder, {submission, db.folder.file("_a.txt"), target,
                              QDateTime(QDate(2002, 4, 30), QTime(9, 5))});
    verifiedcopy::copyFile(submission, target);
    verifiedcopy::copyFile(db.folder.file(logFileName), logPathOnMedium(target));
    QFile::remove(submission);
    QFile::remove(db.folder.file(logFileName));
    return target;
}

} // namespace

class TestControlList : public QObject {
    Q_OBJECT
private slots:
    void pagesCountAndTotals_data();
    void pagesCountAndTotals();
    void readsTheMediumWithoutChangingIt();
    void identityOrPassport_data();
    void identityOrPassport();
    void totalsAgainstTheLog_data();
    void totalsAgainstTheLog();
};

void TestControlList::totalsAgainstTheLog_data() {
    QTest::addColumn<qint64>("salary");
    QTest::addColumn<qint64>("pensions");
    QTest::addColumn<qint64>("grandTotal");
    QTest::addColumn<QString>("logTotal");
    QTest::addColumn<bool>("agrees");
    QTest::newRow("valid: all three agree") << 700LL << 300LL << 1000LL << "1000" << true;
    QTest::newRow("invalid: the categories differ") << 700LL << 200LL << 1000LL << "1000" << false;
    QTest::newRow("invalid: the log differs") << 700LL << 300LL << 1000LL << "1001" << false;
}

// The totals' page sets the categories' sum and the records' grand total against the log.
void TestControlList::totalsAgainstTheLog() {
    QFETCH(qint64, salary);
    QFETCH(qint64, pensions);
    QFETCH(qint64, grandTotal);
    QFETCH(QString, logTotal);
    QFETCH(bool, agrees);
    controllist::Heading heading;
    heading.log.totalIncome = logTotal;
    heading.log.totalRecords = "2";
    controllist::GrandTotal total{2, grandTotal, {}};
    total.categories[0] = salary;
    total.categories[11] = pensions;
    const QStringList texts = pageTexts(controllist::page(heading, {}, 1, 2, total));
    QCOMPARE(after(texts, "Sum of the categories"), groupDigits(salary + pensions));
    QCOMPARE(texts.contains("The categories, the grand total and the record count agree with the "
                            "log."),
             agrees);
    QCOMPARE(texts.contains("THE CATEGORIES, THE GRAND TOTAL OR THE RECORD COUNT DO NOT AGREE "
                            "WITH THE LOG: DO NOT SUBMIT THIS MEDIUM."),
             !agrees);
}

void TestControlList::pagesCountAndTotals_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("pages"); // the records' pages and the totals' page
    QTest::newRow("valid: one record") << 1 << 2;
    QTest::newRow("boundary: a full page") << controllist::linesPerPage << 2;
    QTest::newRow("boundary: one more than a page") << controllist::linesPerPage + 1 << 3;
}

void TestControlList::pagesCountAndTotals() {
    QFETCH(int, records);
    QFETCH(int, pages);
    WorkingDatabase db;
    TempFolder medium;
    const QString target = saveToMedium(db, medium.path(), records);
    const auto list = ControlList::open(target, logPathOnMedium(target));
    QCOMPARE(list->pageCount(), pages);
    qint64 sum = 0;
    QStringList counts;
    for (int index = 0; index < pages; ++index) {
        const QStringList texts = pageTexts(list->page(index));
        QVERIFY(texts.contains(QStringLiteral("Page %1 of %2").arg(index + 1).arg(pages)));
        QVERIFY(texts.contains("ABC TRADING LTD") && texts.contains("6A1-12345678"));
        QVERIFY(texts.contains("12345678.MDB") && texts.contains("30/04/2002"));
        QVERIFY(texts.contains(list->heading().log.code));
        if (index == pages - 1)
            break; // the totals' page
        // A line: count, sheet number, identity, names, Chinese name, income.
        qint64 pageTotal = 0;
        int lines = 0;
        for (qsizetype at = 2; at + 3 < texts.size(); ++at) {
            if (texts[at] != "A123456(3)")
                continue;
            const qint64 sheet = texts[at - 1].toLongLong();
            counts << texts[at - 2];
            QCOMPARE(texts[at + 1], "NAME" + QString::number(sheet) + ", TAI MAN");
            QCOMPARE(texts[at + 3], groupDigits(sheet * 1000));
            pageTotal += sheet * 1000;
            ++lines;
        }
        QCOMPARE(after(texts, QStringLiteral("Total of this page (%1 records)").arg(lines)),
                 groupDigits(pageTotal));
        sum += pageTotal;
    }
    QStringList expectedCounts;
    for (int count = 1; count <= records; ++count)
        expectedCounts << QString::number(count);
    QCOMPARE(counts, expectedCounts); // in sheet order, as each income follows its sheet
    const qint64 expected = 1000LL * records * (records + 1) / 2;
    QCOMPARE(sum, expected);
    QCOMPARE(list->grandTotal().income, expected);
    QCOMPARE(list->heading().log.totalIncome, QString::number(expected));
    QCOMPARE(list->heading().log.code.split(u' ').size(), 3); // 8, 20 and 4 digest characters
    const QStringList last = pageTexts(list->page(pages - 1));
    QCOMPARE(after(last, QStringLiteral("Grand total (%1 records)").arg(records)),
             groupDigits(expected));
    // Every income here is salary: category a holds it all, the others nothing, and the sum of
    // the categories is the log's total income.
    QCOMPARE(after(last, "Salary or wages"), groupDigits(expected));
    QCOMPARE(after(last, "Leave pay"), "0");
    QCOMPARE(after(last, "Pensions"), "0");
    QCOMPARE(after(last, "Sum of the categories"), groupDigits(expected));
    QCOMPARE(after(last, "Total income in the log"), groupDigits(expected));
    QVERIFY(last.contains("The categories, the grand total and the record count agree with the "
                          "log."));
    QVERIFY(last.filter(QStringLiteral("Total of this page")).isEmpty());
    QVERIFY(pageTexts(list->page(0)).filter(QStringLiteral("Grand total")).isEmpty());
}

// Nothing of the program folder is read, and the files on the medium stay as they were.
void TestControlList::readsTheMediumWithoutChangingIt() {
    WorkingDatabase db;
    TempFolder medium;
    const QString target = saveToMedium(db, medium.path(), 3);
    const QByteArray before = fileBytes(target) + fileBytes(logPathOnMedium(target));
    {
        const auto list = ControlList::open(target, logPathOnMedium(target));
        QCOMPARE(list->grandTotal().records, 3);
        list->page(0);
    }
    QCOMPARE(fileBytes(target) + fileBytes(logPathOnMedium(target)), before);
    QCOMPARE(entriesIn(medium.path()), QStringList({"12345678.MDB", "~~log~~.mdb"}));
    QFile::remove(logPathOnMedium(target));
    QVERIFY_THROWS_EXCEPTION(EngineError, ControlList::open(target, logPathOnMedium(target)));
}

// The line's identifier: the identity card number while there is one, otherwise the passport
// number marked as a passport, so no line is left without an identifier.
void TestControlList::identityOrPassport_data() {
    QTest::addColumn<QStringList>("values"); // HKID, ChkDigit, Passport
    QTest::addColumn<QString>("shown");
    QTest::newRow("valid: identity card only") << QStringList{"A123456", "3", ""} << "A123456(3)";
    QTest::newRow("valid: both, the card wins")
        << QStringList{"A123456", "3", "K1234567 UK"} << "A123456(3)";
    QTest::newRow("valid: passport only")
        << QStringList{"", "", "K1234567 UK"} << "Passport: K1234567 UK";
    QTest::newRow("boundary: passport only, blanks around")
        << QStringList{"", "", "  K1234567 UK "} << "Passport: K1234567 UK";
    QTest::newRow("boundary: neither") << QStringList{"", "", ""} << "";
}

void TestControlList::identityOrPassport() {
    QFETCH(QStringList, values);
    QFETCH(QString, shown);
    const Columns columns = employeeColumns();
    RowValues row = emptyRow(columns);
    const QStringList names{"HKID", "ChkDigit", "Passport"};
    for (qsizetype i = 0; i < names.size(); ++i)
        row[static_cast<qsizetype>(columnIndex(columns, names[i]))] = values[i];
    QCOMPARE(controllist::lineOf(row, 1).identity, shown);
}

QTEST_GUILESS_MAIN(TestControlList)
#include "tst_control_list.moc"
