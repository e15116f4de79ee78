// The printed form and the control list in two languages, as a PDF reader reads them: every
// text of every page (both languages of each caption and every value) is read back, each record
// keeps one A4 page, and the language the user reads first comes first.
#include "gui/reports/report_output.h"
#include "store/records/record_report.h"
#include "support/pdf_text.h"
#include "support/saved_return.h"

#include <QTest>

using report::LabelOrder;

namespace {

QString withoutSpaces(QString text) {
    text.remove(
        QRegularExpression(QStringLiteral("\\s"), QRegularExpression::UseUnicodePropertiesOption));
    return text;
}

QString pdfPageSize(const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished(60000);
    return QRegularExpression(QStringLiteral("Page size:\\s+([^\\n]+)"))
        .match(QString::fromUtf8(info.readAllStandardOutput()))
        .captured(1)
        .trimmed();
}

// The report written to PDF in the order asked: the form of every record, or the control list
// of the saved return.
std::shared_ptr<report::Report> bilingualReport(SavedReturn& saved, const QString& kind,
                                                LabelOrder order) {
    if (kind == "form") {
        auto forms = RecordReport::everyRecord(saved.db.state.db());
        forms->setLabelOrder(order);
        return forms;
    }
    auto list = ControlList::open(saved.target(), logPathOnMedium(saved.target()));
    list->setLabelOrder(order);
    return list;
}

} // namespace

class TestBilingualReports : public QObject {
    Q_OBJECT
private slots:
    void everyTextReadsBack_data();
    void everyTextReadsBack();
};

void TestBilingualReports::everyTextReadsBack_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("englishFirst");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("firstThenSecond"); // English, Chinese; read in the chosen order
    // Captions of boxes, which a reader reads top to bottom; a heading's two languages share a
    // line.
    const QStringList form{"Correspondence address", "通訊地址", "Surname", "姓氏"};
    const QStringList list{"Name of employer", "僱主名稱", "File name", "檔案名稱"};
    QTest::newRow("form, English first") << "form" << true << 3 << form;
    QTest::newRow("form, Chinese first") << "form" << false << 3 << form;
    QTest::newRow("control list, English first") << "list" << true << 2 << list;
    QTest::newRow("control list, Chinese first") << "list" << false << 2 << list;
}

void TestBilingualReports::everyTextReadsBack() {
    QFETCH(QString, kind);
    QFETCH(bool, englishFirst);
    QFETCH(int, pages);
    QFETCH(QStringList, firstThenSecond);
    SavedReturn saved(3);
    const auto made = bilingualReport(
        saved, kind, englishFirst ? LabelOrder::EnglishFirst : LabelOrder::ChineseFirst);
    const QString pdf = saved.db.folder.file("bilingual.pdf");
    QCOMPARE(report::writePdf(*made, report::PageRange::all(*made), pdf).outcome,
             report::Outcome::Complete);
    QCOMPARE(pdfPageCount(pdf), pages);
    QVERIFY2(pdfPageSize(pdf).contains("(A4)"), qPrintable(pdfPageSize(pdf)));
    const QStringList read = pdfPages(pdf);
    QCOMPARE(read.size(), pages);
    for (int index = 0; index < pages; ++index) {
        const QString page = withoutSpaces(read[index]);
        for (const report::Text& text : made->page(index).texts)
            QVERIFY2(page.contains(withoutSpaces(text.text)),
                     qPrintable(QStringLiteral("page %1 lacks %2").arg(index + 1).arg(text.text)));
    }
    const QString all = withoutSpaces(read.join(QString()));
    for (qsizetype at = 0; at + 1 < firstThenSecond.size(); at += 2) {
        const qsizetype english = all.indexOf(withoutSpaces(firstThenSecond[at]));
        const qsizetype chinese = all.indexOf(firstThenSecond[at + 1]);
        QVERIFY(english >= 0 && chinese >= 0);
        QVERIFY2((english < chinese) == englishFirst, qPrintable(firstThenSecond[at]));
    }
}

QTEST_MAIN(TestBilingualReports)
#include "tst_bilingual_reports.moc"
