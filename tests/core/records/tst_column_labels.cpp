#include "core/common/columns.h"
#include "core/records/column_labels.h"

#include <QSet>
#include <QTest>

class TestColumnLabels : public QObject {
    Q_OBJECT
private slots:
    void everyLabelIsUniqueAndMapsBack();
    void headerNamesItsColumn_data();
    void headerNamesItsColumn();
};

// One label per column, none repeated without regard to case, none the name of another column,
// and each read back as its own column.
void TestColumnLabels::everyLabelIsUniqueAndMapsBack() {
    const QStringList labels = employeeColumnLabels();
    QCOMPARE(labels.size(), qsizetype(employeeColumns().size()));
    QSet<QString> seen;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const QString& label = labels.at(i);
        QVERIFY2(!label.isEmpty(), employeeColumns()[std::size_t(i)].name);
        QVERIFY2(!seen.contains(label.toCaseFolded()), qPrintable(label));
        seen << label.toCaseFolded();
        QCOMPARE(columnForHeader(label), int(i));
    }
}

void TestColumnLabels::headerNamesItsColumn_data() {
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("column"); // empty: no column
    QTest::newRow("label as on the screen") << "Other Names in Full"
                                            << "FirstName";
    QTest::newRow("label in another case") << "h.k. identity card number"
                                           << "HKID";
    QTest::newRow("label with spaces around") << "  Surname "
                                              << "Surname";
    QTest::newRow("column name") << "FirstName"
                                 << "FirstName";
    QTest::newRow("column name in capitals") << "CHKDIGIT"
                                             << "ChkDigit";
    QTest::newRow("shared caption qualified by its line") << "a. Salary/Wages, period"
                                                          << "aPeriod";
    QTest::newRow("shared caption qualified by its address") << "Address 2, nature"
                                                             << "Q2Nature";
    QTest::newRow("the spouse's number") << "Spouse's H.K. Identity Card Number"
                                         << "SpouseHKID";
    QTest::newRow("caption shared by several fields, unqualified") << "Nature"
                                                                   << "";
    QTest::newRow("unknown") << "Colour"
                             << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestColumnLabels::headerNamesItsColumn() {
    QFETCH(QString, header);
    QFETCH(QString, column);
    QCOMPARE(columnForHeader(header),
             column.isEmpty() ? -1 : columnIndex(employeeColumns(), column));
}

QTEST_GUILESS_MAIN(TestColumnLabels)
#include "tst_column_labels.moc"
