#include "core/records/field_view.h"
#include "core/records/return_check.h"
#include "core/validation/last_year.h"
#include "core/validation/record_warnings.h"
#include "support/example_rows.h"

#include <QTest>

namespace {

// One record held both ways the rules read it: the editor's texts by name (an empty field left
// out, as the editor's reading of a row leaves it) and a row by column place.
struct BothWays {
    FieldTexts texts;
    RecordRow row;
};

BothWays bothWays(const QStringList& entries) {
    BothWays record;
    for (const QString& entry : entries) {
        const QString name = entry.section(u'=', 0, 0);
        const QString text = entry.section(u'=', 1);
        record.texts.remove(name);
        if (!text.isEmpty())
            record.texts.insert(name, text);
        if (const qsizetype at = RecordRow::place(name); at >= 0)
            record.row.setText(at, text.isEmpty() ? QString() : text);
    }
    return record;
}

// The columns the problems point at, in order.
QStringList columnsOf(const QList<ReturnProblem>& problems) {
    QStringList columns;
    for (const ReturnProblem& problem : problems)
        columns << problem.column;
    return columns;
}

} // namespace

class TestFieldView : public QObject {
    Q_OBJECT
private slots:
    void sameFindingsFromRowAndTexts_data();
    void sameFindingsFromRowAndTexts();
    void textByName_data();
    void textByName();
    void leftOutBySave_data();
    void leftOutBySave();
    void namesKey_data();
    void namesKey();
};

void TestFieldView::sameFindingsFromRowAndTexts_data() {
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QStringList>("expected"); // the columns of the record's problems
    QTest::newRow("the worked example") << QStringList{} << QStringList{};
    QTest::newRow("no surname") << QStringList{"Surname="} << QStringList{"Surname"};
    QTest::newRow("no residence given") << QStringList{"QFlag=1"} << QStringList{"Q1Address1"};
    QTest::newRow("wrong check character") << QStringList{"ChkDigit=0"} << QStringList{"ChkDigit"};
    QTest::newRow("cents typed") << QStringList{"aIncome=12.50"}
                                 << QStringList{"aIncome", "aIncome"};
    // Employed for one day only: the page check refuses it, and the year's salary lies outside.
    QTest::newRow("ends on its first day")
        << QStringList{"EYear2=2001", "EMonth2=04", "EDay2=01"} << QStringList{"EDay1", "aPeriod"};
    QTest::newRow("unknown type") << QStringList{"Status=X"} << QStringList{"Status"};
}

// The check of a whole return reads rows, the editor its texts: every rule gives both the same
// findings, in the same order.
void TestFieldView::sameFindingsFromRowAndTexts() {
    QFETCH(QStringList, changes);
    QFETCH(QStringList, expected);
    const BothWays record = bothWays(exampleRecord() + changes);
    const QString year = QStringLiteral("2002");
    const QList<ReturnProblem> fromRow =
        recordProblems(record.row, year) + validation::recordWarnings(record.row);
    const QList<ReturnProblem> fromTexts =
        recordProblems(record.texts, year) + validation::recordWarnings(record.texts);
    QCOMPARE(fromRow, fromTexts);
    QCOMPARE(columnsOf(fromRow).join(u' '), expected.join(u' '));
    QCOMPARE(checkRecord(record.row, year, 3), checkRecord(record.texts, year, 3));
    QCOMPARE(recordName(record.row), recordName(record.texts));
    QCOMPARE(originalIdentity(record.row), originalIdentity(record.texts));
}

void TestFieldView::textByName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a text column") << "Surname"
                                   << "CHAN";
    QTest::newRow("the last column asked") << "OSeaFlag"
                                           << "0";
    QTest::newRow("another case is another name") << "surname"
                                                  << "";
    QTest::newRow("an empty column") << "MStatus"
                                     << "";
    QTest::newRow("no such column") << "Nickname"
                                    << "";
}

void TestFieldView::textByName() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const BothWays record = bothWays(exampleRecord());
    const QByteArray literal = name.toLatin1();
    for (FieldView view : {FieldView(record.row), FieldView(record.texts)}) {
        QCOMPARE(view.text(name), expected);
        QCOMPARE(view.text(literal.constData()), expected);
    }
}

void TestFieldView::leftOutBySave_data() {
    QTest::addColumn<QStringList>("period");
    QTest::addColumn<bool>("leftOut");
    // The return year ends on 31 March 2002.
    QTest::newRow("the whole year") << QStringList{} << false;
    QTest::newRow("starts the day before") << QStringList{"EDay1=31", "EMonth1=03"} << true;
    QTest::newRow("ends the day after") << QStringList{"EDay2=01", "EMonth2=04"} << true;
    QTest::newRow("parts split otherwise, joined the same")
        << QStringList{"EYear1=200", "EMonth1=104", "EDay1=01"} << false;
    QTest::newRow("a start that is the bound's beginning")
        << QStringList{"EMonth1=03", "EDay1="} << true;
    QTest::newRow("a start shorter but past the bound") << QStringList{"EDay1="} << false;
    QTest::newRow("a start longer than the bound") << QStringList{"EDay1=010"} << false;
    QTest::newRow("an end longer than the bound")
        << QStringList{"EYear2=20020", "EMonth2=4", "EDay2=01"} << true;
    QTest::newRow("no end") << QStringList{"EYear2=", "EMonth2=", "EDay2="} << false;
}

void TestFieldView::leftOutBySave() {
    QFETCH(QStringList, period);
    QFETCH(bool, leftOut);
    const BothWays record = bothWays(exampleRecord() + period);
    QCOMPARE(::leftOutBySave(record.row, QStringLiteral("2002")), leftOut);
    QCOMPARE(::leftOutBySave(record.texts, QStringLiteral("2002")), leftOut);
}

void TestFieldView::namesKey_data() {
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("otherNames");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "CHAN"
                           << "TAI MAN"
                           << "CHAN,TAI MAN";
    QTest::newRow("lower case") << "chan"
                                << "tai man"
                                << "CHAN,TAI MAN";
    QTest::newRow("spaces around and between") << "  CHAN "
                                               << "\tTAI  \n MAN  "
                                               << "CHAN,TAI MAN";
    QTest::newRow("no names") << ""
                              << "   "
                              << ",";
    QTest::newRow("letters beyond ASCII")
        << QString::fromUtf8("ch\u00e9ng") << QString::fromUtf8("\u5927\u6587")
        << QString::fromUtf8("CH\u00c9NG,\u5927\u6587");
}

void TestFieldView::namesKey() {
    QFETCH(QString, surname);
    QFETCH(QString, otherNames);
    QFETCH(QString, expected);
    QCOMPARE(validation::namesKey(surname, otherNames), expected);
}

QTEST_GUILESS_MAIN(TestFieldView)
#include "tst_field_view.moc"
