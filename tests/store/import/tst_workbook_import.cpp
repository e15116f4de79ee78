#include "core/common/engine_error.h"
#include "core/import/workbook_package.h"
#include "store/import/import_file.h"
#include "store/import/record_transfer.h"
#include "support/hold_check.h"
#include "support/submission_setup.h"
#include "support/temp_folder.h"

#include <QTest>

namespace {

QString workbook(const QString& name) {
    return QStringLiteral(QT_TESTCASE_SOURCEDIR "/data/workbooks/") + name;
}

QList<RowValues> valuesOf(const ImportPlan& plan) {
    QList<RowValues> rows;
    for (const ImportRow& row : plan.rows)
        rows << unpackRow(row.values);
    return rows;
}

QString refusalOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const EngineError& error) {
        return error.description();
    }
    return {};
}

} // namespace

class TestWorkbookImport : public QObject {
    Q_OBJECT
private slots:
    void workbooksPlanAsTheSameDataInCsv_data();
    void workbooksPlanAsTheSameDataInCsv();
    void manyRowsPlanAsTheSameDataInCsv_data();
    void manyRowsPlanAsTheSameDataInCsv();
    void chosenSheetIsRead();
    void hostileFilesAreRefusedAndNothingChanges_data();
    void hostileFilesAreRefusedAndNothingChanges();

private:
    TempFolder files;
};

void TestWorkbookImport::workbooksPlanAsTheSameDataInCsv_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("xlsx written by openpyxl") << "staff.xlsx";
    QTest::newRow("ods written by odfpy") << "staff.ods";
}

// Numbers, dates shown as dates, texts and a formula's last value are taken as the user sees
// them, so the plan is the CSV's row for row, problems and line numbers included.
void TestWorkbookImport::workbooksPlanAsTheSameDataInCsv() {
    QFETCH(QString, file);
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    const ImportPlan fromCsv = dryRun(db.state.db(), workbook("staff.csv"));
    const ImportPlan fromBook = dryRun(db.state.db(), workbook(file));
    QCOMPARE(fromBook.rows.size(), 4);
    QCOMPARE(valuesOf(fromBook), valuesOf(fromCsv));
    QCOMPARE(planReport(fromBook), planReport(fromCsv));
    // WONG's check character is wrong; the fraction of a dollar in LEE's salary is refused, as
    // cents are in CSV.
    QCOMPARE(fromBook.rowsWithProblems(), 2);
    QCOMPARE(fromBook.rows.at(2).problems().first().column, QStringLiteral("aIncome"));
    QCOMPARE(fromBook.rows.at(2).problems().first().message,
             QStringLiteral("Cents should be excluded!"));
    const RowValues ho = unpackRow(fromBook.rows.at(3).values);
    const Columns columns = employeeColumns();
    QCOMPARE(textFromValue(ho.at(columnIndex(columns, "aIncome"))), QStringLiteral("240,000"));
    QCOMPARE(textFromValue(ho.at(columnIndex(columns, "EYear1"))), QStringLiteral("2001"));
    QCOMPARE(textFromValue(ho.at(columnIndex(columns, "EMonth2"))), QStringLiteral("03"));
    QCOMPARE(textFromValue(ho.at(columnIndex(columns, "ChineseName"))), QStringLiteral("陳大文"));
}

void TestWorkbookImport::manyRowsPlanAsTheSameDataInCsv_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("rows numbered") << "many.xlsx";
    QTest::newRow("rows and cells without numbers") << "many-unnumbered.xlsx";
}

// A sheet of more rows than the reader takes at a time, with formulas' values on the rows
// around the first cut: every row planned as from CSV, the findings naming the same rows.
void TestWorkbookImport::manyRowsPlanAsTheSameDataInCsv() {
    QFETCH(QString, file);
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    const ImportPlan fromCsv = dryRun(db.state.db(), workbook("many.csv"));
    const ImportPlan fromBook = dryRun(db.state.db(), workbook(file));
    QCOMPARE(fromBook.rows.size(), 4100);
    QCOMPARE(valuesOf(fromBook), valuesOf(fromCsv));
    QCOMPARE(planReport(fromBook), planReport(fromCsv));
    QCOMPARE(fromBook.rows.at(1999).row, 2000);
    QCOMPARE(
        textFromValue(
            unpackRow(fromBook.rows.at(1999).values).at(columnIndex(employeeColumns(), "aIncome"))),
        QStringLiteral("240,000"));
}

