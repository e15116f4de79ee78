#include "core/import/csv.h"
#include "core/import/record_import.h"
#include "gui/import/import_dry_run_window.h"
#include "store/import/workbook_check.h"
#include "support/editor_screen.h"
#include "support/submission_setup.h"

#include <QSignalSpy>
#include <QTreeWidget>

namespace {

const QStringList employer2001{"Session=A",       "BRN=12345676",
                               "ReturnYear=2001", "SubmissionDate=30042001",
                               "Name=ABC LTD",    "Designation=MANAGER"};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The copies the program took before a command, by their reason.
QStringList backupsFor(const EditorScreen& editor, const QString& reason) {
    return QDir(editor.db.folder.file("backups"))
        .entryList({"xw73d-*-" + reason + ".mdb"}, QDir::Files);
}

// The record editor opened on a database with the employer of the return year 2001 and ALPHA.
bool openWithAlpha(EditorScreen& editor) {
    setEmployer(editor.db, employer2001);
    return editor.open({completeRecord(1, "ALPHA", "A")});
}

} // namespace

class TestTransferScreen : public QObject {
    Q_OBJECT
private slots:
    void templateFilledInImports();
    void importThroughDryRunReloadsEditor();
    void importWithoutACopyAsksFirst_data();
    void importWithoutACopyAsksFirst();
    void oversizedImportIsRefusedWithItsReason();
    void workbookOfSeveralSheetsAsksWhichOne_data();
    void workbookOfSeveralSheetsAsksWhichOne();
    void exportWritesEveryRecordUnderLabels();
    void exportOffersWorkbookFirst_data();
    void exportOffersWorkbookFirst();
};

// The template's header is the labels of the editor and its one row an example; the clerk puts
// real rows in the example's place and imports the file, and the program first keeps a copy.
void TestTransferScreen::templateFilledInImports() {
    EditorScreen editor;
    QVERIFY(openWithAlpha(editor));
    QSignalSpy reported(editor.screen.get(), &RecordEditor::resultReported);
    const QString path = editor.db.folder.file("template.csv");
    editor.services.fileAnswers << path;
    editor.press(Qt::Key_M);          // "Export te&mplate..."
    QTRY_COMPARE(reported.size(), 1); // a mnemonic clicks the button a moment later
    QCOMPARE(reported.first().at(0).toString(), "Template written to " + path + ".");
    const QList<csv::Record> written = csv::parse(*csv::decodeFile(fileBytes(path)));
    QCOMPARE(written.size(), 2);
    const QStringList header = written.at(0).fields;
    QCOMPARE(header.mid(3, 4), (QStringList{"Surname", "Other Names in Full",
                                            "Full Name in Chinese", "H.K. Identity Card Number"}));
    QStringList first = written.at(1).fields;
    QCOMPARE(first.at(header.indexOf("Surname")), "CHAN");
    QCOMPARE(first.at(header.indexOf("Period of employment from, year")), "2000");
    first[header.indexOf("Surname")] = "LEE";
    QStringList second = first;
    second[header.indexOf("Surname")] = "WONG";
    second[header.indexOf("H.K. Identity Card Number")] = "";
    second[header.indexOf("H.K. Identity Card Number, check character")] = "";
    writeFile(path, (csv::line(header) + csv::line(first) + csv::line(second)).toUtf8());

    editor.services.fileAnswers << path;
    editor.press(Qt::Key_I); // "&Import..."
    ImportDryRunWindow* dryRun = nullptr;
    QTRY_VERIFY((dryRun = editor->findChild<ImportDryRunWindow*>()) && dryRun->isVisible());
    QCOMPARE(dryRun->list()->topLevelItemCount(), 0);
    QVERIFY(backupsFor(editor, "import").isEmpty()); // nothing is taken for the dry run alone
    QVERIFY(QTest::qWaitFor([dryRun] { return QApplication::activeWindow() == dryRun; }));
    QTest::keyClick(dryRun, Qt::Key_A, Qt::AltModifier); // "Import &all rows"
    QTRY_COMPARE(reported.size(), 2);
    QCOMPARE(reported.last().at(0).toString(), "2 records imported.");
    QCOMPARE(editor.db.column("Surname"), (QStringList{"ALPHA", "LEE", "WONG"}));
    QCOMPARE(editor.db.column("aIncome"), (QStringList{"(none)", "240,000", "240,000"}));
    QCOMPARE(backupsFor(editor, "import").size(), 1);
}

