#include "core/import/csv.h"
#include "core/platform/language.h"
#include "record_generator.h"
#include "store/import/record_transfer.h"
#include "support/file_size_limit.h"
#include "support/submission_setup.h"

#include <QTest>

namespace {

// Every real record in ID order, each as the texts its columns show, ID and SheetNo left out.
QList<QStringList> storedRecords(Database& db) {
    QList<QStringList> records;
    for (const RowValues& row : tableRows(db, table::employee, employeeColumns())) {
        QStringList texts;
        for (std::size_t i = 0; i < employeeColumns().size(); ++i)
            if (i != 0 && i != 2) // ID and SheetNo
                texts << textFromValue(row.at(static_cast<qsizetype>(i)));
        if (texts.first() != u"H")
            records << texts;
    }
    return records;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

const QString header = QStringLiteral(
    "Surname,FirstName,ChineseName,HKID,ChkDigit,Sex,RAddress1,RAreaCode,Capacity,EDay1,EMonth1,"
    "EYear1,EDay2,EMonth2,EYear2,aIncome,QFlag,OSeaFlag,Colour\r\n");

QString csvRow(const QString& surname, const QString& hkid, const QString& check,
               const QString& startYear = "2001", const QString& salary = "120000") {
    return QStringLiteral(
               "%1,TAI MAN,陳大文,%2,%3,m,FLAT A,k,CLERK,1,4,%4,31,3,2002,%5,0,0,red\r\n")
        .arg(surname, hkid, check, startYear, salary);
}

} // namespace

class TestRecordTransfer : public QObject {
    Q_OBJECT
private slots:
    void exportThenImportGivesTheSameRecords();
    void templateExampleImportsClean();
    void dryRunNamesEachProblem_data();
    void dryRunNamesEachProblem();
    void onlyRowsWithoutProblemsAreStored();
    void summaryLeavesOutTheProblemLines_data();
    void summaryLeavesOutTheProblemLines();
    void interruptedImportStoresNothing_data();
    void interruptedImportStoresNothing();
    void failedExportKeepsTheOldFile();
    void formulasLeaveAsTextAndComeBackUnchanged();
    void controlCharactersAreRefusedAtImport();
    void repeatedIdentityNumbersAreToldOncePerRow();
    void oversizedFilesAreRefusedUnread();

private:
    ImportPlan fiveProblemPlan(WorkingDatabase& db);
    TempFolder files;
};

void TestRecordTransfer::exportThenImportGivesTheSameRecords() {
    WorkingDatabase source;
    generator::fillDatabase(source.state.db(), 200, 3);
    // What Update stores: the generator writes some surnames in mixed case.
    source.state.db().exec("update employee set Surname = upper(Surname)");
    const QString path = files.file("records.csv");
    QCOMPARE(exportRecords(source.state.db(), path), 200);
    const QByteArray bytes = bytesOf(path);
    QVERIFY(bytes.startsWith(csv::byteOrderMark));
    // The editor's labels head the columns; the import reads them back.
    QVERIFY(bytes.mid(3).startsWith("Record identifier,Record Type,Sheet Number,Surname,Other "
                                    "Names in Full,Full Name in Chinese,H.K. Identity Card "
                                    "Number,\"H.K. Identity Card Number, check character\","));

    WorkingDatabase target;
    generator::fillDatabase(target.state.db(), 0, 3);
    const ImportPlan plan = dryRun(target.state.db(), path);
    QCOMPARE(plan.rows.size(), 200);
    QCOMPARE(plan.storableRows(), 200);
    QCOMPARE(importRecords(target.state.db(), chosenRows(plan, ImportChoice::AllRows)).value_or(-1),
             200);
    const QList<QStringList> imported = storedRecords(target.state.db());
    QCOMPARE(imported, storedRecords(source.state.db()));
    QVERIFY(std::ranges::any_of(imported, [](const QStringList& texts) { // a Chinese name
        return std::ranges::any_of(texts.at(3), [](QChar c) { return c.unicode() >= 0x4e00; });
    }));
}

// The template is the export's header and one example row for the return year, which passes
// every check.
void TestRecordTransfer::templateExampleImportsClean() {
    WorkingDatabase db;
    generator::fillDatabase(db.state.db(), 3, 7);
    setEmployer(db, exampleEmployer); // the return year 2002
    const QString exported = files.file("records.csv");
    QCOMPARE(exportRecords(db.state.db(), exported), 3);
    const QString path = files.file("template.csv");
    exportTemplate(db.state.db(), path);
    const QList<QByteArray> lines = bytesOf(path).split('\n');
    QCOMPARE(lines.size(), 3); // the header, the example and nothing after its line break
    QCOMPARE(lines.first(), bytesOf(exported).split('\n').first());

    WorkingDatabase target;
    setEmployer(target, exampleEmployer);
    const ImportPlan plan = dryRun(target.state.db(), path);
    QCOMPARE(plan.rows.size(), 1);
    QVERIFY2(plan.rows.first().problems().isEmpty(), qPrintable(planReport(plan).join('\n')));
    QVERIFY(plan.missingColumns.isEmpty() && plan.unknownColumns.isEmpty());
    QCOMPARE(importRecords(target.state.db(), chosenRows(plan, ImportChoice::AllRows)).value_or(-1),
             1);
    QCOMPARE(target.column("EYear1"), QStringList{"2001"});
    QCOMPARE(target.column("aIncome"), QStringList{"240,000"});
}

ImportPlan TestRecordTransfer::fiveProblemPlan(WorkingDatabase& db) {
    setEmployer(db, exampleEmployer);
    db.addRecord(exampleRecord() + QStringList{"ID=1"}); // A123456(3)
    const QString path = files.file("five.csv");
    writeFile(path, (header + csvRow("CHAN", "B111111", "1") + csvRow("WONG", "B222222", "X") +
                     csvRow("LEE", "B333333", "2", "2000") +
                     csvRow("HO", "B444444", "4", "2001", "\"1,000.50\"") +
                     csvRow("ABCDEFGHIJKLMNOPQRSTU", "B555555", "5") +
                     csvRow("CHEUNG", "A123456", "3") + csvRow("LAM", "C777777", "7") +
                     csvRow("YIP", "D888888", "8").replace("red", "red,blue") +
                     csvRow("KWOK", "E999999", "9").replace("TAI MAN", "TAI \"MAN\""))
                        .toUtf8());
    return dryRun(db.state.db(), path);
}

void TestRecordTransfer::dryRunNamesEachProblem_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("message"); // the start of one of its problems; empty: none
    QTest::addColumn<bool>("alone");      // the row's only problem
    QTest::newRow("clean row") << 1 << "" << false;
    QTest::newRow("wrong check character") << 2 << "Invalid check character." << false;
    QTest::newRow("date outside the year")
        << 3 << "Start date should not be earlier than 01 April 2001." << false;
    QTest::newRow("amount with cents") << 4 << "Cents should be excluded!" << false;
    QTest::newRow("surname too long in bytes")
        << 5 << "The field 'Surname' holds at most 20 bytes" << false;
    QTest::newRow("identity number in the database")
        << 6 << "The identity number A123456(3) is also on the original record with ID 1." << false;
    QTest::newRow("second clean row") << 7 << "" << false;
    // A row that cannot be read is named for that alone, not also for the fields it lacks.
    QTest::newRow("a field too many") << 8 << "The row has 20 fields; the header names 19." << true;
    QTest::newRow("quote inside a field") << 9 << "The line cannot be read:" << true;
}

