#include "store/columns.h"
#include "store/database.h"
#include "store/rows.h"
#include "store/schema.h"
#include "store/sheet_numbers.h"
#include "support/temp_folder.h"

#include <QTest>

namespace {

Database createWorking(const TempFolder& folder) {
    CreateDB(folder.path(), 1);
    CreateEmployer(folder.path(), 1);
    CreateEmployee(folder.path(), 1);
    return Database::open(folder.file(schema::workingFile), OpenOptions{"qvz"});
}

// "-" stands for a column without a value.
QVariant valueOf(const QString& text) {
    return text == u'-' ? QVariant() : QVariant(text);
}

// Each record is "Status|SheetNo|Surname|FirstName"; they are added in the order given.
void addRecords(Database& db, const QStringList& records) {
    const Columns columns = employeeColumns();
    const QStringList names{"Status", "SheetNo", "Surname", "FirstName"};
    for (const QString& record : records) {
        const QStringList parts = record.split(u'|');
        RowValues row = emptyRow(columns);
        for (qsizetype i = 0; i < names.size(); ++i)
            row[columnIndex(columns, names[i])] = valueOf(parts[i]);
        insertRow(db, table::employee, columns, row);
    }
}

QStringList column(Database& db, const QString& sql) {
    QStringList values;
    Statement query = db.prepare(sql);
    while (query.next())
        values << (query.value(0).isNull() ? QStringLiteral("-") : query.value(0).toString());
    return values;
}

// Sheet numbers of the real records in the order they were added.
QStringList sheetNumbers(Database& db) {
    return column(db, "SELECT SheetNo FROM employee WHERE Status <> 'H' ORDER BY rowid");
}

QStringList placeholderRows(Database& db) {
    return column(db, "SELECT Status || '/' || ifnull(SheetNo, '-') FROM employee "
                      "WHERE Status = 'H'");
}

} // namespace

class TestSheetNumbers : public QObject {
    Q_OBJECT
private slots:
    void numbersOriginalsInNameOrder_data();
    void numbersOriginalsInNameOrder();
    void secondSortWritesTheSameNumbers();
    void failedSortChangesNothing();
};

void TestSheetNumbers::numbersOriginalsInNameOrder_data() {
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("count");
    QTest::newRow("case is ignored")
        << QStringList{"O| |Wong|Ann", "O| |Chan|Ann", "O| |cheung|Ann"}
        << QStringList{"3", "1", "2"} << 3;
    QTest::newRow("other names break ties")
        << QStringList{"O| |CHAN|Zoe", "O| |chan|amy", "O| |Chan|Bob"} << QStringList{"3", "1", "2"}
        << 3;
    QTest::newRow("replacement keeps its number and is not counted")
        << QStringList{"O| |Chan|C", "R|7|Chan|B", "O| |Chan|A"} << QStringList{"2", "7", "1"} << 2;
    QTest::newRow("supplementary may share a number")
        << QStringList{"S|1|Au|A", "O| |Bo|B"} << QStringList{"1", "1"} << 1;
    QTest::newRow("old numbers of originals are overwritten")
        << QStringList{"O|12|Ma|A", "O|000003|Ng|B"} << QStringList{"1", "2"} << 2;
    QTest::newRow("missing names come first")
        << QStringList{"O| |Au|A", "O| |-|A", "O| |Au|-"} << QStringList{"3", "1", "2"} << 3;
    QTest::newRow("lower-case type is not an original")
        << QStringList{"o|9|Au|A", "O| |Bo|B"} << QStringList{"9", "1"} << 1;
    QTest::newRow("no original record")
        << QStringList{"R|5|Au|A", "S|9|Bo|B"} << QStringList{"5", "9"} << 0;
    QTest::newRow("no record at all") << QStringList{} << QStringList{} << 0;
    QTest::newRow("more than nine records")
        << QStringList{"O| |A|-", "O| |B|-", "O| |C|-", "O| |D|-", "O| |E|-", "O| |F|-",
                       "O| |G|-", "O| |H|-", "O| |I|-", "O| |J|-", "O| |K|-"}
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"} << 11;
}

void TestSheetNumbers::numbersOriginalsInNameOrder() {
    QFETCH(QStringList, records);
    QFETCH(QStringList, expected);
    QFETCH(int, count);
    TempFolder folder;
    Database db = createWorking(folder);
    addRecords(db, records);
    QCOMPARE(numberOriginalRecords(db), count);
    QCOMPARE(sheetNumbers(db), expected);
    QCOMPARE(placeholderRows(db), QStringList{"H/-"});
}

// A second sort gives the same numbers; only numbers that change are written again.
void TestSheetNumbers::secondSortWritesTheSameNumbers() {
    TempFolder folder;
    Database db = createWorking(folder);
    addRecords(db, {"O| |Wong|A", "R|4|Ho|A", "O| |Chan|A"});
    QCOMPARE(numberOriginalRecords(db), 2);
    db.exec("CREATE TABLE written (SheetNo TEXT)");
    db.exec("CREATE TRIGGER logWrites AFTER UPDATE OF SheetNo ON employee "
            "BEGIN INSERT INTO written VALUES (NEW.SheetNo); END");
    QCOMPARE(numberOriginalRecords(db), 2);
    QCOMPARE(sheetNumbers(db), (QStringList{"2", "4", "1"}));
    QCOMPARE(column(db, "SELECT SheetNo FROM written"), QStringList());
    db.exec("UPDATE employee SET Surname = 'Au' WHERE Surname = 'Wong'");
    QCOMPARE(numberOriginalRecords(db), 2);
    QCOMPARE(sheetNumbers(db), (QStringList{"1", "4", "2"}));
    QCOMPARE(column(db, "SELECT SheetNo FROM written ORDER BY SheetNo"), (QStringList{"1", "2"}));
}

// The engine refuses the number 3 halfway through the sort; the numbers written before it are
// undone.
void TestSheetNumbers::failedSortChangesNothing() {
    TempFolder folder;
    Database db = createWorking(folder);
    addRecords(db, {"O|8|Au|A", "O|6|Bo|B", "R|2|Ca|C", "O|5|Do|D", "O| |Ee|E"});
    db.exec("CREATE TRIGGER refuseThird BEFORE UPDATE OF SheetNo ON employee "
            "WHEN NEW.SheetNo = '3' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const QStringList before = sheetNumbers(db);
    QVERIFY_THROWS_EXCEPTION(EngineError, numberOriginalRecords(db));
    QCOMPARE(sheetNumbers(db), before);

    // Nothing is left half open: the next sort starts its own transaction and completes.
    db.exec("DROP TRIGGER refuseThird");
    QCOMPARE(numberOriginalRecords(db), 4);
    QCOMPARE(sheetNumbers(db), (QStringList{"1", "2", "2", "3", "4"}));
}

QTEST_GUILESS_MAIN(TestSheetNumbers)
#include "tst_sheet_numbers.moc"
