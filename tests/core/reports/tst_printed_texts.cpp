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
    void incomePeriod_data();
    void incomePeriod();
    void overseasAmount_data();
    void overseasAmount();
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

void TestPrintedTexts::incomePeriod_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("valid: two dates, year first") << "20230502 - 20240228"
                                                  << "02/05/2023 - 28/02/2024";
    QTest::newRow("valid: without spaces") << "20230502-20240228"
                                           << "02/05/2023 - 28/02/2024";
    QTest::newRow("valid: leap day") << "20240229 - 20240331"
                                     << "29/02/2024 - 31/03/2024";
    QTest::newRow("invalid: no such day stays as typed") << "20230231 - 20240228"
                                                         << "20230231 - 20240228";
    QTest::newRow("invalid: day first stays as typed") << "02052023 - 28022024"
                                                       << "02052023 - 28022024";
    QTest::newRow("invalid: words stay as typed") << "APR 2023 - MAR 2024"
                                                  << "APR 2023 - MAR 2024";
    QTest::newRow("invalid: one date stays as typed") << "20230502"
                                                      << "20230502";
    QTest::newRow("boundary: empty") << ""
                                     << "";
}

void TestPrintedTexts::incomePeriod() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(periodText(typed), shown);
}

void TestPrintedTexts::overseasAmount_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("valid: plain digits") << "1234567"
                                         << "1,234,567";
    QTest::newRow("valid: already grouped") << "50,000"
                                            << "50,000";
    QTest::newRow("valid: blanks around") << " 50000 "
                                          << "50,000";
    QTest::newRow("boundary: three digits") << "999"
                                            << "999";
    QTest::newRow("boundary: twenty digits, beyond any integer") << "12345678901234567890"
                                                                 << "12,345,678,901,234,567,890";
    QTest::newRow("invalid: currency stays as typed") << "HK$50000"
                                                      << "HK$50000";
    QTest::newRow("invalid: cents stay as typed") << "50000.50"
                                                  << "50000.50";
    QTest::newRow("invalid: badly grouped stays as typed") << "5,0000"
                                                           << "5,0000";
    QTest::newRow("invalid: words stay as typed") << "ABOUT 5000"
                                                  << "ABOUT 5000";
    QTest::newRow("boundary: empty") << ""
                                     << "";
}

void TestPrintedTexts::overseasAmount() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(overseasAmountText(typed), shown);
}

QTEST_GUILESS_MAIN(TestPrintedTexts)
#include "tst_printed_texts.moc"