void TestRecordTransfer::dryRunNamesEachProblem() {
    QFETCH(int, row);
    QFETCH(QString, message);
    QFETCH(bool, alone);
    WorkingDatabase db;
    const ImportPlan plan = fiveProblemPlan(db);
    QCOMPARE(plan.unknownColumns, QStringList{"Colour"});
    QVERIFY(plan.missingColumns.contains("Spouse's H.K. Identity Card Number")); // by its label
    QCOMPARE(plan.rows.size(), 9);
    const ImportRow& found = plan.rows.at(row - 1);
    QStringList messages;
    for (const ReturnProblem& problem : found.problems())
        messages << problem.message;
    if (message.isEmpty())
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(" | ")));
    else
        QVERIFY2(
            std::ranges::any_of(messages, [&](const QString& m) { return m.startsWith(message); }),
            qPrintable(messages.join(" | ")));
    QCOMPARE(found.storable, row != 5 && row < 8);
    if (alone)
        QCOMPARE(messages.size(), 1);
    QVERIFY(planReport(plan).join('\n').contains(
                QStringLiteral("Row %1 (line %2)").arg(row).arg(row + 1)) == !message.isEmpty());
}

void TestRecordTransfer::onlyRowsWithoutProblemsAreStored() {
    WorkingDatabase db;
    const ImportPlan plan = fiveProblemPlan(db);
    QCOMPARE(importRecords(db.state.db(), chosenRows(plan, ImportChoice::RowsWithoutProblems))
                 .value_or(-1),
             2);
    QCOMPARE(db.column("Surname"), (QStringList{"CHAN", "CHAN", "LAM"}));
    QCOMPARE(db.column("ID"), (QStringList{"1", "2", "3"}));
    QCOMPARE(db.column("SheetNo"), (QStringList{"1", "(none)", "(none)"}));
    QCOMPARE(db.column("aIncome").last(), "120,000");
    QCOMPARE(db.column("EDay1").last(), "01");
}

