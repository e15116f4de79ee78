#include "core/common/engine_error.h"
#include "core/records/income_lines.h"
#include "core/submission/digest.h"
#include "core/submission/log_record.h"
#include "support/example_rows.h"

#include <QTemporaryDir>
#include <QTest>

class TestLogRecord : public QObject {
    Q_OBJECT
private slots:
    void placesOnTheMedium_data();
    void placesOnTheMedium();
    void recordTexts();
    void incomeOfARow_data();
    void incomeOfARow();
    void incomeColumnsAreTheLinesAmounts();
    void incomeOfAnEmployeeRow();
    void unreadableAmountIsAnError();
    void digestOfAFile();
};

void TestLogRecord::placesOnTheMedium_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("logPath");
    QTest::newRow("drive root") << "A:\\12345678.MDB"
                                << "12345678.MDB"
                                << "A:\\~~log~~.mdb";
    QTest::newRow("subfolder of another drive") << "D:\\SUBMIT\\12345678.MDB"
                                                << "12345678.MDB"
                                                << "D:\\SUBMIT\\~~log~~.mdb";
    QTest::newRow("medium folder") << "/media/floppy/12345678.MDB"
                                   << "12345678.MDB"
                                   << "/media/floppy/~~log~~.mdb";
    QTest::newRow("long name cut to twelve") << "E:\\1234567890.MDB"
                                             << "1234567890.M"
                                             << "E:\\~~log~~.mdb";
}

void TestLogRecord::placesOnTheMedium() {
    QFETCH(QString, target);
    QFETCH(QString, fileName);
    QFETCH(QString, logPath);
    QCOMPARE(fileNameOnMedium(target), fileName);
    QCOMPARE(logPathOnMedium(target), logPath);
}

void TestLogRecord::recordTexts() {
    const LogRecord record =
        makeLogRecord("A:\\12345678.MDB", 123456789012LL, QDateTime({2002, 4, 30}, {9, 5, 59}),
                      "0123456789abcdef0123456789abcdef", {50000, 12345678901LL});
    QCOMPARE(record.toRow(), (QList<QVariant>{"12345678.MDB", "12345678901", "30/04/2002", "09:05",
                                              "01234567 89abcdef0123456789ab cdef", "3.0", "50000",
                                              "12345678901"}));
}

void TestLogRecord::incomeOfARow_data() {
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<qint64>("income");
    QTest::newRow("no amounts") << QStringList{} << qint64(0);
    QTest::newRow("empty amounts") << QStringList{"aIncome=", "lIncome="} << qint64(0);
    QTest::newRow("grouped amounts summed")
        << QStringList{"aIncome=240,000", "kIncome3=1,000", "lIncome=7"} << qint64(241007);
    QTest::newRow("all fourteen at the most, past 32 bits")
        << QStringList{"aIncome=999,999,999",  "bIncome=999,999,999",  "cIncome=999,999,999",
                       "dIncome=999,999,999",  "eIncome=999,999,999",  "fIncome=999,999,999",
                       "gIncome=999,999,999",  "hIncome=999,999,999",  "iIncome=999,999,999",
                       "jIncome=999,999,999",  "kIncome1=999,999,999", "kIncome2=999,999,999",
                       "kIncome3=999,999,999", "lIncome=999,999,999"}
        << qint64(13999999986);
}

void TestLogRecord::incomeOfARow() {
    QFETCH(QStringList, amounts);
    QFETCH(qint64, income);
    QCOMPARE(incomeTotal(rowOf(incomeColumns(), amounts)), income);
}

// The totals select the amount columns by position; the form and the control list read them by
// the lines' names. Both must be the same fourteen columns in the same order.
void TestLogRecord::incomeColumnsAreTheLinesAmounts() {
    const Columns columns = incomeColumns();
    QCOMPARE(columns.size(), incomeLines().size());
    for (std::size_t i = 0; i < columns.size(); ++i)
        QCOMPARE(QLatin1String(columns[i].name), QLatin1String(incomeLines()[i].amount));
}

void TestLogRecord::incomeOfAnEmployeeRow() {
    const QList<QVariant> row =
        rowOf(employeeColumns(), {"Surname=12", "aIncome=1,000", "kIncome2=20", "lIncome=7",
                                  "Q1Rent1=5,000", "OSeaAmount=300"});
    QCOMPARE(incomeTotal(incomeAmountsOf(row)), qint64(1027));
}

void TestLogRecord::unreadableAmountIsAnError() {
    QVERIFY_THROWS_EXCEPTION(EngineError, incomeTotal(rowOf(incomeColumns(), {"bIncome=12a"})));
}

void TestLogRecord::digestOfAFile() {
    QTemporaryDir folder;
    QFile file(folder.filePath("image.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("abc");
    file.close();
    const FileDigest digest = fileDigest(file.fileName());
    QCOMPARE(digest.result, 0);
    QCOMPARE(digest.digest, QString("900150983cd24fb0d6963f7d28e17f72"));
    QCOMPARE(fileDigest(folder.filePath("missing.txt")).result, digestfailure::cannotOpen);
}

QTEST_GUILESS_MAIN(TestLogRecord)
#include "tst_log_record.moc"
