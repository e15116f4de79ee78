// The report layer: fonts chosen run by run, pages out to PDF (read back as text), an
// unfinished export leaving no file, and the preview drawing only the pages it shows.
#include "core/common/engine_error.h"
#include "core/reports/page_builder.h"
#include "core/reports/text_runs.h"
#include "gui/reports/form_export.h"
#include "gui/reports/preview_window.h"
#include "gui/reports/report_output.h"
#include "support/file_size_limit.h"
#include "support/pdf_text.h"
#include "support/scripted_printing.h"
#include "support/scripted_services.h"
#include "support/temp_folder.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <functional>
#include <sys/stat.h>

namespace {

// Pages that say which page they are, in Latin and Chinese, and remember which were drawn.
class NumberedReport : public report::Report {
public:
    explicit NumberedReport(int pages)
        : m_pages(pages) {}
    int pageCount() const override { return m_pages; }
    report::Page page(int index) const override {
        asked << index;
        if (onPage)
            onPage(index);
        report::PageBuilder builder;
        builder.line(QStringLiteral("Page %1 陳大文 1,234,567 end").arg(index + 1), 8, 10);
        return builder.take();
    }
    mutable QList<int> asked;
    std::function<void(int)> onPage;

private:
    int m_pages;
};

QString pageLine(int number) {
    return QStringLiteral("Page %1 陳大文 1,234,567 end").arg(number);
}

// Every page of the file says it is the expected page, in order.
bool holdsPages(const QString& pdf, int first, int last) {
    const QStringList pages = pdfPages(pdf);
    if (pages.size() != last - first + 1 || pdfPageCount(pdf) != pages.size())
        return false;
    for (int number = first; number <= last; ++number)
        if (!pages[number - first].contains(pageLine(number)))
            return false;
    return true;
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void cancelProgressDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<QProgressDialog*>(widget))
            progress->cancel();
}

} // namespace

class ReportLayerTest : public QObject {
    Q_OBJECT
private slots:
    void chineseRunsTakeTheChineseFont_data();
    void chineseRunsTakeTheChineseFont();
    void pdfHoldsTheChosenPages_data();
    void pdfHoldsTheChosenPages();
    void unfinishedPdfLeavesNoFile_data();
    void unfinishedPdfLeavesNoFile();
    void previewDrawsOnlyWhatItShows_data();
    void previewDrawsOnlyWhatItShows();
    void previewSavesAndPrintsTheChosenPages_data();
    void previewSavesAndPrintsTheChosenPages();
    void pageFilesEachHoldTheirPage_data();
    void pageFilesEachHoldTheirPage();
};

void ReportLayerTest::chineseRunsTakeTheChineseFont_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("runs"); // "C:" Chinese font, "L:" Latin font
    QTest::newRow("latin only") << "CHAN Tai Man" << QStringList{"L:CHAN Tai Man"};
    QTest::newRow("chinese only") << "陳大文" << QStringList{"C:陳大文"};
    QTest::newRow("digits stay latin") << "陳大文 1,234" << QStringList{"C:陳大文", "L: 1,234"};
    QTest::newRow("ideographic punctuation") << "陳、李" << QStringList{"C:陳、李"};
    QTest::newRow("beyond the basic plane") << "A𠀋B" << QStringList{"L:A", "C:𠀋", "L:B"};
    QTest::newRow("empty") << "" << QStringList{};
}

void ReportLayerTest::chineseRunsTakeTheChineseFont() {
    QFETCH(QString, text);
    QFETCH(QStringList, runs);
    QStringList found;
    for (const report::TextRun& run : report::scriptRuns(text))
        found << (run.chinese ? "C:" : "L:") + run.text;
    QCOMPARE(found, runs);
}

void ReportLayerTest::pdfHoldsTheChosenPages_data() {
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("first"); // page numbers from 1
    QTest::addColumn<int>("last");
    QTest::newRow("every page") << 4 << 1 << 4;
    QTest::newRow("a range") << 6 << 3 << 5;
    QTest::newRow("the last page alone") << 6 << 6 << 6;
}

void ReportLayerTest::pdfHoldsTheChosenPages() {
    QFETCH(int, pages);
    QFETCH(int, first);
    QFETCH(int, last);
    TempFolder folder;
    const NumberedReport numbered(pages);
    const QString pdf = folder.file("out.pdf");
    QCOMPARE(report::writePdf(numbered, {first - 1, last - 1}, pdf).outcome,
             report::Outcome::Complete);
    QVERIFY(holdsPages(pdf, first, last));
}

void ReportLayerTest::unfinishedPdfLeavesNoFile_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("outcome");
    QTest::newRow("cancelled at page 2") << "cancel" << int(report::Outcome::Cancelled);
    QTest::newRow("a record vanished") << "missing record" << int(report::Outcome::Failed);
    QTest::newRow("disk full") << "disk full" << int(report::Outcome::Failed);
}

