// Export forms as PDF files from the editor: the choice of forms, the folder, one PDF per record
// named after its sheet number and names, each holding that record's form, and a file of the
// same name replaced only when the user agrees.
#include "gui/reports/form_export.h"
#include "store/records/record_report.h"
#include "support/editor_screen.h"
#include "support/pdf_text.h"

#include <QImage>

#include <QProgressDialog>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

namespace {

// Three originals, one replacement and one supplementary record, each with its own total.
QList<QStringList> records() {
    return {completeRecord(1, "WONG", "SIU MING") << "aIncome=120,000",
            completeRecord(2, "CHAN", "TAI MAN") << "aIncome=240,000"
                                                 << "bIncome=10,000",
            completeRecord(3, "LEE", "KA YAN") << "aIncome=99,999",
            QStringList{"ID=4", "Status=R", "SheetNo=2", "Surname=HO", "FirstName=KIN",
                        "aIncome=5,000"},
            QStringList{"ID=5", "Status=S", "SheetNo=7", "Surname=AU", "FirstName=MAN",
                        "aIncome=1,234,567"}};
}

// File name and the surname and total its form must show.
using Expected = QList<QStringList>;

const Expected originals{{"0001 CHAN TAI MAN.pdf", "CHAN", "250,000"},
                         {"0002 LEE KA YAN.pdf", "LEE", "99,999"},
                         {"0003 WONG SIU MING.pdf", "WONG", "120,000"}};
const Expected others{{"0002 HO KIN (Replacement).pdf", "HO", "5,000"},
                      {"0007 AU MAN (Supplementary).pdf", "AU", "1,234,567"}};

// The first page of a PDF as poppler draws it, in shades of grey.
QImage drawnPage(const QString& pdf) {
    QProcess draw;
    draw.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-gray"),
                QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, pdf});
    draw.waitForFinished(60000);
    return QImage(pdf + QStringLiteral(".png"));
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

} // namespace

class FormExportTest : public QObject {
    Q_OBJECT
private slots:
    void exportWritesOnePdfPerRecord_data();
    void exportWritesOnePdfPerRecord();
    void cancelLeavesOnlyWholeFiles();
    void exportedFormLooksAsPrinted();
};

void FormExportTest::exportWritesOnePdfPerRecord_data() {
    QTest::addColumn<QList<int>>("choices");  // the choice of forms; none left is a cancel
    QTest::addColumn<bool>("folderChosen");   // false: the folder dialog is cancelled
    QTest::addColumn<bool>("olderFile");      // the folder holds a file of one of the names
    QTest::addColumn<QList<bool>>("answers"); // to the question whether to replace it
    QTest::addColumn<Expected>("written");
    QTest::newRow("all originals in sheet order")
        << QList<int>{0} << true << false << QList<bool>{} << originals;
    QTest::newRow("every record") << QList<int>{1} << true << false << QList<bool>{}
                                  << originals + others;
    QTest::newRow("a file of that name, replaced")
        << QList<int>{0} << true << true << QList<bool>{true} << originals;
    QTest::newRow("a file of that name, kept: nothing written")
        << QList<int>{0} << true << true << QList<bool>{false} << Expected{};
    QTest::newRow("choice cancelled")
        << QList<int>{} << true << false << QList<bool>{} << Expected{};
    QTest::newRow("folder dialog cancelled")
        << QList<int>{0} << false << false << QList<bool>{} << Expected{};
}

