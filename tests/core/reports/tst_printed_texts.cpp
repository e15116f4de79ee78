#include "core/reports/printed_texts.h"

#include <QTest>

using namespace printedtext;

class TestPrintedTexts : public QObject {
    Q_OBJECT
private slots:
    void yearHeadingOfAReturnYear_data();
    void yearHeadingOfAReturnYear();
    void wholeDate_data();
    void wholeDate();
    void recordTypes();
};

void TestPrintedTexts::yearHeadingOfAReturnYear_data() {
    QTest::addColumn<QString>("returnYear");
    QTest::addColumn<QString>("heading");
    QTest::newRow("valid: four digits") << "2001"
                                        << "For the year from 1 April 2000 to 31 March 2001";
    QTest::newRow("invalid: three digits") << "200"
                                           << "";
    QTest::newRow("invalid: not a number") << "20a1"
                                           << "";
    QTest::newRow("invalid: empty") << ""
                                    << "";
}

void TestPrintedTexts::yearHeadingOfAReturnYear() {
    QFETCH(QString, returnYear);
    QFETCH(QString, heading);
    QCOMPARE(yearHeading(returnYear), heading);
}

void TestPrintedTexts::wholeDate_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("valid: DDMMYYYY") << "30042002"
                                     << "30/04/2002";
    QTest::newRow("boundary: seven characters shown as they are") << "3042002"
                                                                  << "3042002";
    QTest::newRow("boundary: nine characters shown as they are") << "300420021"
                                                                 << "300420021";
    QTest::newRow("boundary: empty") << ""
                                     << "";
}

void TestPrintedTexts::wholeDate() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(wholeDateText(stored), shown);
}

// The codes are compared exactly: a lower-case code is shown as it is.
void TestPrintedTexts::recordTypes() {
    QCOMPARE(recordTypeName("O"), QString("Original"));
    QCOMPARE(recordTypeName("R"), QString("Replacement"));
    QCOMPARE(recordTypeName("S"), QString("Supplementary"));
    QCOMPARE(recordTypeName("o"), QString("o"));
    QCOMPARE(recordTypeName("H"), QString("H"));
}

QTEST_GUILESS_MAIN(TestPrintedTexts)
#include "tst_printed_texts.moc"
