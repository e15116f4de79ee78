#include "core/records/record_types.h"

#include <QTest>

class TestRecordTypes : public QObject {
    Q_OBJECT
private slots:
    void placeholderStatus_data();
    void placeholderStatus();
};

// The Status column compares without regard to case, so every list leaves out "h" as it leaves
// out "H"; the conversion and the record set must agree with it.
void TestRecordTypes::placeholderStatus_data() {
    QTest::addColumn<QVariant>("status");
    QTest::addColumn<bool>("placeholder");
    QTest::newRow("valid: the placeholder code") << QVariant(QStringLiteral("H")) << true;
    QTest::newRow("valid: in lower case") << QVariant(QStringLiteral("h")) << true;
    QTest::newRow("boundary: spaces around the code") << QVariant(QStringLiteral(" H ")) << true;
    QTest::newRow("invalid: an original") << QVariant(QStringLiteral("O")) << false;
    QTest::newRow("invalid: a replacement") << QVariant(QStringLiteral("R")) << false;
    QTest::newRow("invalid: a supplementary") << QVariant(QStringLiteral("S")) << false;
    QTest::newRow("invalid: the code twice") << QVariant(QStringLiteral("HH")) << false;
    QTest::newRow("invalid: empty") << QVariant(QString()) << false;
    QTest::newRow("invalid: no value") << QVariant() << false;
}

void TestRecordTypes::placeholderStatus() {
    QFETCH(QVariant, status);
    QFETCH(bool, placeholder);
    QCOMPARE(recordtype::isPlaceholder(status), placeholder);
}

QTEST_GUILESS_MAIN(TestRecordTypes)
#include "tst_record_types.moc"