void FormExportTest::exportWritesOnePdfPerRecord() {
    QFETCH(QList<int>, choices);
    QFETCH(bool, folderChosen);
    QFETCH(bool, olderFile);
    QFETCH(QList<bool>, answers);
    QFETCH(Expected, written);
    EditorScreen editor;
    QVERIFY(editor.open(records()));
    TempFolder documents;
    TempFolder target;
    editor.services.documents = documents.path();
    editor.services.choiceAnswers = choices;
    editor.services.answers = answers;
    if (folderChosen)
        editor.services.folderAnswers << target.path();
    const QString older = target.file("0002 LEE KA YAN.pdf");
    if (olderFile)
        QVERIFY(createFiles(target.path(), {"0002 LEE KA YAN.pdf"}));
    QSignalSpy results(editor.screen.get(), &RecordEditor::resultReported);
    emit editor->exportFormsRequested();

    QCOMPARE(editor.services.questions.size(), 1);
    QVERIFY(editor.services.questions.first().contains("All original records, in sheet order"));
    QCOMPARE(editor.services.proposedFolders,
             choices.isEmpty() ? QStringList{} : QStringList{documents.path()});
    QStringList confirmations;
    for (const ScriptedServices::Box& box : editor.services.boxes)
        confirmations << box.text;
    QCOMPARE(confirmations,
             olderFile ? QStringList{"1 of the files to be written are in " + target.path() +
                                     " already, \"0002 LEE KA YAN.pdf\" among them. Do you want "
                                     "to replace them?"}
                       : QStringList{});
    QStringList names;
    for (const QStringList& form : written)
        names << form[0];
    QStringList expectedEntries = names;
    if (olderFile && written.isEmpty())
        expectedEntries << "0002 LEE KA YAN.pdf";
    expectedEntries.sort();
    QCOMPARE(entriesIn(target.path()), expectedEntries);
    for (const QStringList& form : written) {
        const QStringList pages = pdfPages(target.file(form[0]));
        QCOMPARE(pages.size(), 1);
        QVERIFY2(pages[0].contains(form[1]) && pages[0].contains(form[2]),
                 qPrintable(form[0] + ":\n" + pages[0]));
    }
    if (olderFile && written.isEmpty())
        QCOMPARE(fileText(older), QString());
    QCOMPARE(results.size(), written.isEmpty() ? 0 : 1);
    if (!written.isEmpty())
        QCOMPARE(
            results.first(),
            (QVariantList{QString("%1 forms saved to %2.").arg(written.size()).arg(target.path()),
                          target.path()}));
}

// Cancel in the progress dialog as soon as it exists: the files begun are finished, no further
// one is begun, and the status line says how many of how many are in the folder.
void FormExportTest::cancelLeavesOnlyWholeFiles() {
    EditorScreen editor;
    QList<QStringList> many;
    for (int id = 1; id <= 40; ++id)
        many << original(id, QStringLiteral("NAME%1").arg(id, 2, 10, QLatin1Char('0')), "X");
    QVERIFY(editor.open(many));
    TempFolder target;
    editor.services.choiceAnswers = {0};
    editor.services.folderAnswers << target.path();
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [&editor] {
        if (auto* progress = editor->findChild<QProgressDialog*>("formExportProgress"))
            progress->cancel();
    });
    canceller.start(0);
    QSignalSpy results(editor.screen.get(), &RecordEditor::resultReported);
    emit editor->exportFormsRequested();
    canceller.stop();

    const QStringList present = entriesIn(target.path());
    QVERIFY2(present.size() < 40, qPrintable(present.join(", ")));
    for (const QString& name : present) {
        QVERIFY2(QRegularExpression("^00(\\d\\d) NAME\\1 X\\.pdf$").match(name).hasMatch(),
                 qPrintable(name));
        QCOMPARE(pdfPages(target.file(name)).size(), 1);
    }
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().first().toString(),
             QString("Export of forms cancelled: %1 of 40 forms saved to %2.")
                 .arg(present.size())
                 .arg(target.path()));
}

// The forms are drawn a run at a time and split into files; each file must show exactly what its
// form printed alone shows, Chinese names included, and hold one page.
void FormExportTest::exportedFormLooksAsPrinted() {
    EditorScreen editor;
    QList<QStringList> forms = records();
    forms[0] << "ChineseName=陳大文";
    forms[2] << "ChineseName=李嘉欣";
    QVERIFY(editor.open(forms));
    const auto every = RecordReport::everyRecord(editor.db.state.db());
    const QStringList names = every->formFileNames();
    TempFolder split;
    TempFolder alone;
    QCOMPARE(report::writePageFiles(*every, names, split.path()).written, int(names.size()));
    QString allText;
    for (int index = 0; index < names.size(); ++index) {
        allText += pdfText(split.file(names[index]));
        const QString single = alone.file(names[index]);
        QCOMPARE(report::writePdf(*every, {index, index}, single).outcome,
                 report::Outcome::Complete);
        QCOMPARE(pdfPageCount(split.file(names[index])), 1);
        QCOMPARE(pdfText(split.file(names[index])), pdfText(single));
        const QImage printed = drawnPage(single);
        QVERIFY(!printed.isNull());
        QVERIFY2(drawnPage(split.file(names[index])) == printed, qPrintable(names[index]));
    }
    QVERIFY(allText.contains("陳大文") && allText.contains("李嘉欣"));
}

QTEST_MAIN(FormExportTest)
#include "tst_form_export.moc"
