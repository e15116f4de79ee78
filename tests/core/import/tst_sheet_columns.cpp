#include "core/import/sheet_columns.h"

#include <QTest>

class TestSheetColumns : public QObject {
    Q_OBJECT
private slots:
    void cellNumbers_data();
    void cellNumbers();
    void widths_data();
    void widths();
    void everyColumnIsDescribed();
};

void TestSheetColumns::cellNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("number"); // nothing: written as the text it is
    QTest::newRow("grouped amount") << "123,456,789" << QVariant(123456789.0);
    QTest::newRow("plain digits") << "240000" << QVariant(240000.0);
    QTest::newRow("zero") << "0" << QVariant(0.0);
    QTest::newRow("spaces around") << " 1,000 " << QVariant(1000.0);
    QTest::newRow("empty") << "" << QVariant();
    QTest::newRow("cents") << "1,000.50" << QVariant();
    QTest::newRow("negative") << "-5" << QVariant();
    QTest::newRow("words") << "USD 1,000" << QVariant();
    QTest::newRow("beyond exact doubles") << "1234567890123456" << QVariant();
}

void TestSheetColumns::cellNumbers() {
    QFETCH(QString, text);
    QFETCH(QVariant, number);
    const std::optional<double> found = cellNumber(text);
    QCOMPARE(found.has_value(), number.isValid());
    if (found)
        QCOMPARE(*found, number.toDouble());
}

void TestSheetColumns::widths_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("widestValue");
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("lines");
    QTest::newRow("short label, short values") << "Sex (M or F)" << 1 << 14.0 << 1;
    QTest::newRow("values wider than the label") << "Surname" << 20 << 22.0 << 1;
    QTest::newRow("long label wraps") << QString(50, u'x') << 3 << 26.0 << 4;
    QTest::newRow("label of exactly one line") << QString(24, u'x') << 0 << 26.0 << 1;
    QTest::newRow("no wider than a screenful") << "Remarks" << 200 << 60.0 << 1;
    QTest::newRow("Chinese characters count two") << "名" << 0 << 4.0 << 1;
}

void TestSheetColumns::widths() {
    QFETCH(QString, label);
    QFETCH(int, widestValue);
    QFETCH(double, width);
    QFETCH(int, lines);
    QCOMPARE(fittedWidth(label, widestValue), width);
    QCOMPARE(headerLines(label), lines);
}

void TestSheetColumns::everyColumnIsDescribed() {
    QCOMPARE(displayWidth(QStringLiteral("陳大文 A")), 8);
    const std::vector<SheetColumn>& columns = sheetColumns();
    QCOMPARE(columns.size(), employeeColumns().size());
    QCOMPARE(explanationRows().size(), qsizetype(columns.size()));
    int amounts = 0;
    for (const SheetColumn& column : columns) {
        QVERIFY2(!column.rule.isEmpty(), column.column->name);
        amounts += column.kind == CellKind::Amount;
    }
    QCOMPARE(amounts, 14 + 8); // the income lines and the rents
}

QTEST_APPLESS_MAIN(TestSheetColumns)
#include "tst_sheet_columns.moc"
