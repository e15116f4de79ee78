#include "core/import/sheet_rows.h"
#include "core/import/workbook_styles.h"
#include "core/import/xlsx_normal_form.h"

#include <QHash>

#include <QTest>

class TestWorkbookCells : public QObject {
    Q_OBJECT
private slots:
    void dateFormatsAreKnown_data();
    void dateFormatsAreKnown();
    void numbersReadAsShown_data();
    void numbersReadAsShown();
    void inlineTextsBecomeSharedStrings();
    void cellsAreTakenRowByRow();
};

void TestWorkbookCells::dateFormatsAreKnown_data() {
    QTest::addColumn<int>("identifier");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("date");
    QTest::newRow("built-in date") << 14 << "" << true;
    QTest::newRow("built-in number") << 3 << "" << false;
    QTest::newRow("General") << 0 << "General" << false;
    QTest::newRow("day, month and year") << 164 << "dd/mm/yyyy" << true;
    QTest::newRow("year alone") << 165 << "yyyy" << true;
    QTest::newRow("d inside quoted text") << 166 << "\"days\" 0" << false;
    QTest::newRow("colour in brackets") << 167 << "[Red]#,##0" << false;
    QTest::newRow("escaped d") << 168 << "0\\d" << false;
    QTest::newRow("grouped amount") << 169 << "#,##0.00" << false;
}

void TestWorkbookCells::dateFormatsAreKnown() {
    QFETCH(int, identifier);
    QFETCH(QString, code);
    QFETCH(bool, date);
    const QByteArray bytes = code.toUtf8();
    QCOMPARE(numberFormatShowsDate(static_cast<std::size_t>(identifier),
                                   std::string_view(bytes.constData(), bytes.size())),
             date);
}

void TestWorkbookCells::numbersReadAsShown_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 120000.0 << "120000";
    QTest::newRow("fraction") << 1000.5 << "1000.5";
    QTest::newRow("large, without exponent") << 1e20 << "100000000000000000000";
    QTest::newRow("negative") << -42.0 << "-42";
    QTest::newRow("zero") << 0.0 << "0";
}

void TestWorkbookCells::numbersReadAsShown() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numberText(value), text);
}

// Texts written inline become references into the table of shared strings, each text once,
// the pieces of a rich text joined, every other cell left as it was.
void TestWorkbookCells::inlineTextsBecomeSharedStrings() {
    const QByteArray sheet =
        "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>CHAN</t></is></c>"
        "<c r=\"B1\" t=\"n\"><v>5</v></c>"
        "<c r=\"C1\" s=\"2\" t=\"inlineStr\"><is><r><t>TAI</t></r><r><t xml:space=\"preserve\"> "
        "MAN</t></r></is></c><c r=\"D1\" t=\"inlineStr\"><is><t>CHAN</t></is></c></row>";
    QList<QByteArray> strings;
    QHash<QByteArray, int> indexOf;
    const QByteArray rewritten = sharedInlineStrings(sheet, strings, indexOf, 3);
    QCOMPARE(rewritten, QByteArray("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>3</v></c>"
                                   "<c r=\"B1\" t=\"n\"><v>5</v></c>"
                                   "<c r=\"C1\" s=\"2\" t=\"s\"><v>4</v></c>"
                                   "<c r=\"D1\" t=\"s\"><v>3</v></c></row>"));
    QCOMPARE(strings, (QList<QByteArray>{"CHAN", "TAI MAN"}));
}

// A formula's value arrives after the sheet and takes its cell's place; a number whose format
// shows a date reads as the date; rows without a value are skipped.
void TestWorkbookCells::cellsAreTakenRowByRow() {
    SheetRows rows;
    rows.setSharedText(0, 0, 1);
    rows.setNumber(0, 2, 37347.75); // 1 April 2002, 6 p.m., counted from 30 December 1899
    rows.setFormat(0, 2, 1);
    rows.setFormat(2, 0, 0); // formatted, but empty
    rows.setTruth(3, 1, true);
    rows.setDate(3, 3, QDate(2001, 4, 1));
    rows.setNumber(3, 0, 240000); // a formula's value, given after the cells of its row
    const SheetRows::Reading reading{[](quint32 index) { return QByteArray::number(index * 10); },
                                     [](quint32 format) { return format == 1; },
                                     QDate(1899, 12, 30)};
    QList<csv::Record> taken;
    rows.takeRows(reading, [&taken](const csv::Record& record) { taken << record; });
    QCOMPARE(taken.size(), 2);
    QCOMPARE(taken.at(0).line, 1);
    QCOMPARE(taken.at(0).fields, (QStringList{"10", "", "01/04/2002"}));
    QCOMPARE(taken.at(0).dates.at(2), QDate(2002, 4, 1));
    QVERIFY(taken.at(0).dates.at(0).isNull());
    QCOMPARE(taken.at(1).line, 4);
    QCOMPARE(taken.at(1).fields, (QStringList{"240000", "TRUE", "", "01/04/2001"}));
    QCOMPARE(taken.at(1).dates.at(3), QDate(2001, 4, 1));
}

QTEST_GUILESS_MAIN(TestWorkbookCells)
#include "tst_workbook_cells.moc"
