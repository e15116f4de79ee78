#include "core/common/codepage.h"

#include <QTest>

class TestCodePage : public QObject {
    Q_OBJECT
private slots:
    void byteLength_data();
    void byteLength();
    void utf8ByteLength_data();
    void utf8ByteLength();
    void encodesChineseAsTwoBytes();
};

void TestCodePage::byteLength_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("ascii") << QStringLiteral("CHAN TAI MAN") << 12;
    QTest::newRow("chinese") << QStringLiteral("陳大文") << 6;
    QTest::newRow("mixed") << QStringLiteral("A陳1") << 4;
    QTest::newRow("hong kong supplement") << QStringLiteral("啱") << 2;
    QTest::newRow("twenty-five chinese") << QString(25, QChar(0x9673)) << 50;
    QTest::newRow("emoji cannot be encoded") << QStringLiteral("A\U0001F600") << -1;
    QTest::newRow("arabic cannot be encoded") << QStringLiteral("\u0627") << -1;
    QTest::newRow("lone high surrogate") << QStringLiteral("A") + QChar(0xD83D) << -1;
    QTest::newRow("lone low surrogate") << QString(QChar(0xDE00)) + QStringLiteral("A") << -1;
    QTest::newRow("control: escape") << QStringLiteral("A\x1B[2J") << -1;
    QTest::newRow("control: bell, tab, line feed, carriage return")
        << QStringLiteral("\a\t\n\r") << -1;
    QTest::newRow("control: delete") << QStringLiteral("A\x7F") << -1;
    QTest::newRow("control: C1 next line beside Chinese") << QStringLiteral("陳\u0085") << -1;
    QTest::newRow("boundary: space and tilde") << QStringLiteral(" ~") << 2;
    QTest::newRow("boundary: section sign after C1") << QStringLiteral("\u00A7") << 2;
}

void TestCodePage::byteLength() {
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QCOMPARE(codepage::byteLength(text), bytes);
    QCOMPARE(codepage::canEncode(text), bytes >= 0);
}

void TestCodePage::utf8ByteLength_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<int>("bytes");
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("ascii") << QByteArray("CHAN TAI MAN") << 12;
    QTest::newRow("mixed") << QStringLiteral("A陳1").toUtf8() << 4;
    QTest::newRow("hong kong supplement") << QStringLiteral("啱").toUtf8() << 2;
    QTest::newRow("emoji cannot be encoded") << QStringLiteral("A\U0001F600").toUtf8() << -1;
    QTest::newRow("not utf-8") << QByteArray("A\xFF") << -1;
    QTest::newRow("character cut short") << QByteArray("\xE9\x99") << -1;
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\xBD") << -1;
    QTest::newRow("control: escape") << QByteArray("A\x1B[2J") << -1;
    QTest::newRow("control: tab") << QByteArray("A\tB") << -1;
    QTest::newRow("control: delete") << QByteArray("A\x7F") << -1;
    QTest::newRow("control: C1 string terminator") << QByteArray("A\xC2\x9C") << -1;
    QTest::newRow("boundary: section sign after C1") << QByteArray("\xC2\xA7") << 2;
}

// The same count as for the text, without making a string of it.
void TestCodePage::utf8ByteLength() {
    QFETCH(QByteArray, utf8);
    QFETCH(int, bytes);
    QCOMPARE(codepage::utf8ByteLength(utf8), bytes);
}

void TestCodePage::encodesChineseAsTwoBytes() {
    // 陳 is B3AF in Big5.
    QCOMPARE(codepage::encode(QStringLiteral("陳")).value(), QByteArray("\xB3\xAF"));
}

QTEST_APPLESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
