#include "records/identity_number.h"

#include <QTest>

using Check = bool (*)(const QString&);
Q_DECLARE_METATYPE(Check)

class TestIdentityNumber : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
};

void TestIdentityNumber::check_data() {
    QTest::addColumn<Check>("check");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");
    const auto row = [](const char* name, Check check, const char* text, bool passes) {
        QTest::newRow(name) << check << QString::fromUtf8(text) << passes;
    };
    const Check letter = IsLetter;
    row("letter, boundary: A", letter, "A", true);
    row("letter, boundary: Z", letter, "Z", true);
    row("letter, valid: lower case", letter, "q", true);
    row("letter, boundary: just before A", letter, "@", false);
    row("letter, boundary: just after Z", letter, "[", false);
    row("letter, boundary: just after z", letter, "{", false);
    row("letter, invalid: accented", letter, "é", false);
    row("letter, invalid: empty", letter, "", false);
    // The whole text is compared, not its first character.
    row("letter, valid: two letters within range", letter, "AZ", true);
    row("letter, invalid: two letters past Z", letter, "ZA", false);

    const Check numeric = isNumeric;
    row("numeric, valid: digits", numeric, "123456", true);
    row("numeric, valid: exponent", numeric, "1234E5", true);
    row("numeric, valid: lower-case signed exponent", numeric, "12e+45", true);
    row("numeric, valid: sign", numeric, "-1", true);
    row("numeric, valid: decimal point", numeric, "12.345", true);
    row("numeric, valid: trailing point", numeric, "12345.", true);
    row("numeric, valid: leading point", numeric, ".12345", true);
    row("numeric, invalid: empty", numeric, "", false);
    row("numeric, invalid: lone point", numeric, ".", false);
    row("numeric, invalid: lone sign", numeric, "-", false);
    row("numeric, invalid: exponent without mantissa", numeric, "E5", false);
    row("numeric, invalid: signed exponent without digits", numeric, "1234E+", false);
    row("numeric, invalid: two points", numeric, "1.2.3", false);
    row("numeric, invalid: two signs", numeric, "--12", false);
    row("numeric, invalid: letter at the end", numeric, "12345X", false);
    row("numeric, invalid: leading blank", numeric, " 12345", false);
    row("numeric, invalid: two exponents", numeric, "1E2E3", false);

    const Check identity = IsValidIdentityNumber;
    row("identity, valid: one letter", identity, "A123456", true);
    row("identity, valid: two letters", identity, "AB123456", true);
    row("identity, valid: digit run with one E", identity, "A1234E5", true);
    row("identity, boundary: six characters", identity, "A12345", false);
    row("identity, boundary: nine characters", identity, "AB1234567", false);
    row("identity, invalid: first character a digit", identity, "1A23456", false);
    row("identity, invalid: second character a digit", identity, "A1234567", false);
    row("identity, invalid: three letters", identity, "ABC12345", false);
    row("identity, invalid: last six not numeric", identity, "AB12345X", false);
    row("identity, invalid: empty", identity, "", false);
}

void TestIdentityNumber::check() {
    QFETCH(Check, check);
    QFETCH(QString, text);
    QFETCH(bool, passes);
    QCOMPARE(check(text), passes);
}

QTEST_APPLESS_MAIN(TestIdentityNumber)
#include "tst_identity_number.moc"
