// The captions of the printed form and of the control list in two languages: every caption that
// is printed first has the other language directly beneath it (or beside it, on a heading), the
// Chinese is the table's, and nothing is printed in one language alone.
#include "core/common/columns.h"
#include "core/records/form_captions.h"
#include "core/records/record_form.h"
#include "core/reports/text_runs.h"
#include "core/submission/control_list_page.h"

#include <QTest>

using report::LabelOrder;

Q_DECLARE_METATYPE(report::Page)

namespace {

bool hasChinese(const QString& text) {
    for (const report::TextRun& run : report::scriptRuns(text))
        if (run.chinese)
            return true;
    return false;
}

// Captions, not codes: the category letters of the control list stand alone in both languages.
bool isCaption(const QString& text) {
    return hasChinese(text) ||
           (text.trimmed().size() > 1 &&
            std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }));
}

// The second language of a caption: beneath the first and across the same place, or on the
// same line of a heading.
bool isBeneath(const report::Text& second, const report::Text& first) {
    const bool across =
        second.box.left() < first.box.right() && second.box.right() > first.box.left();
    const bool below = qAbs(second.box.top() - first.box.bottom()) < 0.01;
    return across && (below || second.box == first.box);
}

report::Page emptyForm(LabelOrder order) {
    QList<QVariant> employer(qsizetype(employerColumns().size()));
    employer[columnIndex(employerColumns(), "ReturnYear")] = QStringLiteral("2001");
    return xw73dform::formPage(QList<QVariant>(qsizetype(employeeColumns().size())), employer,
                               order);
}

report::Page controlListPage(LabelOrder order, int index, const QString& logTotal) {
    controllist::Heading heading;
    heading.returnYear = QStringLiteral("2002");
    heading.log.totalIncome = logTotal;
    heading.log.totalRecords = QStringLiteral("0");
    return controllist::page(heading, {}, index, 2, {}, order);
}

} // namespace

class TestFormCaptions : public QObject {
    Q_OBJECT
private slots:
    void everyCaptionInBothLanguages_data();
    void everyCaptionInBothLanguages();
    void yearHeadingInBothLanguages_data();
    void yearHeadingInBothLanguages();
};

void TestFormCaptions::everyCaptionInBothLanguages_data() {
    QTest::addColumn<report::Page>("page");
    QTest::addColumn<bool>("englishFirst");
    for (const bool englishFirst : {true, false}) {
        const LabelOrder order = englishFirst ? LabelOrder::EnglishFirst : LabelOrder::ChineseFirst;
        const QString first = englishFirst ? "English first" : "Chinese first";
        QTest::newRow(qPrintable("form, " + first)) << emptyForm(order) << englishFirst;
        QTest::newRow(qPrintable("control list records, " + first))
            << controlListPage(order, 0, "0") << englishFirst;
        QTest::newRow(qPrintable("control list totals agreeing, " + first))
            << controlListPage(order, 1, "0") << englishFirst;
        QTest::newRow(qPrintable("control list totals disagreeing, " + first))
            << controlListPage(order, 1, "5") << englishFirst;
    }
}

void TestFormCaptions::everyCaptionInBothLanguages() {
    QFETCH(report::Page, page);
    QFETCH(bool, englishFirst);
    QList<report::Text> firsts;
    QList<report::Text> seconds;
    for (const report::Text& text : page.texts)
        if (isCaption(text.text))
            (hasChinese(text.text) != englishFirst ? firsts : seconds) << text;
    QVERIFY(firsts.size() > 10);
    for (const report::Text& first : firsts) {
        const auto partner = std::find_if(seconds.begin(), seconds.end(), [&](const auto& second) {
            return isBeneath(second, first);
        });
        QVERIFY2(partner != seconds.end(), qPrintable(first.text + " stands alone"));
        QVERIFY2(partner->points <= first.points, qPrintable(partner->text));
        const QString english = englishFirst ? first.text : partner->text;
        const QString chinese = englishFirst ? partner->text : first.text;
        if (!formcaptions::chineseOf(english).isEmpty())
            QCOMPARE(chinese, formcaptions::chineseOf(english));
        seconds.erase(partner);
    }
    QVERIFY2(seconds.isEmpty(), qPrintable(seconds.value(0).text + " is no caption's partner"));
}

void TestFormCaptions::yearHeadingInBothLanguages_data() {
    QTest::addColumn<QString>("returnYear");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("valid: four digits") << "2001"
                                        << "For the year from 1 April 2000 to 31 March 2001"
                                        << "由2000年4月1日至2001年3月31日止年度";
    QTest::newRow("invalid: three digits") << "200"
                                           << ""
                                           << "";
    QTest::newRow("invalid: not a number") << "20a1"
                                           << ""
                                           << "";
}

void TestFormCaptions::yearHeadingInBothLanguages() {
    QFETCH(QString, returnYear);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    const report::Caption heading = formcaptions::yearHeading(returnYear);
    QCOMPARE(heading.english, english);
    QCOMPARE(heading.chinese, chinese);
}

QTEST_APPLESS_MAIN(TestFormCaptions)
#include "tst_form_captions.moc"
