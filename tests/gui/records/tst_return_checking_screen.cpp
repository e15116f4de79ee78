#include "gui/records/problem_list_window.h"
#include "gui/reports/report_output.h"
#include "support/editor_screen.h"
#include "support/pdf_text.h"
#include "support/scripted_printing.h"
#include "support/submission_setup.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

const QStringList employer2001{"Session=A",       "BRN=12345676",
                               "ReturnYear=2001", "SubmissionDate=30042001",
                               "Name=ABC LTD",    "Designation=MANAGER"};

// The columns of a line of the list.
enum {
    Severity,
    Code,
    Sheet,
    Type,
    Surname,
    OtherNames,
    Identity,
    Page,
    Field,
    Value,
    Problem,
    Fix
};

QTreeWidgetItem* lineOf(QTreeWidget* list, const QString& surname, const QString& message) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (item->text(Surname) == surname && item->text(Problem).startsWith(message))
            return item;
    }
    return nullptr;
}

QStringList headerOf(QTreeWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->columnCount(); ++i)
        texts << list->headerItem()->text(i);
    return texts;
}

} // namespace

class TestReturnCheckingScreen : public QObject {
    Q_OBJECT
private slots:
    void problemLeadsToRecordPageAndField_data();
    void problemLeadsToRecordPageAndField();
    void listNamesRecordsBySheetAndNames();
    void escAndCloseLeaveTheList_data();
    void escAndCloseLeaveTheList();
    void checkAgainShowsTheReturnAsItIsNow();
    void listIsPrintedAndSavedAsCsv();
    void cleanReturnSaysSo();

private:
    ProblemListWindow* openList(EditorScreen& editor);
};

// Three records, two of them with a problem: BETA (sheet 7) has no capacity, GAMMA (sheet 8)
// says a place of residence was provided but gives none.
ProblemListWindow* TestReturnCheckingScreen::openList(EditorScreen& editor) {
    setEmployer(editor.db, employer2001);
    if (!editor.open({completeRecord(1, "ALPHA", "A"),
                      completeRecord(2, "BETA", "B") + QStringList{"Capacity=", "SheetNo=7"},
                      completeRecord(3, "GAMMA", "C") + QStringList{"QFlag=1", "SheetNo=8"}}))
        return nullptr;
    editor.press(Qt::Key_K); // "Chec&k all records"
    ProblemListWindow* window = nullptr;
    const bool shown = QTest::qWaitFor([&] {
        window = editor->findChild<ProblemListWindow*>();
        return window && window->isVisible();
    });
    // Keys go to the list only once the window manager has made it the active window.
    window->activateWindow();
    const bool active =
        QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    return shown && active ? window : nullptr;
}

void TestReturnCheckingScreen::problemLeadsToRecordPageAndField_data() {
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Enter on a page-3 problem")
        << false << "GAMMA"
        << "3"
        << "Please enter address of Place of Residence." << 3 << "tPage3(0)";
    QTest::newRow("double-click on a page-1 problem")
        << true << "BETA"
        << "2"
        << "Please enter capacity." << 1 << "tPage1(8)";
}

void TestReturnCheckingScreen::problemLeadsToRecordPageAndField() {
    QFETCH(bool, doubleClick);
    QFETCH(QString, surname);
    QFETCH(QString, id);
    QFETCH(QString, message);
    QFETCH(int, page);
    QFETCH(QString, focus);
    EditorScreen editor;
    ProblemListWindow* window = openList(editor);
    QVERIFY(window);
    QCOMPARE(window->problemCount(), 2);
    QCOMPARE(window->windowTitle(), "Check all records: 2 problems");
    QTreeWidget* list = window->list();
    QTreeWidgetItem* line = lineOf(list, surname, message);
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

// A line names the record as the user knows it and the field by its caption; the record's
// internal identifier is shown nowhere.
void TestReturnCheckingScreen::listNamesRecordsBySheetAndNames() {
    EditorScreen editor;
    ProblemListWindow* window = openList(editor);
    QVERIFY(window);
    QTreeWidget* list = window->list();
    QCOMPARE(headerOf(list), (QStringList{"Severity", "Code", "Sheet Number", "Type", "Surname",
                                          "Other Names in Full", "H.K. Identity Card Number",
                                          "Page", "Field", "Value", "Problem", "How to fix it"}));
    QTreeWidgetItem* beta = lineOf(list, "BETA", "Please enter capacity.");
    QVERIFY(beta);
    QCOMPARE(beta->text(Sheet), "7");
    QCOMPARE(beta->text(OtherNames), "B");
    QCOMPARE(beta->text(Page), "1");
    QCOMPARE(beta->text(Field), "Capacity in which employed");
    QCOMPARE(beta->text(Severity), "error");
    QCOMPARE(beta->text(Code), "XW-P1-007");
    QCOMPARE(beta->text(Type), "O");
    QCOMPARE(beta->text(Fix), "Type the capacity in which the employee is employed.");
    QTreeWidgetItem* gamma = lineOf(list, "GAMMA", "Please enter address");
    QVERIFY(gamma);
    QCOMPARE(gamma->text(Field), "Address 1, line 1");
    QCOMPARE(list->topLevelItem(0), beta); // in name order
    // Sorted by sheet number, from the last: GAMMA's 8 before BETA's 7.
    list->header()->setSortIndicator(Sheet, Qt::DescendingOrder);
    QCOMPARE(list->topLevelItem(0), gamma);
}

void TestReturnCheckingScreen::escAndCloseLeaveTheList_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Alt+C, Close") << int(Qt::Key_C) << int(Qt::AltModifier);
}

