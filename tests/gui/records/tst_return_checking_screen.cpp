#include "gui/import/import_dry_run_window.h"
#include "gui/records/problem_list_window.h"
#include "support/editor_screen.h"
#include "support/submission_setup.h"

#include <QTreeWidget>

namespace {

const QStringList employer2001{"Session=A",       "BRN=12345676",
                               "ReturnYear=2001", "SubmissionDate=30042001",
                               "Name=ABC LTD",    "Designation=MANAGER"};

QTreeWidgetItem* lineOf(QTreeWidget* list, const QString& id, const QString& message) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (item->text(0) == id && item->text(4).startsWith(message))
            return item;
    }
    return nullptr;
}

} // namespace

class TestReturnCheckingScreen : public QObject {
    Q_OBJECT
private slots:
    void problemLeadsToRecordPageAndField_data();
    void problemLeadsToRecordPageAndField();
    void cleanReturnSaysSo();
    void importThroughDryRunReloadsEditor();
    void oversizedImportIsRefusedWithItsReason();
    void exportWritesEveryRecord();
};

void TestReturnCheckingScreen::problemLeadsToRecordPageAndField_data() {
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Enter on a page-3 problem")
        << false << "3"
        << "Please enter address of Place of Residence." << 3 << "tPage3(0)";
    QTest::newRow("double-click on a page-1 problem")
        << true << "2"
        << "Please enter capacity." << 1 << "tPage1(8)";
}

void TestReturnCheckingScreen::problemLeadsToRecordPageAndField() {
    QFETCH(bool, doubleClick);
    QFETCH(QString, id);
    QFETCH(QString, message);
    QFETCH(int, page);
    QFETCH(QString, focus);
    EditorScreen editor;
    setEmployer(editor.db, employer2001);
    QVERIFY(editor.open({completeRecord(1, "ALPHA", "A"),
                         completeRecord(2, "BETA", "B") + QStringList{"Capacity="},
                         completeRecord(3, "GAMMA", "C") + QStringList{"QFlag=1"}}));
    editor.press(Qt::Key_K); // "Chec&k all records"
    ProblemListWindow* window = nullptr;
    QTRY_VERIFY((window = editor->findChild<ProblemListWindow*>()) && window->isVisible());
    QCOMPARE(window->problemCount(), 2);
    QCOMPARE(window->windowTitle(), "Check all records: 2 problems");
    QTreeWidget* list = window->list();
    QTreeWidgetItem* line = lineOf(list, id, message);
    QVERIFY(line);
    list->setCurrentItem(line);
    const QPoint point = list->visualItemRect(line).center();
    if (doubleClick) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
    } else
        QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(activate(editor.screen.get()));
    QCOMPARE(editor->records().value("ID").toString(), id);
    QVERIFY(editor->isPageVisible(page));
    QTRY_COMPARE(focusName(), focus);
}

void TestReturnCheckingScreen::cleanReturnSaysSo() {
    EditorScreen editor;
    setEmployer(editor.db, employer2001);
    QVERIFY(editor.open({completeRecord(1, "ALPHA", "A")}));
    click(editor.control<QPushButton>("cCheckAll"));
    auto* window = editor->findChild<ProblemListWindow*>();
    QCOMPARE(window->windowTitle(), "Check all records: 0 problems");
    QCOMPARE(window->findChild<QLabel*>("lblProblems")->text(),
             "No problem was found in the return.");
    QVERIFY(!window->list()->isVisible());
}

void TestReturnCheckingScreen::importThroughDryRunReloadsEditor() {
    EditorScreen editor;
    setEmployer(editor.db, employer2001);
    QVERIFY(editor.open({completeRecord(1, "ALPHA", "A")}));
    const QString path = editor.db.folder.file("in.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Surname,FirstName,Sex,RAddress1,RAreaCode,Capacity,EDay1,EMonth1,EYear1,EDay2,"
               "EMonth2,EYear2,QFlag,OSeaFlag\r\n"
               "delta,D,m,1 Main St,h,Clerk,1,4,2000,31,3,2001,0,0\r\n"
               "EPSILON,E,M,1 Main St,H,,01,04,2000,31,03,2001,0,0\r\n");
    file.close();
    editor.services.fileAnswers << path;
    click(editor.control<QPushButton>("cImport"));
    auto* dryRun = editor->findChild<ImportDryRunWindow*>();
    QVERIFY(dryRun && dryRun->isVisible());
    QCOMPARE(dryRun->list()->topLevelItemCount(), 1); // EPSILON has no capacity
    click(dryRun->findChild<QPushButton*>("cImportClean"));
    QCOMPARE(editor.services.lastText(), "1 records imported.");
    QCOMPARE(editor->records().count(), 2);
    QCOMPARE(editor.db.column("Surname"), (QStringList{"ALPHA", "DELTA"}));
    QVERIFY(editor.isIn(CommandState::Browsing));
}

// A file beyond the size one import takes is refused with its reason before any dry run opens.
void TestReturnCheckingScreen::oversizedImportIsRefusedWithItsReason() {
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

void TestReturnCheckingScreen::exportWritesEveryRecord() {
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "ALPHA", "A"), completeRecord(2, "陳", "B")}));
    const QString path = editor.db.folder.file("out.csv");
    editor.services.fileAnswers << path;
    editor.press(Qt::Key_E); // "&Export..."
    QTRY_COMPARE(editor.services.lastText(), "2 records exported.");
    const QByteArray bytes = fileBytes(path);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"
                             "ID,Status,SheetNo,Surname,"));
    QVERIFY(bytes.contains(QString("\r\n2,O, ,陳,B,").toUtf8()));
}

QTEST_MAIN(TestReturnCheckingScreen)
#include "tst_return_checking_screen.moc"
