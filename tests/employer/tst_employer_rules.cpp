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
    void check_data();
    void check();
    void yearChangeIsAskedOnlyOverAnEnteredYear();
    void everyCheckDigitHasOneMatch();
    void firstBlankFollowsTheOrderGiven();
};

// What each check makes of a text: its refusal, or nothing when it accepts the text (a file
// number shows its text as written afterwards). The date is checked against the year 2001.
void TestEmployerRules::check_data() {
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* check, const QString& text,
                        const QString& expected = {}) {
        QTest::newRow(name) << check << text << expected;
    };
    row("year, valid: empty is left for Continue", "year", "");
    row("year, boundary: 1997", "year", "1997");
    row("year, boundary: 1996", "year", "1996", tooEarly);
    row("year, invalid: negative", "year", "-200", tooEarly);
    row("year, invalid: three digits", "year", "199", fourDigits);
    row("year, invalid: three digits and a space", "year", "200 ", fourDigits);
    row("year, invalid: letters", "year", "20a1", "'20a1" + notAYear);
    row("year, invalid: exponent", "year", "2e10", "'2e10" + notAYear);

    const auto badSection = [](const QString& text) { return "'6" + text + "1" + badFileNumber; };
    row("section, valid: empty", "section", "");
    row("section, valid: lower case", "section", "a");
    row("section, boundary: Z", "section", "Z");
    row("section, boundary: after Z", "section", "[", badSection("["));
    row("section, invalid: digit", "section", "1", badSection("1"));
    row("section, invalid: accented letter", "section", "É", badSection("É"));

    const auto badNumber = [](const QString& shown) { return u'\'' + shown + badFileNumber; };
    row("file number, valid: empty is left for Continue", "file number", "", "");
    row("file number, valid: zero-filled", "file number", "123", "00000123");
    row("file number, valid: spaces around", "file number", " 123 ", "00000123");
    row("file number, valid: first weight", "file number", "10000008", "10000008");
    row("file number, valid: all weights", "file number", "12345676", "12345676");
    row("file number, invalid: check digit", "file number", "121", badNumber("00000121"));
    row("file number, invalid: first weight", "file number", "10000007", badNumber("10000007"));
    row("file number, invalid: zero", "file number", "0", badNumber("0"));
    row("file number, invalid: fraction below one", "file number", "0.5", badNumber("0.5"));
    row("file number, invalid: not a number", "file number", "12a4", badNumber("12a4"));
    row("file number, invalid: negative", "file number", "-123", badNumber("-00000123"));

    row("date, boundary: 31 March of the year", "date", "31032001");
    row("date, boundary: 30 March of the year", "date", "30032001", beforeYearEnd + "2001");
    row("date, valid: a later year", "date", "01052002");
    row("date, invalid: empty", "date", "", beforeYearEnd + "2001");
    row("date, invalid: day 32", "date", "32012001", badDate);
    row("date, invalid: 29 February 2001", "date", "29022001", badDate);
    row("date, invalid: seven digits", "date", "3103200", badDate);

    row("typed digits, valid: 0 to 9", "digits", "0123456789");
    row("typed digits, invalid: letter", "digits", "a", "refused");
    row("typed digits, invalid: full-width digit", "digits", "\uFF11", "refused");
    row("typed digits, invalid: Arabic-Indic digit", "digits", "\u0661", "refused");
    row("70 bytes, boundary: 35 Chinese characters", "70 bytes", QString(35, chen));
    row("70 bytes, boundary: 36 Chinese characters", "70 bytes", QString(36, chen), "refused");
    row("70 bytes, boundary: 34 Chinese and 3 letters", "70 bytes", QString(34, chen) + "ABC",
        "refused");
    row("70 bytes, invalid: outside the code page", "70 bytes", "A\u0627", "refused");
}

void TestEmployerRules::check() {
    QFETCH(QString, check);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const FileNumberVerdict fileNumber = checkFileNumber(text);
    const QString refused = QStringLiteral("refused");
    const QHash<QString, QString> verdicts{
        {"year", returnYearRefusal(text).value_or(QString())},
        {"section", sectionRefusal(text).value_or(QString())},
        {"file number", fileNumber.refusal.value_or(fileNumber.text)},
        {"date", submissionDateRefusal(text, "2001").value_or(QString())},
        {"digits", onlyDigits(text) ? QString() : refused},
        {"70 bytes", fitsInBytes(text, 70) ? QString() : refused},
    };
    QVERIFY(verdicts.contains(check));
    QCOMPARE(verdicts.value(check), expected);
}

void TestEmployerRules::yearChangeIsAskedOnlyOverAnEnteredYear() {
    QVERIFY(!yearChangeNeedsConsent("", "2001"));
    QVERIFY(!yearChangeNeedsConsent("2001", "2001"));
    QVERIFY(yearChangeNeedsConsent("2001", "2002"));
    QVERIFY(yearChangeNeedsConsent("2001", ""));
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

void TestEmployerRules::firstBlankFollowsTheOrderGiven() {
    QCOMPARE(firstBlank({QStringLiteral("2001"), QStringLiteral("A")}), -1);
    QCOMPARE(firstBlank({QStringLiteral("2001"), QStringLiteral("  "), QString()}), 1);
    QCOMPARE(firstBlank({QString(), QString()}), 0);
}

QTEST_APPLESS_MAIN(TestEmployerRules)
#include "tst_employer_rules.moc"
