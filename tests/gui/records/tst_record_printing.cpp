// Printing records: the XW73D form read back from PDF with every value of the record, Print
// of the current record and Print All of the original records through the editor, and the
// offer of a PDF when no printer takes the pages.
#include "core/records/record_form.h"
#include "gui/reports/report_output.h"
#include "store/records/record_report.h"
#include "store/records/report_rows.h"
#include "support/editor_screen.h"
#include "support/pdf_text.h"
#include "support/scripted_printing.h"

#include "gui/records/command_links.h"

#include <QSignalSpy>

namespace {

const QStringList incomeItems{"a", "b", "c", "d",  "e",  "f",  "g",
                              "h", "i", "j", "k1", "k2", "k3", "l"};

// Income columns by item: "aIncome" but "kIncome1".
QString incomeColumn(const QString& item, const char* kind) {
    return item.startsWith(u'k') ? "k" + QLatin1String(kind) + item.mid(1)
                                 : item + QLatin1String(kind);
}

// A period and an amount of its own for every income item; the amounts add up to 1,247,788.
QStringList incomes() {
    QStringList entries;
    for (int i = 0; i < incomeItems.size(); ++i) {
        entries << incomeColumn(incomeItems[i], "Period") + "=200004" + QString::number(10 + i) +
                       " - 2001033" + QString::number(i % 2);
        entries << incomeColumn(incomeItems[i], "Income") + "=" +
                       (i == 0 ? QStringLiteral("1,234,567") : "1,0" + QString::number(10 + i));
    }
    return entries;
}

// A record with every column holding a value of its own.
QStringList fullRecord() {
    QStringList record{"ID=7",
                       "Status=O",
                       "SheetNo=3",
                       "Surname=CHAN",
                       "FirstName=TAI MAN",
                       "ChineseName=陳大文",
                       "HKID=A123456",
                       "ChkDigit=7",
                       "Sex=M",
                       "MStatus=2",
                       "Passport=P1234567 UNITED KINGDOM",
                       "SpouseName=WONG MEI LING",
                       "SpouseHKID=B765432",
                       "SpouseChkDigit=A",
                       "SpousePassport=S7654321 CANADA",
                       "RAreaCode=K",
                       "RAddress1=FLAT A 1/F",
                       "RAddress2=1 NATHAN ROAD",
                       "CAddress=PO BOX 1234",
                       "Capacity=CLERK",
                       "PEmployer=ABC HOLDINGS",
                       "EDay1=01",
                       "EMonth1=04",
                       "EYear1=2000",
                       "EDay2=31",
                       "EMonth2=03",
                       "EYear2=2001",
                       "kNature1=HOUSING ALLOWANCE",
                       "kNature2=MEAL ALLOWANCE",
                       "kNature3=TRAVEL ALLOWANCE",
                       "QFlag=1",
                       "Q1Address1=FLAT B 2/F",
                       "Q1Address2=2 QUEEN ROAD",
                       "Q1Nature=FLAT",
                       "Q1Period=20000401 - 20001231",
                       "Q1Rent1=11,000",
                       "Q1Rent2=12,000",
                       "Q1Rent3=13,000",
                       "Q1Rent4=14,000",
                       "Q2Address1=FLAT C 3/F",
                       "Q2Address2=3 KING ROAD",
                       "Q2Nature=HOSTEL",
                       "Q2Period=20010101 - 20010331",
                       "Q2Rent1=21,000",
                       "Q2Rent2=22,000",
                       "Q2Rent3=23,000",
                       "Q2Rent4=24,000",
                       "OSeaFlag=1",
                       "OSeaAmount=50000",
                       "OSeaName=OVERSEAS CO LTD",
                       "OSeaAddress=1 HIGH STREET LONDON",
                       "FileNo=1234567890123",
                       "Remark=NOTHING TO ADD"};
    return record + incomes();
}

// Columns shown in words, or joined with others, rather than as they are stored.
const QHash<QString, QString> shownAs{
    {"Status", "Original"},           {"MStatus", "Married"},     {"RAreaCode", "Kowloon"},
    {"HKID", "A123456(7)"},           {"ChkDigit", "A123456(7)"}, {"SpouseHKID", "B765432(A)"},
    {"SpouseChkDigit", "B765432(A)"}, {"EDay1", "01/04/2000"},    {"EMonth1", "01/04/2000"},
    {"EYear1", "01/04/2000"},         {"EDay2", "31/03/2001"},    {"EMonth2", "31/03/2001"},
    {"EYear2", "31/03/2001"},         {"QFlag", "Yes"},           {"OSeaFlag", "Yes"},
    {"OSeaAmount", "50,000"}};

// An income period typed year first, "20000410 - 20010330", is printed as the period of
// employment is: "10/04/2000 - 30/03/2001".
QString printedPeriod(const QString& typed) {
    QStringList dates;
    for (const QString& date : typed.split(" - "))
        dates << QDate::fromString(date, "yyyyMMdd").toString("dd/MM/yyyy");
    return dates.join(" - ");
}

void setEmployer(WorkingDatabase& db) {
    db.state.db().exec(QStringLiteral(
        "update employer set ReturnYear = '2001', Session = 'B', BRN = '12345678', "
        "Name = 'ABC TRADING LTD', Designation = 'MANAGER', SubmissionDate = '30042001'"));
}

} // namespace

class RecordPrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void formShowsEveryValue_data();
    void formShowsEveryValue();
    void formFitsOnePage();
    void printAllPreviewsTheOriginalsInSheetOrder_data();
    void printAllPreviewsTheOriginalsInSheetOrder();
    void printSendsTheCurrentRecord_data();
    void printSendsTheCurrentRecord();
    void previewShowsTheCurrentRecord_data();
    void previewShowsTheCurrentRecord();

private:
    QString m_formText;
};

// One record's form is written to PDF once; each row below looks for one value in its text.
void RecordPrintingTest::initTestCase() {
    WorkingDatabase db;
    setEmployer(db);
    db.addRecord(fullRecord());
    const auto report = RecordReport::recordWithId(db.state.db(), 7);
    QCOMPARE(report->pageCount(), 1);
    const QString pdf = db.folder.file("form.pdf");
    QCOMPARE(report::writePdf(*report, report::PageRange::all(*report), pdf).outcome,
             report::Outcome::Complete);
    QCOMPARE(pdfPageCount(pdf), 1);
    m_formText = pdfText(pdf);
}

void RecordPrintingTest::formShowsEveryValue_data() {
    QTest::addColumn<QString>("shown");
    for (const QString& entry : fullRecord()) {
        const auto [column, value] = columnAndValue(entry);
        const bool incomePeriod = column.contains("Period") && !column.startsWith(u'Q');
        if (column != "ID")
            QTest::newRow(qPrintable(column))
                << (incomePeriod ? printedPeriod(value) : shownAs.value(column, value));
    }
    QTest::newRow("total") << "1,247,788";
    QTest::newRow("category without ligatures") << "i. Education benefits";
    QTest::newRow("return year") << "1 April 2000 to 31 March 2001";
    QTest::newRow("employer") << "ABC TRADING LTD";
    QTest::newRow("file number") << "6B1-12345678";
    QTest::newRow("designation") << "MANAGER";
    QTest::newRow("submission date") << "30/04/2001";
}

void RecordPrintingTest::formShowsEveryValue() {
    QFETCH(QString, shown);
    QVERIFY2(m_formText.contains(shown), qPrintable(shown + " missing from:\n" + m_formText));
}

// Every box of a form with every item stays inside the paper's margins.
void RecordPrintingTest::formFitsOnePage() {
    const report::Page page =
        xw73dform::formPage(emptyRow(employeeColumns()), emptyRow(employerColumns()));
    const QRectF paper(0, 0, report::a4Width, report::a4Height);
    for (const QRectF& box : page.boxes)
        QVERIFY(paper.adjusted(11, 11, -11, -11).contains(box));
    QVERIFY(!page.texts.isEmpty());
}

void RecordPrintingTest::printAllPreviewsTheOriginalsInSheetOrder_data() {
    QTest::addColumn<bool>("withOriginals");
    QTest::addColumn<bool>("answer");
    QTest::newRow("five originals, yes") << true << true;
    QTest::newRow("five originals, no keeps the numbering") << true << false;
    QTest::newRow("no original record") << false << true;
}

