#include "core/records/identity_number.h"

#include <QTest>

using Check = bool (*)(const QString&);
Q_DECLARE_METATYPE(Check)

class TestIdentityNumber : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
};

// Every text of a row is one case of its class.
void TestIdentityNumber::check_data() {
    QTest::addColumn<Check>("check");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("passes");
    const Check letter = IsLetter;
    const Check numeric = isNumeric;
    const Check identity = IsValidIdentityNumber;
    // A letter test compares the whole text, not its first character.
    QTest::newRow("letter, boundary: A, Z, lower case, AZ")
        << letter << QStringList{"A", "Z", "q", "AZ"} << true;
    QTest::newRow("letter, boundary: next to A, Z and z, accented, empty, ZA")
        << letter << QStringList{"@", "[", "{", "é", "", "ZA"} << false;
    QTest::newRow("numeric, valid: digits, exponents, signs, points")
        << numeric << QStringList{"123456", "1234E5", "12e+45", "-1", "12.345", "12345.", ".12345"}
        << true;
    QTest::newRow("numeric, invalid: empty, lone point or sign, broken exponent")
        << numeric << QStringList{"", ".", "-", "E5", "1234E+", "1E2E3"} << false;
    QTest::newRow("numeric, invalid: two points or signs, letter, blank")
        << numeric << QStringList{"1.2.3", "--12", "12345X", " 12345"} << false;
    QTest::newRow("identity, valid: one or two letters, digit run with one E")
        << identity << QStringList{"A123456", "AB123456", "A1234E5"} << true;
    QTest::newRow("identity, boundary: six and nine characters, empty")
        << identity << QStringList{"A12345", "AB1234567", ""} << false;
    QTest::newRow("identity, invalid: digit for a letter, three letters, last six not numeric")
        << identity << QStringList{"1A23456", "A1234567", "ABC123456", "AB12345X"} << false;
}

void TestIdentityNumber::check() {
    QFETCH(Check, check);
    QFETCH(QStringList, texts);
    QFETCH(bool, passes);
    for (const QString& text : texts)
        QVERIFY2(check(text) == passes, qPrintable(u'\'' + text + u'\''));
}

QTEST_APPLESS_MAIN(TestIdentityNumber)
#include "tst_identity_number.moc"
