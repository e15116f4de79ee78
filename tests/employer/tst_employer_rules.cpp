#include "employer/employer_rules.h"

#include <QTest>

namespace {
const QString notAYear = QStringLiteral("' is not a valid year. Please enter again!");
const QString fourDigits = QStringLiteral("Invalid year. Please enter a 4-digit year.");
const QString tooEarly = QStringLiteral("Input year must be later than 1996.");
const QString badFileNumber = QStringLiteral("' is not a valid file number. Please enter again!");
const QString badDate =
    QStringLiteral("Invalid date format.  Please fill in with format, DDMMYYYY.");
const QString beforeYearEnd = QStringLiteral("The date of submission should later than 31 Mar, ");
} // namespace

class TestEmployerRules : public QObject {
    Q_OBJECT
private slots:
    void returnYear_data();
    void returnYear();
    void yearChangeIsAskedOnlyOverAnEnteredYear_data();
    void yearChangeIsAskedOnlyOverAnEnteredYear();
    void section_data();
    void section();
    void fileNumber_data();
    void fileNumber();
    void everyCheckDigitHasOneMatch();
    void submissionDate_data();
    void submissionDate();
    void byteLimit_data();
    void byteLimit();
    void firstBlankFollowsTheOrderGiven();
    void digitsOnlyTyping_data();
    void digitsOnlyTyping();
};

void TestEmployerRules::returnYear_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("refusal"); // empty: accepted
    QTest::newRow("valid: empty is left for Continue") << ""
                                                       << "";
    QTest::newRow("valid: 1997") << "1997"
                                 << "";
    QTest::newRow("valid: 2001") << "2001"
                                 << "";
    QTest::newRow("boundary: 1996") << "1996" << tooEarly;
    QTest::newRow("invalid: three digits") << "199" << fourDigits;
    QTest::newRow("invalid: three digits and a space") << "200 " << fourDigits;
    QTest::newRow("invalid: one digit") << "7" << fourDigits;
    QTest::newRow("invalid: 0000") << "0000" << tooEarly;
    QTest::newRow("invalid: letters") << "20a1"
                                      << "'20a1" + notAYear;
    QTest::newRow("invalid: exponent") << "2e10"
                                       << "'2e10" + notAYear;
    QTest::newRow("invalid: spaces only") << "  "
                                          << "'  " + notAYear;
    QTest::newRow("invalid: negative") << "-200" << tooEarly;
}

void TestEmployerRules::returnYear() {
    QFETCH(QString, year);
    QFETCH(QString, refusal);
    QCOMPARE(returnYearRefusal(year).value_or(QString()), refusal);
}

void TestEmployerRules::yearChangeIsAskedOnlyOverAnEnteredYear_data() {
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("asked");
    QTest::newRow("first year typed") << ""
                                      << "2001" << false;
    QTest::newRow("same year") << "2001"
                               << "2001" << false;
    QTest::newRow("changed year") << "2001"
                                  << "2002" << true;
    QTest::newRow("year emptied") << "2001"
                                  << "" << true;
}

void TestEmployerRules::yearChangeIsAskedOnlyOverAnEnteredYear() {
    QFETCH(QString, remembered);
    QFETCH(QString, year);
    QFETCH(bool, asked);
    QCOMPARE(yearChangeNeedsConsent(remembered, year), asked);
}

void TestEmployerRules::section_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("valid: empty") << ""
                                  << "";
    QTest::newRow("valid: A") << "A"
                              << "";
    QTest::newRow("valid: Z") << "Z"
                              << "";
    QTest::newRow("valid: lower case") << "a"
                                       << "";
    QTest::newRow("invalid: digit") << "1"
                                    << "'611' is not a valid file number. Please enter again!";
    QTest::newRow("invalid: space") << " "
                                    << "'6 1' is not a valid file number. Please enter again!";
    QTest::newRow("invalid: after Z") << "["
                                      << "'6[1' is not a valid file number. Please enter again!";
    QTest::newRow("invalid: accented letter")
        << "É"
        << "'6É1' is not a valid file number. Please enter again!";
}

void TestEmployerRules::section() {
    QFETCH(QString, section);
    QFETCH(QString, refusal);
    QCOMPARE(sectionRefusal(section).value_or(QString()), refusal);
}