void TestRecordTransfer::interruptedImportStoresNothing_data() {
    QTest::addColumn<int>("stopAt");     // the progress stops the import after this row; 0: never
    QTest::addColumn<int>("refusedRow"); // a row no column can hold; 0: none
    QTest::newRow("cancelled half-way") << 25 << 0;
    QTest::newRow("cancelled after the last row") << 50 << 0;
    QTest::newRow("refused row half-way") << 0 << 30;
}

void TestRecordTransfer::interruptedImportStoresNothing() {
    QFETCH(int, stopAt);
    QFETCH(int, refusedRow);
    WorkingDatabase source;
    generator::fillDatabase(source.state.db(), 50, 5);
    QList<RowValues> rows = tableRows(source.state.db(), table::employee, employeeColumns());
    rows.removeIf([](const RowValues& row) { return row.at(1).toString() == u"H"; });
    if (refusedRow > 0)
        rows[refusedRow - 1][3] = QString(21, u'X');
    QList<PackedRow> packed;
    for (const RowValues& row : rows)
        packed << packRow(row);
    WorkingDatabase target;
    target.addRecord(exampleRecord() + QStringList{"ID=1"});
    const auto stop = [stopAt](int written, int) { return written != stopAt; };
    if (refusedRow > 0)
        QVERIFY_THROWS_EXCEPTION(EngineError, importRecords(target.state.db(), packed, stop));
    else
        QVERIFY(!importRecords(target.state.db(), packed, stop));
    QCOMPARE(target.column("ID"), QStringList{"1"});
}

void TestRecordTransfer::failedExportKeepsTheOldFile() {
    WorkingDatabase db;
    generator::fillDatabase(db.state.db(), 100, 9);
    const QString path = files.file("kept.csv");
    writeFile(path, "old");
    {
        const FileSizeLimit limit(4096);
        QVERIFY_THROWS_EXCEPTION(EngineError, exportRecords(db.state.db(), path));
    }
    QCOMPARE(bytesOf(path), QByteArray("old"));
    const QStringList left = QDir(files.path()).entryList({"kept*"}, QDir::Files | QDir::Hidden);
    QVERIFY2(left == QStringList{"kept.csv"}, qPrintable(left.join(" | ")));
}

// Texts a spreadsheet would run as formulas are exported as text and imported as they were.
void TestRecordTransfer::formulasLeaveAsTextAndComeBackUnchanged() {
    WorkingDatabase source;
    setEmployer(source, exampleEmployer);
    const QStringList cells{"Remark==1+2", "Capacity=@SUM(A1)", "OSeaAmount=-2+3", "RAddress1='=1",
                            "CAddress=+41 22 000"};
    source.addRecord(exampleRecord() + cells + QStringList{"ID=1"});
    const QString path = files.file("formulas.csv");
    QCOMPARE(exportRecords(source.state.db(), path), 1);
    const QByteArray bytes = bytesOf(path);
    for (const char* written : {",'=1+2", ",'@SUM(A1)", ",'-2+3", ",''=1,", ",'+41 22 000"})
        QVERIFY2(bytes.contains(written), written);
    QVERIFY(bytes.contains(",\"240,000\",")); // an amount is no formula and stays as it is

    WorkingDatabase target;
    setEmployer(target, exampleEmployer);
    const ImportPlan plan = dryRun(target.state.db(), path);
    QCOMPARE(importRecords(target.state.db(), chosenRows(plan, ImportChoice::AllRows)).value_or(-1),
             1);
    QCOMPARE(storedRecords(target.state.db()), storedRecords(source.state.db()));
    QCOMPARE(target.column("Remark"), QStringList{"=1+2"});
}