void TestWorkbookImport::chosenSheetIsRead() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    for (const QString& file : {QStringLiteral("staff.xlsx"), QStringLiteral("staff.ods")}) {
        QCOMPARE(importSheets(workbook(file)), (QStringList{"Staff", "Other"}));
        const ImportPlan other = dryRun(db.state.db(), workbook(file), "Other");
        QCOMPARE(other.rows.size(), 1);
        QCOMPARE(
            textFromValue(
                unpackRow(other.rows.first().values).at(columnIndex(employeeColumns(), "Surname"))),
            QStringLiteral("YIP"));
        // The .xlsx holds a formula there that was never calculated: no value, no amount.
        QCOMPARE(
            textFromValue(
                unpackRow(other.rows.first().values).at(columnIndex(employeeColumns(), "aIncome"))),
            file.endsWith(".ods") ? QStringLiteral("50,000") : QString());
        QCOMPARE(refusalOf([&] { dryRun(db.state.db(), workbook(file), "Missing"); }),
                 "The file '" + file +
                     "' has no sheet named 'Missing'. Its sheets are: Staff, "
                     "Other.");
    }
    QVERIFY(importSheets(workbook("staff.csv")).isEmpty());
}

void TestWorkbookImport::hostileFilesAreRefusedAndNothingChanges_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("text under an .xlsx name") << "not-a-workbook.xlsx"
                                              << "it is not an .xlsx";
    QTest::newRow("encrypted .xlsx") << "encrypted.xlsx"
                                     << "encrypted with a password";
    QTest::newRow("encrypted .ods") << "encrypted.ods"
                                    << "encrypted with a password";
    QTest::newRow("damaged zip") << "damaged.xlsx"
                                 << "it is damaged";
    QTest::newRow("zip bomb") << "bomb.xlsx"
                              << "expands to 64 MB";
    QTest::newRow("external links") << "external-link.xlsx"
                                    << "external links";
    QTest::newRow("macros in .xlsx") << "macro.xlsx"
                                     << "carries macros";
    QTest::newRow("macros in .ods") << "macro.ods"
                                    << "carries macros";
    QTest::newRow("more than 1000 columns") << "wide.xlsx"
                                            << "more than 1000 columns";
    QTest::newRow("more than 1000000 rows") << "tall.xlsx"
                                            << "more than 1000000 rows";
    QTest::newRow("workbook under a .csv name") << "workbook.csv"
                                                << "not a CSV text";
    QTest::newRow("over 100 MB") << ""
                                 << "larger than 100 MB";
}

void TestWorkbookImport::hostileFilesAreRefusedAndNothingChanges() {
    QFETCH(QString, file);
    QFETCH(QString, reason);
    QString path = workbook(file);
    if (file.isEmpty()) {
        path = files.file("large.xlsx");
        QFile large(path);
        QVERIFY(large.open(QIODevice::WriteOnly) && large.write("PK\x03\x04") == 4);
        QVERIFY(large.resize(largestWorkbookBytes + 1)); // sparse: no disk space taken
    }
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    const QString database = databasePath(db.folder.path(), DatabaseFile::Working);
    const QByteArray before = readInAnotherProcess(database);
    QVERIFY(!before.isEmpty());
    const QString refusal = refusalOf([&] { dryRun(db.state.db(), path); });
    QVERIFY2(refusal.contains(reason), qPrintable(refusal));
    QVERIFY2(refusal.contains(QFileInfo(path).fileName()), qPrintable(refusal));
    QVERIFY(readInAnotherProcess(database) == before);
    QCOMPARE(db.column("Surname"), QStringList());
}

QTEST_GUILESS_MAIN(TestWorkbookImport)
#include "tst_workbook_import.moc"
