#include "store/records/sheet_numbers.h"
#include "support/working_database.h"

#include <QTest>

namespace {

// Each record is "Status|SheetNo|Surname|FirstName", "-" for a column without a value; they are
// added in the order given, with identifiers in that order.
void addRecords(WorkingDatabase& db, const QStringList& records) {
    const QStringList names{"Status", "SheetNo", "Surname", "FirstName"};
    for (int id = 1; id <= records.size(); ++id) {
        const QStringList parts = records[id - 1].split(u'|');
        QStringList values{QStringLiteral("ID=%1").arg(id)};
        for (qsizetype i = 0; i < names.size(); ++i)
            if (parts[i] != u'-')
                values << names[i] + u'=' + parts[i];
        db.addRecord(values);
    }
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

// The records, their numbers after the sort, the count of originals numbered.
void TestSheetNumbers::numbersOriginalsInNameOrder_data() {
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("count");
    const auto row = [](const char* name, const QStringList& records, const QStringList& expected,
                        int count) { QTest::newRow(name) << records << expected << count; };
    row("case is ignored", {"O| |Wong|Ann", "O| |Chan|Ann", "O| |cheung|Ann"}, {"3", "1", "2"}, 3);
    row("other names break ties", {"O| |CHAN|Zoe", "O| |chan|amy", "O| |Chan|Bob"}, {"3", "1", "2"},
        3);
    row("replacement keeps its number and is not counted",
        {"O| |Chan|C", "R|7|Chan|B", "O| |Chan|A"}, {"2", "7", "1"}, 2);
    row("supplementary may share a number", {"S|1|Au|A", "O| |Bo|B"}, {"1", "1"}, 1);
    row("old numbers of originals are overwritten", {"O|12|Ma|A", "O|000003|Ng|B"}, {"1", "2"}, 2);
    row("missing names come first", {"O| |Au|A", "O| |-|A", "O| |Au|-"}, {"3", "1", "2"}, 3);
    row("lower-case type is not an original", {"o|9|Au|A", "O| |Bo|B"}, {"9", "1"}, 1);
    row("no original record", {"R|5|Au|A", "S|9|Bo|B"}, {"5", "9"}, 0);
    row("no record at all", {}, {}, 0);
    QStringList eleven;
    for (char letter = 'A'; letter <= 'K'; ++letter)
        eleven << QStringLiteral("O| |%1|-").arg(letter);
    row("more than nine records", eleven, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
        11);
}

void TestSheetNumbers::numbersOriginalsInNameOrder() {
    QFETCH(QStringList, records);
    QFETCH(QStringList, expected);
    QFETCH(int, count);
    WorkingDatabase db;
    addRecords(db, records);
    QCOMPARE(numberOriginalRecords(db.state.db()), count);
    QCOMPARE(db.column("SheetNo"), expected);
    // The placeholder row is left alone, without number.
    QCOMPARE(db.values("SELECT SheetNo FROM employee WHERE Status = 'H'"), QStringList{"(none)"});
}

// A second sort gives the same numbers; only numbers that change are written again.
void TestSheetNumbers::secondSortWritesTheSameNumbers() {
    WorkingDatabase db;
    Database& engine = db.state.db();
    addRecords(db, {"O| |Wong|A", "R|4|Ho|A", "O| |Chan|A"});
    QCOMPARE(numberOriginalRecords(engine), 2);
    engine.exec("CREATE TABLE written (SheetNo TEXT)");
    engine.exec("CREATE TRIGGER logWrites AFTER UPDATE OF SheetNo ON employee "
                "BEGIN INSERT INTO written VALUES (NEW.SheetNo); END");
    QCOMPARE(numberOriginalRecords(engine), 2);
    QCOMPARE(db.column("SheetNo"), (QStringList{"2", "4", "1"}));
    QCOMPARE(db.values("SELECT SheetNo FROM written"), QStringList());
    engine.exec("UPDATE employee SET Surname = 'Au' WHERE Surname = 'Wong'");
    QCOMPARE(numberOriginalRecords(engine), 2);
    QCOMPARE(db.column("SheetNo"), (QStringList{"1", "4", "2"}));
    QCOMPARE(db.values("SELECT SheetNo FROM written ORDER BY SheetNo"), (QStringList{"1", "2"}));
}

// The engine refuses the number 3 halfway through the sort; the numbers written before it are
// undone, and nothing is left half open: the next sort starts its own transaction and completes.
void TestSheetNumbers::failedSortChangesNothing() {
    WorkingDatabase db;
    Database& engine = db.state.db();
    addRecords(db, {"O|8|Au|A", "O|6|Bo|B", "R|2|Ca|C", "O|5|Do|D", "O| |Ee|E"});
    engine.exec("CREATE TRIGGER refuseThird BEFORE UPDATE OF SheetNo ON employee "
                "WHEN NEW.SheetNo = '3' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const QStringList before = db.column("SheetNo");
    QVERIFY_THROWS_EXCEPTION(EngineError, numberOriginalRecords(engine));
    QCOMPARE(db.column("SheetNo"), before);
    engine.exec("DROP TRIGGER refuseThird");
    QCOMPARE(numberOriginalRecords(engine), 4);
    QCOMPARE(db.column("SheetNo"), (QStringList{"1", "2", "2", "3", "4"}));
}

QTEST_GUILESS_MAIN(TestSheetNumbers)
#include "tst_sheet_numbers.moc"