void RecordPrintingTest::printAllPreviewsTheOriginalsInSheetOrder() {
    QFETCH(bool, withOriginals);
    QFETCH(bool, answer);
    EditorScreen editor;
    ScriptedPrinting printing(editor.db.folder.path());
    QList<QStringList> records{record("ID=6", "Status=R", "SheetNo=7", "Surname=CHEUNGR"),
                               record("ID=7", "Status=S", "SheetNo=2", "Surname=HOSUPP"),
                               record("ID=8", "Status=R", "SheetNo=1", "Surname=ABBOTR")};
    const QStringList surnames{"WONGSIR", "channing", "LEUNGKA", "AUYEUNG", "MAKWAI"};
    for (int i = 0; withOriginals && i < surnames.size(); ++i)
        records << original(i + 1, surnames[i], "X");
    QVERIFY(editor.open(records));
    editor.services.answers = {answer};
    QSignalSpy results(editor.screen.get(), &RecordEditor::resultReported);
    click(editor.control<QPushButton>("cPrintAll"));
    const int count = withOriginals ? 5 : 0;
    QCOMPARE(editor.services.texts(),
             QStringList{QString("Total number of original XW73Ds is %1. Go to next screen for "
                                 "printing?")
                             .arg(count)});
    if (withOriginals)
        QCOMPARE(editor.db.column("SheetNo"),
                 (QStringList{"5", "2", "3", "1", "4", "7", "2", "1"}));
    QCOMPARE(printing.previews.size(), answer ? 1 : 0);
    if (!answer)
        return;
    const report::Report& preview = *printing.previews.first();
    QCOMPARE(preview.pageCount(), count);
    QCOMPARE(printing.previewPdfNames, QStringList{"XW73D 2001 all originals.pdf"});
    QCOMPARE(results.size(), 0);
    printing.previewSaved.first()("/home/clerk/Documents/all.pdf", count);
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first(),
             (QVariantList{QString("%1 pages saved to /home/clerk/Documents/all.pdf.").arg(count),
                           "/home/clerk/Documents"}));
    if (count == 0)
        return;
    const QString pdf = editor.db.folder.file("all.pdf");
    QCOMPARE(report::writePdf(preview, report::PageRange::all(preview), pdf).outcome,
             report::Outcome::Complete);
    const QStringList pages = pdfPages(pdf);
    const QStringList inSheetOrder{"AUYEUNG", "channing", "LEUNGKA", "MAKWAI", "WONGSIR"};
    QCOMPARE(pages.size(), 5);
    for (int i = 0; i < 5; ++i)
        QVERIFY2(pages[i].contains(inSheetOrder[i]), qPrintable(pages[i]));
}

void RecordPrintingTest::printSendsTheCurrentRecord_data() {
    QTest::addColumn<bool>("printer");        // one is installed
    QTest::addColumn<bool>("refuses");        // it refuses the job
    QTest::addColumn<QList<bool>>("answers"); // to the confirmations, in order
    QTest::addColumn<QString>("saveAs");      // the file dialog's answer
    QTest::addColumn<QStringList>("errors");  // the error boxes shown
    QTest::addColumn<bool>("output");         // the pages came out, printed or saved
    QTest::addColumn<QString>("told");        // what the status line is told; "" for nothing
    const QString noPrinter = "No printer is installed, so the pages cannot be printed.";
    const QString refused = "The printer did not accept the pages, so they were not printed.";
    QTest::newRow("yes prints") << true << false << QList<bool>{true} << "" << QStringList{} << true
                                << "The XW73D of CHANNING A was sent to the printer.";
    QTest::newRow("no prints nothing")
        << true << false << QList<bool>{false} << "" << QStringList{} << false << "";
    QTest::newRow("no printer, saved as PDF")
        << false << false << QList<bool>{true, true} << "instead.pdf" << QStringList{noPrinter}
        << true << "1 page saved to FOLDER/instead.pdf.";
    QTest::newRow("refused, PDF declined")
        << true << true << QList<bool>{true, false} << "" << QStringList{refused} << false << "";
    QTest::newRow("refused, file dialog cancelled")
        << true << true << QList<bool>{true, true} << "" << QStringList{refused} << false << "";
}