void TestEmployerRules::fileNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("valid: empty is left for Continue") << ""
                                                       << "" << true;
    QTest::newRow("valid: 123 zero-filled") << "123"
                                            << "00000123" << true;
    QTest::newRow("valid: 00000123") << "00000123"
                                     << "00000123" << true;
    QTest::newRow("valid: 10000008") << "10000008"
                                     << "10000008" << true;
    QTest::newRow("valid: all weights") << "12345676"
                                        << "12345676" << true;
    QTest::newRow("valid: spaces around") << " 123 "
                                          << "00000123" << true;
    QTest::newRow("invalid: 121 check digit") << "121"
                                              << "00000121" << false;
    QTest::newRow("invalid: 00000121") << "00000121"
                                       << "00000121" << false;
    QTest::newRow("invalid: 10000007") << "10000007"
                                       << "10000007" << false;
    QTest::newRow("invalid: 0") << "0"
                                << "0" << false;
    QTest::newRow("invalid: 00000000") << "00000000"
                                       << "00000000" << false;
    QTest::newRow("invalid: not a number") << "12a4"
                                           << "12a4" << false;
    QTest::newRow("invalid: fraction below one") << "0.5"
                                                 << "0.5" << false;
    QTest::newRow("invalid: negative") << "-123"
                                       << "-00000123" << false;
}

void TestEmployerRules::fileNumber() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, accepted);
    const FileNumberVerdict verdict = checkFileNumber(typed);
    QCOMPARE(verdict.text, shown);
    QCOMPARE(verdict.refusal.value_or(QString()),
             accepted ? QString() : u'\'' + shown + badFileNumber);
}

// Of the ten numbers that share their first seven digits exactly one is valid.
void TestEmployerRules::everyCheckDigitHasOneMatch() {
    for (const char* stem : {"0000012", "1000000", "9876543", "3141592"}) {
        int valid = 0;
        for (char last = '0'; last <= '9'; ++last)
            valid += hasValidCheckDigit(QLatin1String(stem) + QLatin1Char(last)) ? 1 : 0;
        QCOMPARE(valid, 1);
    }
    QVERIFY(hasValidCheckDigit(QStringLiteral("98765434"))); // 72+8+14+18+30+28+24 = 194
    QVERIFY(!hasValidCheckDigit(QStringLiteral("1234567")));
}

void TestEmployerRules::submissionDate_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("boundary: 31 March of the year") << "31032001"
                                                    << "2001"
                                                    << "";
    QTest::newRow("boundary: 30 March of the year") << "30032001"
                                                    << "2001" << beforeYearEnd + "2001";
    QTest::newRow("valid: a later year") << "01052002"
                                         << "2001"
                                         << "";
    QTest::newRow("invalid: day 32") << "32012001"
                                     << "2001" << badDate;
    QTest::newRow("invalid: 29 February 2001") << "29022001"
                                               << "2001" << badDate;
    QTest::newRow("invalid: seven digits") << "3103200"
                                           << "2001" << badDate;
    QTest::newRow("invalid: empty date") << ""
                                         << "2001" << beforeYearEnd + "2001";
    QTest::newRow("invalid: 1 January of the year") << "01012001"
                                                    << "2001" << beforeYearEnd + "2001";
    QTest::newRow("valid: 1 April of the year before a later year") << "01042001"
                                                                    << "2000"
                                                                    << "";
}

void TestEmployerRules::submissionDate() {
    QFETCH(QString, date);
    QFETCH(QString, year);
    QFETCH(QString, refusal);
    QCOMPARE(submissionDateRefusal(date, year).value_or(QString()), refusal);
}

void TestEmployerRules::byteLimit_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::newRow("valid: 70 letters") << QString(70, u'A') << true;
    QTest::newRow("valid: 35 Chinese characters") << QString(35, QChar(0x9673)) << true;
    QTest::newRow("boundary: 36 Chinese characters") << QString(36, QChar(0x9673)) << false;
    QTest::newRow("boundary: 34 Chinese and 3 letters")
        << QString(34, QChar(0x9673)) + "ABC" << false;
    QTest::newRow("invalid: a character outside the code page")
        << QStringLiteral("A\u0627") << false;
}

void TestEmployerRules::byteLimit() {
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QCOMPARE(fitsInBytes(text, 70), fits);
}

void TestEmployerRules::firstBlankFollowsTheOrderGiven() {
    QCOMPARE(firstBlank({QStringLiteral("2001"), QStringLiteral("A")}), -1);
    QCOMPARE(firstBlank({QStringLiteral("2001"), QStringLiteral("  "), QString()}), 1);
    QCOMPARE(firstBlank({QString(), QString()}), 0);
}

void TestEmployerRules::digitsOnlyTyping_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("valid: digits") << "0123456789" << true;
    QTest::newRow("invalid: letter") << "a" << false;
    QTest::newRow("invalid: space") << " " << false;
    QTest::newRow("invalid: full-width digit") << "\uFF11" << false;
    QTest::newRow("invalid: Arabic-Indic digit") << "\u0661" << false;
}

void TestEmployerRules::digitsOnlyTyping() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QCOMPARE(onlyDigits(typed), accepted);
}

QTEST_APPLESS_MAIN(TestEmployerRules)
#include "tst_employer_rules.moc"