// The file that was there before stays as it was, and no temporary file is left beside it.
void ReportLayerTest::unfinishedPdfLeavesNoFile() {
    QFETCH(QString, failure);
    QFETCH(int, outcome);
    TempFolder folder;
    const QString pdf = folder.file("xw73d.pdf");
    QFile older(pdf);
    QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
    older.close();
    NumberedReport numbered(40);
    if (failure == "missing record")
        numbered.onPage = [](int index) {
            if (index == 2)
                throw EngineError(engine::NoCurrentRecord, QStringLiteral("No current record."));
        };
    const report::Progress progress = [&](int done, int) {
        return !(failure == "cancel" && done == 2);
    };
    std::optional<FileSizeLimit> full;
    if (failure == "disk full")
        full.emplace(4096);
    const report::OutputResult result = report::writePdf(numbered, {0, 39}, pdf, progress);
    full.reset();
    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.error.isEmpty(), outcome == int(report::Outcome::Cancelled));
    QCOMPARE(entriesIn(folder.path()), QStringList{"xw73d.pdf"});
    QCOMPARE(fileText(pdf), QStringLiteral("older"));
}

void ReportLayerTest::previewDrawsOnlyWhatItShows_data() {
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("shown");        // page index afterwards
    QTest::addColumn<QList<int>>("drawn"); // the pages read, in order
    QTest::newRow("opens on the first page") << 50000 << "none" << 0 << 0 << QList<int>{0};
    QTest::newRow("next page") << 50000 << "nextPage" << 0 << 1 << QList<int>{0, 1};
    QTest::newRow("last page") << 50000 << "lastPage" << 0 << 49999 << QList<int>{0, 49999};
    QTest::newRow("jump to a page") << 50000 << "jump" << 1234 << 1233 << QList<int>{0, 1233};
    QTest::newRow("jump past the end") << 50000 << "jump" << 60000 << 49999 << QList<int>{0, 49999};
    QTest::newRow("zoom redraws the page") << 50000 << "zoom" << 200 << 0 << QList<int>{0, 0};
    QTest::newRow("a report without pages") << 0 << "none" << 0 << -1 << QList<int>{};
}

void ReportLayerTest::previewDrawsOnlyWhatItShows() {
    QFETCH(int, pages);
    QFETCH(QString, action);
    QFETCH(int, value);
    QFETCH(int, shown);
    QFETCH(QList<int>, drawn);
    ScriptedServices services;
    auto numbered = std::make_shared<NumberedReport>(pages);
    PreviewWindow preview(numbered, QString());
    preview.show();
    const int widthBefore = preview.findChild<QLabel*>("pageImage")->pixmap().width();
    if (action == "jump")
        preview.findChild<QSpinBox*>("pageNumber")->setValue(value);
    else if (action == "zoom")
        preview.findChild<QComboBox*>("zoom")->setCurrentText(QString::number(value) + "%");
    else if (action != "none")
        QTest::mouseClick(preview.findChild<QPushButton*>(action), Qt::LeftButton);
    QCOMPARE(preview.currentPage(), shown);
    QCOMPARE(numbered->asked, drawn);
    QCOMPARE(preview.findChild<QSpinBox*>("pageNumber")->value(), shown + 1);
    QCOMPARE(preview.findChild<QPushButton*>("previousPage")->isEnabled(), shown > 0);
    QCOMPARE(preview.findChild<QPushButton*>("nextPage")->isEnabled(), shown < pages - 1);
    QCOMPARE(preview.findChild<QPushButton*>("saveAsPdf")->isEnabled(), pages > 0);
    const int width = preview.findChild<QLabel*>("pageImage")->pixmap().width();
    QVERIFY(qAbs(width - (action == "zoom" ? widthBefore * 2 : widthBefore)) <= 1);
}

void ReportLayerTest::previewSavesAndPrintsTheChosenPages_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer"); // the file dialog's answer
    QTest::addColumn<bool>("cancelAtPage3");
    QTest::addColumn<bool>("written");
    QTest::newRow("save pages 2 to 4") << "saveAsPdf"
                                       << "saved.pdf" << false << true;
    QTest::newRow("save cancelled in the file dialog") << "saveAsPdf"
                                                       << "" << false << false;
    QTest::newRow("save cancelled while writing") << "saveAsPdf"
                                                  << "saved.pdf" << true << false;
    QTest::newRow("print pages 2 to 4") << "printPages"
                                        << "" << false << true;
}

