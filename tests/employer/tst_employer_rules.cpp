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
const QChar chen(0x9673); // two bytes in the code page
} // namespace

class TestEmployerRules : public QObject {
    Q_OBJECT
private slots:
    void refusal_data();
    void refusal();
    void yearChangeIsAskedOnlyOverAnEnteredYear();
    void fileNumber_data();
    void fileNumber();
    void everyCheckDigitHasOneMatch();
    void typingAndLength_data();
    void typingAndLength();
    void firstBlankFollowsTheOrderGiven();
};

// The year, the section letter and the submission date (checked against the year 2001).
void TestEmployerRules::refusal_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal"); // empty: accepted
    const auto row = [](const char* name, const char* field, const QString& text,
                        const QString& refusal = {}) {
        QTest::newRow(name) << field << text << refusal;
    };
    row("year, valid: empty is left for Continue", "year", "");
    row("year, boundary: 1997", "year", "1997");
    row("year, boundary: 1996", "year", "1996", tooEarly);
    row("year, invalid: negative", "year", "-200", tooEarly);
    row("year, invalid: three digits", "year", "199", fourDigits);
    row("year, invalid: three digits and a space", "year", "200 ", fourDigits);
    row("year, invalid: letters", "year", "20a1", "'20a1" + notAYear);
    row("year, invalid: exponent", "year", "2e10", "'2e10" + notAYear);

    const auto section = [](const QString& text) { return "'6" + text + "1" + badFileNumber; };
    row("section, valid: empty", "section", "");
    row("section, valid: lower case", "section", "a");
    row("section, boundary: Z", "section", "Z");
    row("section, boundary: after Z", "section", "[", section("["));
    row("section, invalid: digit", "section", "1", section("1"));
    row("section, invalid: accented letter", "section", "É", section("É"));

    row("date, boundary: 31 March of the year", "date", "31032001");
    row("date, boundary: 30 March of the year", "date", "30032001", beforeYearEnd + "2001");
    row("date, valid: a later year", "date", "01052002");
    row("date, invalid: empty", "date", "", beforeYearEnd + "2001");
    row("date, invalid: day 32", "date", "32012001", badDate);
    row("date, invalid: 29 February 2001", "date", "29022001", badDate);
    row("date, invalid: seven digits", "date", "3103200", badDate);
}

void TestEmployerRules::refusal() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    const std::optional<QString> verdict = field == u"year" ? returnYearRefusal(text)
                                           : field == u"section"
                                               ? sectionRefusal(text)
                                               : submissionDateRefusal(text, "2001");
    QCOMPARE(verdict.value_or(QString()), refusal);
}

void TestEmployerRules::yearChangeIsAskedOnlyOverAnEnteredYear() {
    QVERIFY(!yearChangeNeedsConsent("", "2001"));
    QVERIFY(!yearChangeNeedsConsent("2001", "2001"));
    QVERIFY(yearChangeNeedsConsent("2001", "2002"));
    QVERIFY(yearChangeNeedsConsent("2001", ""));
}

void TestEmployerRules::fileNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("accepted");
    const auto row = [](const char* name, const char* typed, const char* shown, bool accepted) {
        QTest::newRow(name) << typed << shown << accepted;
    };
    row("valid: empty is left for Continue", "", "", true);
    row("valid: zero-filled", "123", "00000123", true);
    row("valid: spaces around", " 123 ", "00000123", true);
    row("valid: first weight", "10000008", "10000008", true);
    row("valid: all weights", "12345676", "12345676", true);
    row("invalid: check digit, zero-filled", "121", "00000121", false);
    row("invalid: check digit of the first weight", "10000007", "10000007", false);
    row("invalid: zero", "0", "0", false);
    row("invalid: fraction below one", "0.5", "0.5", false);
    row("invalid: not a number", "12a4", "12a4", false);
    row("invalid: negative", "-123", "-00000123", false);
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

// What the digit fields take as typed, and what fits the 70 bytes of the name.
void TestEmployerRules::typingAndLength_data() {
    QTest::addColumn<bool>("digitsOnly");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    const auto row = [](const char* name, bool digitsOnly, const QString& text, bool accepted) {
        QTest::newRow(name) << digitsOnly << text << accepted;
    };
    row("digits, valid: 0 to 9", true, "0123456789", true);
    row("digits, invalid: letter", true, "a", false);
    row("digits, invalid: full-width digit", true, "\uFF11", false);
    row("digits, invalid: Arabic-Indic digit", true, "\u0661", false);
    row("name, boundary: 35 Chinese characters", false, QString(35, chen), true);
    row("name, boundary: 36 Chinese characters", false, QString(36, chen), false);
    row("name, boundary: 34 Chinese and 3 letters", false, QString(34, chen) + "ABC", false);
    row("name, invalid: outside the code page", false, "A\u0627", false);
}

void TestEmployerRules::typingAndLength() {
    QFETCH(bool, digitsOnly);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(digitsOnly ? onlyDigits(text) : fitsInBytes(text, 70), accepted);
}

void TestEmployerRules::firstBlankFollowsTheOrderGiven() {
    QCOMPARE(firstBlank({QStringLiteral("2001"), QStringLiteral("A")}), -1);
    QCOMPARE(firstBlank({QStringLiteral("2001"), QStringLiteral("  "), QString()}), 1);
    QCOMPARE(firstBlank({QString(), QString()}), 0);
}

QTEST_APPLESS_MAIN(TestEmployerRules)
#include "tst_employer_rules.moc"