void TestReturnCheckingScreen::escAndCloseLeaveTheList() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    EditorScreen editor;
    ProblemListWindow* window = openList(editor);
    QVERIFY(window);
    QTRY_VERIFY(window->list()->hasFocus());
    QTest::keyClick(window->list(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY(!window->isVisible());
    QVERIFY(editor->isVisible());
}

void TestReturnCheckingScreen::checkAgainShowsTheReturnAsItIsNow() {
    EditorScreen editor;
    ProblemListWindow* window = openList(editor);
    QVERIFY(window);
    editor.db.state.db().exec("update employee set Capacity = 'CLERK' where Surname = 'BETA'");
    QTest::keyClick(window->list(), Qt::Key_A, Qt::AltModifier); // "Check &again"
    QTRY_COMPARE(window->problemCount(), 1); // a mnemonic clicks the button a moment later
    QCOMPARE(window->windowTitle(), "Check all records: 1 problem");
    QVERIFY(!lineOf(window->list(), "BETA", "Please enter capacity."));
    QCOMPARE(editor->findChildren<ProblemListWindow*>().size(), 1);
}

// Print shows the list in the preview, from which it is printed or saved; Save as CSV writes the
// same lines, in the order the list shows them, into the file chosen and tells where.
void TestReturnCheckingScreen::listIsPrintedAndSavedAsCsv() {
    EditorScreen editor;
    ScriptedPrinting printing(editor.db.folder.path());
    ProblemListWindow* window = openList(editor);
    QVERIFY(window);
    QTest::keyClick(window->list(), Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(printing.previews.size(), 1);
    const QString pdf = editor.db.folder.file("problems.pdf");
    QCOMPARE(report::writePdf(*printing.previews.first(),
                              report::PageRange::all(*printing.previews.first()), pdf)
                 .outcome,
             report::Outcome::Complete);
    const QString printed = pdfText(pdf);
    for (const char* text :
         {"Check all records: 2 problems", "2 errors, no warning, no hint",
          "Problem and how to fix it", "BETA", "XW-P1-007", "p.1 Capacity in",
          "Please enter capacity.", "Control totals", "All income", "Page 1 of 1"})
        QVERIFY2(printed.contains(text), text);

    // Saved in the order the list shows: here by sheet number, from the last.
    window->list()->header()->setSortIndicator(Sheet, Qt::DescendingOrder);
    const QString csv = editor.db.folder.file("problems.csv");
    editor.services.fileAnswers << csv;
    QSignalSpy reported(editor.screen.get(), &RecordEditor::resultReported);
    QTest::keyClick(window->list(), Qt::Key_S, Qt::AltModifier); // "Save as C&SV..."
    QTRY_COMPARE(reported.size(), 1);
    const QString written = QString::fromUtf8(fileBytes(csv));
    const QStringList lines = written.split(QStringLiteral("\r\n"));
    const qsizetype header = lines.indexOf(
        "Severity,Code,Sheet Number,Type,Surname,Other Names in Full,H.K. Identity Card Number,"
        "Page,Field,Value,Problem,How to fix it");
    QVERIFY2(header > 0, qPrintable(written));
    QVERIFY2(lines.value(header + 1).startsWith("error,XW-P3-002,8,O,GAMMA,C,"),
             qPrintable(written));
    QVERIFY2(lines.value(header + 2).startsWith("error,XW-P1-007,7,O,BETA,B,"),
             qPrintable(written));
    QVERIFY(lines.contains("Errors,2"));
    QVERIFY(
        lines.filter(QRegularExpression("^,Original records the save carries,[0-9]+$")).size() ==
        1);
    QCOMPARE(reported.first().at(1).toString(), editor.db.folder.path());
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
    // The control totals are worth printing even so.
    QVERIFY(window->findChild<QPushButton*>("cPrintProblems")->isEnabled());
}

QTEST_MAIN(TestReturnCheckingScreen)
#include "tst_return_checking_screen.moc"