// A control character in a field is refused like a character the code page lacks, naming the
// field; the rest of the file is read on.
void TestRecordTransfer::controlCharactersAreRefusedAtImport() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    const QString path = files.file("control.csv");
    writeFile(path, (header + csvRow("CHAN", "B111111", "1").replace("CLERK", "CL\x1B[2JERK") +
                     csvRow("LEE", "B222222", "2"))
                        .toUtf8());
    const ImportPlan plan = dryRun(db.state.db(), path);
    QCOMPARE(plan.rows.size(), 2);
    QVERIFY(!plan.rows.at(0).storable);
    QVERIFY(std::ranges::any_of(plan.rows.at(0).problems(), [](const ReturnProblem& problem) {
        return problem.column == u"Capacity" && problem.message.contains("control character");
    }));
    QVERIFY(plan.rows.at(1).storable);
}

// Each row that repeats an identity number says so once, naming the first row that carries it
// (the first row names the second) and how many do: no row's finding grows with the others.
void TestRecordTransfer::repeatedIdentityNumbersAreToldOncePerRow() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    const QString path = files.file("repeated.csv");
    writeFile(path, (header + csvRow("CHAN", "B111111", "1").repeated(30)).toUtf8());
    const ImportPlan plan = dryRun(db.state.db(), path);
    QCOMPARE(plan.rows.size(), 30);
    for (const ImportRow& row : plan.rows) {
        QStringList repeats;
        for (const ReturnProblem& problem : row.problems())
            if (problem.message.contains("B111111(1)"))
                repeats << problem.message;
        const QString first = row.row == 1 ? QStringLiteral("row 2") : QStringLiteral("row 1");
        QCOMPARE(repeats, QStringList{"The identity number B111111(1) is also on the original " +
                                      first + "; 30 original records carry it."});
    }
}

// Files beyond the size or the row count that one import takes are refused before their rows
// are checked, with the reason.
void TestRecordTransfer::oversizedFilesAreRefusedUnread() {
    WorkingDatabase db;
    const QString path = files.file("large.csv");
    {
        QFile large(path);
        QVERIFY(large.open(QIODevice::WriteOnly) && large.write(header.toUtf8()) > 0);
        QVERIFY(large.resize(largestImportBytes + 1)); // a sparse file: no disk space taken
    }
    try {
        dryRun(db.state.db(), path);
        QFAIL("a file beyond the size limit was read");
    } catch (const EngineError& error) {
        QVERIFY2(error.description().contains("larger than 64 MB"),
                 qPrintable(error.description()));
    }
    QFile::remove(path);
    const QString rows = header + QStringLiteral("A\r\n").repeated(mostImportRows + 1);
    try {
        planImport(rows, EmployerData{}, {});
        QFAIL("a file beyond the row limit was planned");
    } catch (const EngineError& error) {
        QVERIFY2(error.description().contains("more than 200000 rows"),
                 qPrintable(error.description()));
    }
}

// The dry-run window shows the columns and the counts above its table of problems, whichever
// language the program speaks.
void TestRecordTransfer::summaryLeavesOutTheProblemLines_data() {
    QTest::addColumn<language::Language>("spoken");
    QTest::newRow("English") << language::Language::English;
    QTest::newRow("Chinese") << language::Language::Chinese;
}

void TestRecordTransfer::summaryLeavesOutTheProblemLines() {
    QFETCH(language::Language, spoken);
    QVERIFY(language::install(*QCoreApplication::instance(), spoken));
    WorkingDatabase db;
    const ImportPlan plan = fiveProblemPlan(db);
    const QStringList report = planReport(plan);
    const QStringList summary = planSummary(plan);
    language::install(*QCoreApplication::instance(), language::Language::English);
    QVERIFY(plan.rowsWithProblems() > 0);
    qsizetype problems = 0;
    for (const ImportRow& row : plan.rows)
        problems += row.problems().size();
    // The report is the column lines, a line for each problem, then the counts.
    const qsizetype columnLines = report.size() - problems - 1;
    QCOMPARE(summary, report.mid(0, columnLines) << report.last());
}

QTEST_GUILESS_MAIN(TestRecordTransfer)
#include "tst_record_transfer.moc"