void TestTransferScreen::importThroughDryRunReloadsEditor() {
    EditorScreen editor;
    QVERIFY(openWithAlpha(editor));
    const QString path = editor.db.folder.file("in.csv");
    // Labels and column names, in any case, side by side.
    writeFile(path,
              "SURNAME,other names in full,Sex,RAddress1,\"Area Code (H=HK, K=KLN, N-NT "
              "F-Foreign)\",Capacity,EDay1,EMonth1,EYear1,EDay2,EMonth2,EYear2,QFlag,OSeaFlag\r\n"
              "delta,D,m,1 Main St,h,Clerk,1,4,2000,31,3,2001,0,0\r\n"
              "EPSILON,E,M,1 Main St,H,,01,04,2000,31,03,2001,0,0\r\n");
    editor.services.fileAnswers << path;
    QSignalSpy reported(editor.screen.get(), &RecordEditor::resultReported);
    click(editor.control<QPushButton>("cImport"));
    auto* dryRun = editor->findChild<ImportDryRunWindow*>();
    QVERIFY(dryRun && dryRun->isVisible());
    QCOMPARE(dryRun->list()->topLevelItemCount(), 1); // EPSILON has no capacity
    QCOMPARE(dryRun->list()->topLevelItem(0)->text(3), "Capacity in which employed");
    click(dryRun->findChild<QPushButton*>("cImportClean"));
    QCOMPARE(reported.size(), 1);
    QCOMPARE(reported.first().at(0).toString(), "1 record imported.");
    QCOMPARE(editor->records().count(), 2);
    QCOMPARE(editor.db.column("Surname"), (QStringList{"ALPHA", "DELTA"}));
    QCOMPARE(editor.db.column("RAreaCode"), (QStringList{"H", "H"}));
    QVERIFY(editor.isIn(CommandState::Browsing));
    QCOMPARE(backupsFor(editor, "import").size(), 1);
}

void TestTransferScreen::importWithoutACopyAsksFirst_data() {
    QTest::addColumn<bool>("goOn");
    QTest::addColumn<QStringList>("surnames");
    QTest::newRow("No: nothing is imported") << false << QStringList{"ALPHA"};
    QTest::newRow("Yes: imported without a copy") << true << QStringList{"ALPHA", "DELTA"};
}

// When no copy can be written (a file stands where the copies' folder goes), the user is told
// why and chooses, as before the other commands that change many records.
void TestTransferScreen::importWithoutACopyAsksFirst() {
    QFETCH(bool, goOn);
    QFETCH(QStringList, surnames);
    EditorScreen editor;
    QVERIFY(openWithAlpha(editor));
    writeFile(editor.db.folder.file("backups"), "not a folder");
    const QString path = editor.db.folder.file("in.csv");
    writeFile(path, "Surname,FirstName,Sex,RAddress1,RAreaCode,Capacity,EDay1,EMonth1,EYear1,"
                    "EDay2,EMonth2,EYear2,QFlag,OSeaFlag\r\n"
                    "DELTA,D,M,1 Main St,H,Clerk,01,04,2000,31,03,2001,0,0\r\n");
    editor.services.fileAnswers << path;
    editor.services.answers << goOn;
    click(editor.control<QPushButton>("cImport"));
    auto* dryRun = editor->findChild<ImportDryRunWindow*>();
    QVERIFY(dryRun);
    click(dryRun->findChild<QPushButton*>("cImportAll"));
    const QStringList told = editor.services.texts();
    QVERIFY2(told.size() >= 2 &&
                 told.at(0).startsWith("No backup copy of the database could be made: ") &&
                 told.at(1) == "Do you want to go on without a backup copy?",
             qPrintable(told.join(" | ")));
    QCOMPARE(editor.db.column("Surname"), surnames);
}

// A file beyond the size one import takes is refused with its reason before any dry run opens.
void TestTransferScreen::oversizedImportIsRefusedWithItsReason() {
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "ALPHA", "A")}));
    const QString path = editor.db.folder.file("large.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Surname\r\nDELTA\r\n") > 0);
    QVERIFY(file.resize(largestImportBytes + 1)); // sparse: no disk space taken
    file.close();
    editor.services.fileAnswers << path;
    click(editor.control<QPushButton>("cImport"));
    QVERIFY2(editor.services.lastText().contains("larger than 64 MB"),
             qPrintable(editor.services.lastText()));
    QVERIFY(!editor->findChild<ImportDryRunWindow*>());
    QCOMPARE(editor.db.column("Surname"), QStringList{"ALPHA"});
}

void TestTransferScreen::workbookOfSeveralSheetsAsksWhichOne_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QStringList>("surnames");
    const QString asked = "Import\nThe workbook 'staff.xlsx' has several sheets. Which one is to "
                          "be imported?\nStaff\nOther";
    QTest::newRow("the second sheet chosen")
        << "staff.xlsx" << 1 << asked << "" << QStringList{"ALPHA", "YIP"};
    QTest::newRow("cancelled: nothing read")
        << "staff.xlsx" << -1 << asked << "" << QStringList{"ALPHA"};
    QTest::newRow("macros refused before the question")
        << "macro.xlsx" << 0 << ""
        << "The file 'macro.xlsx' cannot be imported: it carries macros, which are never run."
        << QStringList{"ALPHA"};
}