void RecordPrintingTest::printSendsTheCurrentRecord() {
    QFETCH(bool, printer);
    QFETCH(bool, refuses);
    QFETCH(QList<bool>, answers);
    QFETCH(QString, saveAs);
    QFETCH(QStringList, errors);
    QFETCH(bool, output);
    QFETCH(QString, told);
    EditorScreen editor;
    ScriptedPrinting printing(editor.db.folder.path());
    printing.printerInstalled = printer;
    printing.refuseJobs = refuses;
    QVERIFY(editor.open({original(1, "CHANNING", "A"), original(2, "AUYEUNG", "B")}));
    editor.db.state.db().exec("update employee set SheetNo = '2' where ID = 1");
    editor.arrow("nextButton")->click(); // CHANNING, the second in name order
    editor.services.answers = answers;
    editor.services.documents = editor.db.folder.path();
    QSignalSpy results(editor.screen.get(), &RecordEditor::resultReported);
    if (!saveAs.isEmpty())
        editor.services.fileAnswers << editor.db.folder.file(saveAs);
    click(editor.control<QPushButton>("cPrint"));
    QCOMPARE(editor.services.boxes.first().text,
             QStringLiteral("Do you want to print the XW73D of the current record?"));
    QStringList shownErrors;
    for (const ScriptedServices::Box& box : editor.services.boxes)
        if (box.kind == platform::BoxKind::Error)
            shownErrors << box.text;
    QCOMPARE(shownErrors, errors);
    const QString pdf =
        saveAs.isEmpty() ? printing.jobs.value(0).pdf : editor.db.folder.file(saveAs);
    QCOMPARE(!pdf.isEmpty() && QFile::exists(pdf), output);
    // The file dialog, when it opens, proposes the form's own name in the documents folder.
    const bool fileDialogShown = answers.size() == 2 && answers[1];
    QCOMPARE(editor.services.proposedFiles,
             fileDialogShown ? QStringList{editor.db.folder.file("0002 CHANNING A.pdf")}
                             : QStringList{});
    QCOMPARE(results.size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty())
        QCOMPARE(results.first(),
                 (QVariantList{told.replace("FOLDER", editor.db.folder.path()),
                               saveAs.isEmpty() ? QString() : editor.db.folder.path()}));
    if (!output)
        return;
    const QStringList pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages[0].contains("CHANNING") && !pages[0].contains("AUYEUNG"));
}

void RecordPrintingTest::previewShowsTheCurrentRecord_data() {
    QTest::addColumn<bool>("editing"); // a change is typed into the record first
    QTest::newRow("valid: a saved record while browsing") << false;
    QTest::newRow("invalid: while editing, only a beep") << true;
}

// The form of the current record in the preview, offered as a PDF named after it, and a PDF
// saved from there told in the status line with its folder.
void RecordPrintingTest::previewShowsTheCurrentRecord() {
    QFETCH(bool, editing);
    EditorScreen editor;
    ScriptedPrinting printing(editor.db.folder.path());
    QVERIFY(editor.open({original(1, "CHANNING", "A"), original(2, "AUYEUNG", "B")}));
    editor.db.state.db().exec("update employee set SheetNo = '12' where ID = 1");
    editor.arrow("nextButton")->click();
    if (editing)
        editor.retype(editor->field("FirstName"), "ALAN");
    QSignalSpy results(editor.screen.get(), &RecordEditor::resultReported);
    // The menu's item is off while a record is edited, so only a direct call reaches the check.
    if (editing)
        previewCurrentRecord(*editor.screen);
    else
        press(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(editor.services.beeps, editing ? 1 : 0);
    QCOMPARE(printing.previews.size(), editing ? 0 : 1);
    QCOMPARE(editor.services.boxes.size(), 0);
    if (editing)
        return;
    QCOMPARE(printing.previewPdfNames, QStringList{"0012 CHANNING A.pdf"});
    const report::Report& preview = *printing.previews.first();
    const QString pdf = editor.db.folder.file("preview.pdf");
    QCOMPARE(report::writePdf(preview, report::PageRange::all(preview), pdf).outcome,
             report::Outcome::Complete);
    const QStringList pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages[0].contains("CHANNING") && !pages[0].contains("AUYEUNG"));
    printing.previewSaved.first()(pdf, 1);
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first(),
             (QVariantList{"1 page saved to " + pdf + ".", editor.db.folder.path()}));
}

QTEST_MAIN(RecordPrintingTest)
#include "tst_record_printing.moc"
