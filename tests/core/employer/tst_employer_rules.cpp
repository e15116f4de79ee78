#include "core/employer/employer_data.h"
#include "core/employer/employer_rules.h"
#include "core/records/field_rules.h"

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
    void employerDataKeepsEachColumnAndNoValue();
};

// What each check makes of every text of a row: its refusal, or nothing when it accepts the text
// (a file number shows its text as written afterwards). "%1" stands for the text checked. The
// date is checked against the year 2001.
void TestEmployerRules::check_data() {
    QTest::addColumn<QString>("check");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* check, const QStringList& texts,
                        const QString& expected = {}) {
        QTest::newRow(name) << check << texts << expected;
    };
    const QString refused = QStringLiteral("refused");
    row("year, boundary: empty is left for Continue, 1997", "year", {"", "1997"});
    row("year, boundary: 1996 and below", "year", {"1996", "-200"}, tooEarly);
    row("year, invalid: three digits, even with a space", "year", {"199", "200 "}, fourDigits);
    row("year, invalid: letters, exponent", "year", {"20a1", "2e10"}, "'%1" + notAYear);
    row("section, boundary: empty, a, Z", "section", {"", "a", "Z"});
    row("section, boundary: after Z, digit, accented letter", "section", {"[", "1", "É"},
        "'6%11" + badFileNumber);
    row("file number, valid: empty, first weight, all weights", "file number",
        {"", "10000008", "12345676"}, "%1");
    row("file number, valid: zero-filled, spaces around", "file number", {"123", " 123 "},
        "00000123");
    row("file number, invalid: check digit, zero, fraction, not a number", "file number",
        {"10000007", "0", "0.5", "12a4"}, "'%1" + badFileNumber);
    row("file number, invalid: check digit, zero-filled", "file number", {"121"},
        "'00000121" + badFileNumber);
    row("file number, invalid: negative", "file number", {"-123"}, "'-00000123" + badFileNumber);
    row("date, boundary: 31 March of the year or later", "date", {"31032001", "01052002"});
    row("date, boundary: 30 March of the year, empty", "date", {"30032001", ""},
        beforeYearEnd + "2001");
    row("date, invalid: day 32, 29 February 2001, seven digits", "date",
        {"32012001", "29022001", "3103200"}, badDate);
    row("typed digits, valid: 0 to 9 and Backspace", "digits", {"0123456789", QString(QChar(8))});
    row("typed digits, invalid: letter, full-width and Arabic-Indic digits", "digits",
        {"a", "\uFF11", "\u0661"}, refused);
    row("70 bytes, boundary: 35 Chinese characters", "70 bytes", {QString(35, chen)});
    row("70 bytes, boundary: 36 Chinese, 34 Chinese and 3 letters, outside the code page",
        "70 bytes", {QString(36, chen), QString(34, chen) + "ABC", "A\u0627"}, refused);
}

void TestEmployerRules::check() {
    QFETCH(QString, check);
    QFETCH(QStringList, texts);
    QFETCH(QString, expected);
    for (const QString& text : texts) {
        const FileNumberVerdict fileNumber = checkFileNumber(text);
        const QString refused = QStringLiteral("refused");
        const QHash<QString, QString> verdicts{
            {"year", returnYearRefusal(text).value_or(QString())},
            {"section", sectionRefusal(text).value_or(QString())},
            {"file number", fileNumber.refusal.value_or(fileNumber.text)},
            {"date", submissionDateRefusal(text, "2001").value_or(QString())},
            {"digits", std::ranges::all_of(text.toUcs4(), digitOrBackspace) ? QString() : refused},
            {"70 bytes", fieldrules::byteLengthGuard(text, 70, {}).revert ? refused : QString()},
        };
        QVERIFY(verdicts.contains(check));
        QCOMPARE(text + u'|' + verdicts.value(check),
                 text + u'|' + QString(expected).replace("%1", text));
    }
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

// Each column lands in its own member and back in its own place; a column without a value reads
// as an empty text and an empty text is written as no value.
void TestEmployerRules::employerDataKeepsEachColumnAndNoValue() {
    const RowValues row{"3.4e", "2001", "B", "00000123", "ACME LTD", QVariant(), "01052001"};
    const EmployerData data = EmployerData::fromRow(row);
    QCOMPARE(data.returnYear, QStringLiteral("2001"));
    QCOMPARE(data.section + data.fileNumber, QStringLiteral("B00000123"));
    QCOMPARE(data.name + u'|' + data.submissionDate, QStringLiteral("ACME LTD|01052001"));
    QVERIFY(data.designation.isEmpty());
    QCOMPARE(data.toRow(), row);
}

QTEST_APPLESS_MAIN(TestEmployerRules)
#include "tst_employer_rules.moc"
