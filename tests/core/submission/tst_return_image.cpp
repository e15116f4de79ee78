#include "core/submission/return_image.h"

#include "support/example_rows.h"

#include <algorithm>

#include <QTest>

using namespace returnimage;

namespace {

// The dates of the worked example, so that a case shows only what it adds.
const QStringList yearLong{"SheetNo=7", "Status=O",    "EYear1=2001", "EMonth1=04",
                           "EDay1=01",  "EYear2=2002", "EMonth2=03",  "EDay2=31"};
const QByteArray yearLongText("7O2001040120020331");

} // namespace

class TestReturnImage : public QObject {
    Q_OBJECT
private slots:
    void workedExampleComesOutExactly();
    void writesEachRecord_data();
    void writesEachRecord();
    void missingEmployerValueIsWrittenAsNull();
    void layoutWritesEveryColumnButIdOnce();
};

void TestReturnImage::workedExampleComesOutExactly() {
    const QByteArray image = employerLine(rowOf(employerColumns(), exampleEmployer)) +
                             recordText(rowOf(employeeColumns(), exampleRecord()));
    QCOMPARE(image, QByteArray("A12345678200230042002ABC TRADING LTDMANAGER\r\n"
                               "1A1234563OCHANTAI MANMFLAT A 1/FKCLERK2001040120020331"
                               "20010401 - 20020331240,000 0  0 "));
}

void TestReturnImage::writesEachRecord_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("remark ends the line")
        << QStringList{"Remark=LEFT"} << yearLongText + "LEFT\r\n";
    QTest::newRow("empty remark: no line end") << QStringList{"Remark="} << yearLongText;
    QTest::newRow("flag one") << QStringList{"QFlag=1"} << yearLongText + " 1 ";
    QTest::newRow("flag without value") << QStringList{} << yearLongText;
    QTest::newRow("date part without value is Null")
        << QStringList{"EDay2"} << QByteArray("7O20010401200203Null");
    QTest::newRow("empty date part writes nothing")
        << QStringList{"EDay2="} << QByteArray("7O20010401200203");
    QTest::newRow("Chinese name in its two-byte code")
        << QStringList{"ChineseName=\u9673\u5927\u6587"}
        << QByteArray("7O\xb3\xaf\xa4j\xa4\xe5") + yearLongText.mid(2);
    QTest::newRow("period before income, nature first")
        << QStringList{"kIncome1=5", "kPeriod1=P", "kNature1=N", "jIncome=4"}
        << yearLongText + "4NP5";
    QTest::newRow("address lines before their area")
        << QStringList{"RAreaCode=H", "RAddress2=B", "RAddress1=A"}
        << QByteArray("7OABH") + yearLongText.mid(2);
}

void TestReturnImage::writesEachRecord() {
    QFETCH(QStringList, values);
    QFETCH(QByteArray, text);
    QStringList all = yearLong;
    for (const QString& value : values) {
        const QString name = value.section(u'=', 0, 0);
        all.removeIf([&](const QString& entry) { return entry.startsWith(name + u'='); });
        if (value.contains(u'='))
            all << value;
    }
    QCOMPARE(returnimage::recordText(rowOf(employeeColumns(), all)), text);
}

void TestReturnImage::missingEmployerValueIsWrittenAsNull() {
    QStringList values = exampleEmployer;
    values.removeLast();
    QVERIFY(employerLine(rowOf(employerColumns(), values)).endsWith("ABC TRADING LTDNull\r\n"));
}

void TestReturnImage::layoutWritesEveryColumnButIdOnce() {
    QList<int> written;
    for (const Field& field : employeeLayout())
        written << field.column;
    std::sort(written.begin(), written.end());
    QList<int> expected;
    for (int column = 1; column < static_cast<int>(employeeColumns().size()); ++column)
        expected << column;
    QCOMPARE(written, expected);
}

QTEST_GUILESS_MAIN(TestReturnImage)
#include "tst_return_image.moc"
