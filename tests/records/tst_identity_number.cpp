#include "records/identity_number.h"

#include <QTest>

class TestIdentityNumber : public QObject {
    Q_OBJECT
private slots:
    void isLetter_data();
    void isLetter();
    void isNumeric_data();
    void isNumeric();
    void isValidIdentityNumber_data();
    void isValidIdentityNumber();
};

void TestIdentityNumber::isLetter_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("letter");
    QTest::newRow("upper case") << "A" << true;
    QTest::newRow("last letter") << "Z" << true;
    QTest::newRow("lower case") << "q" << true;
    QTest::newRow("digit") << "7" << false;
    QTest::newRow("just before A") << "@" << false;
    QTest::newRow("just after Z") << "[" << false;
    QTest::newRow("just after z") << "{" << false;
    QTest::newRow("accented letter") << "\u00e9" << false;
    QTest::newRow("chinese") << "\u9673" << false;
    QTest::newRow("empty") << "" << false;
    // The whole text is compared, not its first character.
    QTest::newRow("two letters within range") << "AZ" << true;
    QTest::newRow("two letters past Z") << "ZA" << false;
}

void TestIdentityNumber::isLetter() {
    QFETCH(QString, value);
    QFETCH(bool, letter);
    QCOMPARE(IsLetter(value), letter);
}

void TestIdentityNumber::isNumeric_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::newRow("six digits") << "123456" << true;
    QTest::newRow("exponent between digits") << "1234E5" << true;
    QTest::newRow("lower-case exponent") << "1234e5" << true;
    QTest::newRow("signed exponent") << "12E+45" << true;
    QTest::newRow("leading plus") << "+12345" << true;
    QTest::newRow("leading minus") << "-1" << true;
    QTest::newRow("decimal point") << "12.345" << true;
    QTest::newRow("trailing point") << "12345." << true;
    QTest::newRow("leading point") << ".12345" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("lone point") << "." << false;
    QTest::newRow("lone sign") << "-" << false;
    QTest::newRow("exponent without mantissa") << "E5" << false;
    QTest::newRow("exponent without digits") << "12345E" << false;
    QTest::newRow("signed exponent without digits") << "1234E+" << false;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("two signs") << "--12" << false;
    QTest::newRow("letter at the end") << "12345X" << false;
    QTest::newRow("inner blank") << "12 345" << false;
    QTest::newRow("leading blank") << " 12345" << false;
    QTest::newRow("thousands separator") << "1,234" << false;
    QTest::newRow("two exponents") << "1E2E3" << false;
}

void TestIdentityNumber::isNumeric() {
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(::isNumeric(text), numeric);
}

void TestIdentityNumber::isValidIdentityNumber_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("valid");
    QTest::newRow("one letter, six digits") << "A123456" << true;
    QTest::newRow("two letters, six digits") << "AB123456" << true;
    QTest::newRow("six characters") << "A12345" << false;
    QTest::newRow("nine characters") << "AB1234567" << false;
    QTest::newRow("first character a digit") << "1A23456" << false;
    QTest::newRow("last six not numeric") << "AB12345X" << false;
    QTest::newRow("second character a digit") << "A1B23456" << false;
    QTest::newRow("second character a digit, rest numeric") << "A1234567" << false;
    QTest::newRow("three letters") << "ABC12345" << false;
    QTest::newRow("digits only") << "12345678" << false;
    QTest::newRow("digit run with one E") << "A1234E5" << true;
    QTest::newRow("two letters, digit run with one E") << "AB12E456" << true;
    QTest::newRow("first character a symbol") << "#123456" << false;
    QTest::newRow("inner blank") << "A123 56" << false;
    QTest::newRow("empty") << "" << false;
}

void TestIdentityNumber::isValidIdentityNumber() {
    QFETCH(QString, number);
    QFETCH(bool, valid);
    QCOMPARE(IsValidIdentityNumber(number), valid);
}

QTEST_APPLESS_MAIN(TestIdentityNumber)
#include "tst_identity_number.moc"