void ReportLayerTest::previewSavesAndPrintsTheChosenPages() {
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(bool, cancelAtPage3);
    QFETCH(bool, written);
    TempFolder folder;
    ScriptedServices services;
    ScriptedPrinting printing(folder.path());
    if (!answer.isEmpty())
        services.fileAnswers << folder.file(answer);
    // Left to the umask, a new file would be readable by every user.
    const mode_t umaskBefore = umask(022);
    const auto restoreUmask = qScopeGuard([umaskBefore] { umask(umaskBefore); });
    auto numbered = std::make_shared<NumberedReport>(5);
    if (cancelAtPage3)
        numbered->onPage = [](int index) {
            if (index == 2)
                cancelProgressDialog();
        };
    PreviewWindow preview(numbered, folder.file("suggested.pdf"));
    QSignalSpy savedSignals(&preview, &PreviewWindow::pdfSaved);
    preview.show();
    preview.findChild<QSpinBox*>("printFrom")->setValue(2);
    preview.findChild<QSpinBox*>("printTo")->setValue(4);
    QTest::mouseClick(preview.findChild<QPushButton*>(command), Qt::LeftButton);
    const QString pdf = command == "printPages" ? printing.jobs.value(0).pdf : folder.file(answer);
    QCOMPARE(QFileInfo(pdf).isFile(), written);
    if (written)
        QVERIFY(holdsPages(pdf, 2, 4));
    struct stat saved {};
    if (written && command == "saveAsPdf")
        QCOMPARE(stat(QFile::encodeName(pdf).constData(), &saved) == 0 ? saved.st_mode & 0777 : 0,
                 mode_t(0600));
    QCOMPARE(services.fileCaptions.size(), command == "saveAsPdf" ? 1 : 0);
    QCOMPARE(services.boxes.size(), 0);
    const bool savedAsPdf = written && command == "saveAsPdf";
    QCOMPARE(savedSignals.size(), savedAsPdf ? 1 : 0);
    if (savedAsPdf)
        QCOMPARE(savedSignals.first(), (QVariantList{pdf, 3}));
}

void ReportLayerTest::pageFilesEachHoldTheirPage_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("outcome");
    QTest::newRow("every page written") << "none" << int(report::Outcome::Complete);
    QTest::newRow("cancelled after 3 files") << "cancel" << int(report::Outcome::Cancelled);
    QTest::newRow("a record vanished") << "missing record" << int(report::Outcome::Failed);
    QTest::newRow("disk full") << "disk full" << int(report::Outcome::Failed);
}

// Each file holds its own page and nothing else; an export that stops leaves only whole files,
// each under its own name, and the older file of a name it did not reach as it was.
void ReportLayerTest::pageFilesEachHoldTheirPage() {
    QFETCH(QString, failure);
    QFETCH(int, outcome);
    TempFolder folder;
    const int pages = 60;
    QStringList names;
    for (int number = 1; number <= pages; ++number)
        names << QStringLiteral("%1 page.pdf").arg(number, 4, 10, QLatin1Char('0'));
    QFile older(folder.file(names.last()));
    QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
    older.close();
    NumberedReport numbered(pages);
    if (failure == "missing record")
        numbered.onPage = [](int index) {
            if (index == 20)
                throw EngineError(engine::NoCurrentRecord, QStringLiteral("No current record."));
        };
    std::optional<FileSizeLimit> full;
    if (failure == "disk full")
        full.emplace(4096);
    int progressCalls = 0;
    const report::ExportResult result =
        report::writePageFiles(numbered, names, folder.path(), [&](int done, int total) {
            ++progressCalls;
            return total == pages && !(failure == "cancel" && done >= 3);
        });
    full.reset();
    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.error.isEmpty(), outcome != int(report::Outcome::Failed));
    QVERIFY(progressCalls > 0 || failure == "disk full");
    // Workers finish out of order, so a stopped export need not have written a first run of
    // pages; whatever it wrote is whole and under its own name.
    int whole = 0;
    bool olderKept = false;
    for (int index = 0; index < pages; ++index) {
        const QString file = folder.file(names[index]);
        if (index == pages - 1 && fileText(file) == QStringLiteral("older")) {
            olderKept = true;
        } else if (QFileInfo::exists(file)) {
            QVERIFY2(holdsPages(file, index + 1, index + 1), qPrintable(names[index]));
            ++whole;
        }
    }
    QCOMPARE(whole, result.written);
    QCOMPARE(olderKept, result.written < pages);
    QCOMPARE(entriesIn(folder.path()).size(), whole + (olderKept ? 1 : 0));
    if (outcome == int(report::Outcome::Complete))
        QCOMPARE(result.written, pages);
    else
        QVERIFY(result.written < pages);
}

QTEST_MAIN(ReportLayerTest)
#include "tst_report_layer.moc"