void TestTransferScreen::workbookOfSeveralSheetsAsksWhichOne() {
    QFETCH(QString, file);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(QString, told);
    QFETCH(QStringList, surnames);
    EditorScreen editor;
    setEmployer(editor.db, exampleEmployer);
    QVERIFY(editor.open({completeRecord(1, "ALPHA", "A")}));
    editor.services.fileAnswers << QStringLiteral(QT_TESTCASE_SOURCEDIR "/data/workbooks/") + file;
    editor.services.choiceAnswers << answer;
    click(editor.control<QPushButton>("cImport"));
    QCOMPARE(editor.services.questions.join(""), question);
    QCOMPARE(editor.services.texts().join(""), told);
    auto* dryRun = editor->findChild<ImportDryRunWindow*>();
    QCOMPARE(dryRun != nullptr, answer > 0);
    if (dryRun) {
        QVERIFY(dryRun->findChild<QLabel*>("lblDryRun")
                    ->text()
                    .startsWith("File: staff.xlsx, sheet Other\n"));
        click(dryRun->findChild<QPushButton*>("cImportAll"));
    }
    QCOMPARE(editor.db.column("Surname"), surnames);
}

void TestTransferScreen::exportWritesEveryRecordUnderLabels() {
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "ALPHA", "A") + QStringList{"aIncome=1,234,567"},
                         completeRecord(2, "陳", "B")}));
    const QString path = editor.db.folder.file("out.csv");
    editor.services.fileAnswers << path;
    QSignalSpy reported(editor.screen.get(), &RecordEditor::resultReported);
    editor.press(Qt::Key_E); // "&Export..."
    QTRY_COMPARE(reported.size(), 1);
    QCOMPARE(reported.first().at(0).toString(), "2 records exported to " + path + ".");
    QCOMPARE(reported.first().at(1).toString(), editor.db.folder.path());
    const QByteArray bytes = fileBytes(path);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"
                             "Record identifier,Record Type,Sheet Number,Surname,"
                             "Other Names in Full,"));
    QVERIFY(bytes.contains(QString("\r\n2,O, ,陳,B,").toUtf8()));
    QVERIFY(bytes.contains(",\"1,234,567\",")); // as stored, grouped
}

void TestTransferScreen::exportOffersWorkbookFirst_data() {
    QTest::addColumn<int>("key");          // the command's mnemonic
    QTest::addColumn<QString>("proposed"); // the name the dialog proposes
    QTest::addColumn<QString>("chosen");   // the name the user gives
    QTest::addColumn<int>("rows");         // of the workbook's first sheet; 0: a CSV file
    QTest::addColumn<QString>("result");
    QTest::newRow("records as a workbook") << int(Qt::Key_E) << "records.xlsx"
                                           << "out.xlsx" << 3 << "2 records exported to %1.";
    QTest::newRow("records as CSV by the name") << int(Qt::Key_E) << "records.xlsx"
                                                << "out.csv" << 0 << "2 records exported to %1.";
    QTest::newRow("template as a workbook") << int(Qt::Key_M) << "template.xlsx"
                                            << "blank.XLSX" << 2 << "Template written to %1.";
    QTest::newRow("template as CSV by the name") << int(Qt::Key_M) << "template.xlsx"
                                                 << "blank.csv" << 0 << "Template written to %1.";
}

void TestTransferScreen::exportOffersWorkbookFirst() {
    QFETCH(int, key);
    QFETCH(QString, proposed);
    QFETCH(QString, chosen);
    QFETCH(int, rows);
    QFETCH(QString, result);
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "ALPHA", "A"), completeRecord(2, "BETA", "B")}));
    const QString path = editor.db.folder.file(chosen);
    editor.services.fileAnswers << path;
    QSignalSpy reported(editor.screen.get(), &RecordEditor::resultReported);
    editor.press(Qt::Key(key));
    QTRY_COMPARE(reported.size(), 1);
    QCOMPARE(reported.first().at(0).toString(), result.arg(path));
    QCOMPARE(QFileInfo(editor.services.proposedFiles.last()).fileName(), proposed);
    QCOMPARE(editor.services.fileFilters.last(),
             "Excel workbooks (*.xlsx);;CSV files (*.csv);;All files (*)");
    if (rows == 0) {
        QVERIFY(fileBytes(path).startsWith("\xEF\xBB\xBF"));
        return;
    }
    QCOMPARE(workbookcheck::worksheetRows(path).value("xl/worksheets/sheet1.xml"), rows);
    QCOMPARE(QFile::permissions(path) & 0x0077, QFileDevice::Permissions()); // the user's alone
}

QTEST_MAIN(TestTransferScreen)
#include "tst_transfer_screen.moc"
