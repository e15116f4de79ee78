// The record list beside the editor: which records a filter lists and in what order, the lines
// as they read, windows of them by place, and that the filter is read from the name index.
#include "store/records/record_list_rows.h"
#include "store/records/working_indexes.h"
#include "support/working_database.h"

#include <QTest>

namespace {

// Six records in the order they were added (their rowids 2 to 7 after the placeholder row).
const QList<QStringList> sixRecords{
    {"ID=1", "Status=O", "SheetNo=2", "Surname=WONG", "FirstName=ANNA", "HKID=A123456",
     "ChkDigit=3", "aIncome=120,000", "eIncome=5,000"},
    {"ID=2", "Status=O", "SheetNo=1", "Surname=CHAN", "FirstName=TAI MAN", "HKID=AB987654",
     "ChkDigit=A"},
    {"ID=3", "Status=R", "SheetNo=17", "Surname=chan", "FirstName=SIU WONG", "kIncome3=1"},
    {"ID=4", "Status=S", "SheetNo=100", "Surname=LEE", "FirstName=KA_LOK"},
    {"ID=5", "Status=O", "SheetNo= ", "Surname=50% HOLDINGS", "FirstName=X"},
    {"ID=6", "Status=O", "SheetNo= ", "Surname=AU", "aIncome=1,2x"},
};

QStringList surnamesOf(const QList<RecordListRow>& lines) {
    QStringList surnames;
    for (const RecordListRow& line : lines)
        surnames << line.surname;
    return surnames;
}

} // namespace

class TestRecordListRows : public QObject {
    Q_OBJECT
private slots:
    void filterListsInNameOrder_data();
    void filterListsInNameOrder();
    void linesReadAsTheListShowsThem();
    void windowsAndPlacesFollowTheOrder();
    void readingOnFromALineGivesTheOrder();
    void filterReadsOnlyTheNameIndex();
    void olderNameIndexIsMadeAgain();
};

void TestRecordListRows::filterListsInNameOrder_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("surnames");
    // The two CHANs by their other names: SIU WONG before TAI MAN.
    const QStringList all{"50% HOLDINGS", "AU", "chan", "CHAN", "LEE", "WONG"};
    QTest::newRow("no filter: every record, case ignored") << ""
                                                           << "" << all;
    QTest::newRow("spaces only: no filter") << "  "
                                            << "" << all;
    QTest::newRow("surname, case ignored") << "Chan"
                                           << "" << QStringList{"chan", "CHAN"};
    QTest::newRow("surname and other names typed together") << "chan tai"
                                                            << "" << QStringList{"CHAN"};
    QTest::newRow("as the caption shows them") << "CHAN, SIU"
                                               << "" << QStringList{"chan"};
    QTest::newRow("part of other names") << "wong"
                                         << "" << QStringList{"chan", "WONG"};
    QTest::newRow("identity number with check character") << "A123456(3)"
                                                          << "" << QStringList{"WONG"};
    QTest::newRow("identity number, wrong check character") << "ab9876544"
                                                            << "" << QStringList{};
    QTest::newRow("identity number and check letter") << "AB987654A"
                                                      << "" << QStringList{"CHAN"};
    QTest::newRow("part of an identity number") << "98765"
                                                << "" << QStringList{"CHAN"};
    QTest::newRow("sheet number") << "17"
                                  << "" << QStringList{"chan"};
    QTest::newRow("sheet number inside a longer one") << "10"
                                                      << "" << QStringList{"LEE"};
    QTest::newRow("percent sign is no wildcard") << "%"
                                                 << "" << QStringList{"50% HOLDINGS"};
    QTest::newRow("underscore is no wildcard") << "A_L"
                                               << "" << QStringList{"LEE"};
    QTest::newRow("quote in the text") << "O'B"
                                       << "" << QStringList{};
    QTest::newRow("type: replacement") << ""
                                       << "R" << QStringList{"chan"};
    QTest::newRow("type: original") << ""
                                    << "O" << QStringList{"50% HOLDINGS", "AU", "CHAN", "WONG"};
    QTest::newRow("type and text together") << "chan"
                                            << "O" << QStringList{"CHAN"};
    QTest::newRow("nothing matches") << "ZZZ"
                                     << "" << QStringList{};
}

void TestRecordListRows::filterListsInNameOrder() {
    QFETCH(QString, text);
    QFETCH(QString, type);
    QFETCH(QStringList, surnames);
    WorkingDatabase db;
    for (const QStringList& record : sixRecords)
        db.addRecord(record);
    RecordListRows rows(db.state.db(), {text, type});
    QCOMPARE(rows.count(), surnames.size());
    QCOMPARE(surnamesOf(rows.window(0, 100)), surnames);
}

// The sheet number without its blank, the type's code, the identity number as printed, the
// income amounts added up; an amount that is no number leaves the total unknown.
void TestRecordListRows::linesReadAsTheListShowsThem() {
    WorkingDatabase db;
    for (const QStringList& record : sixRecords)
        db.addRecord(record);
    const QList<RecordListRow> lines = RecordListRows(db.state.db(), {}).window(0, 6);
    QCOMPARE(lines.size(), 6);
    const RecordListRow& wong = lines[5];
    QCOMPARE(wong.sheetNumber, QStringLiteral("2"));
    QCOMPARE(wong.type, QStringLiteral("O"));
    QCOMPARE(wong.firstName, QStringLiteral("ANNA"));
    QCOMPARE(wong.identity, QStringLiteral("A123456(3)"));
    QCOMPARE(wong.income, std::optional<qint64>(125000));
    QCOMPARE(lines[3].identity, QStringLiteral("AB987654(A)"));
    QCOMPARE(lines[2].income, std::optional<qint64>(1)); // the third other reward counts
    QCOMPARE(lines[4].income, std::optional<qint64>(0)); // no amounts at all
    QCOMPARE(lines[1].sheetNumber, QString());           // not yet numbered
    QCOMPARE(lines[1].identity, QString());
    QVERIFY(!lines[1].income.has_value()); // "1,2x"
}

void TestRecordListRows::windowsAndPlacesFollowTheOrder() {
    WorkingDatabase db;
    QStringList expected;
    for (int n = 1; n <= 250; ++n) { // added in reverse, so rowids and names disagree
        const QString surname = QStringLiteral("NAME%1").arg(251 - n, 3, 10, QLatin1Char('0'));
        db.addRecord({"ID=" + QString::number(n), "Status=O", "Surname=" + surname, "FirstName=X"});
        expected.prepend(surname);
    }
    RecordListRows rows(db.state.db(), {});
    QCOMPARE(rows.count(), 250);
    QCOMPARE(surnamesOf(rows.window(0, 64)), expected.mid(0, 64));
    QCOMPARE(surnamesOf(rows.window(192, 64)), expected.mid(192)); // the last, shorter window
    QVERIFY(rows.window(250, 64).isEmpty());
    const RecordListRow at100 = rows.window(100, 1).value(0);
    QCOMPARE(rows.placeOf(at100.rowId), 100);
    QCOMPARE(surnamesOf(rows.windowAfter(at100, 3)), expected.mid(101, 3));
    QCOMPARE(surnamesOf(rows.windowBefore(at100, 3)), expected.mid(97, 3));
    QCOMPARE(surnamesOf(rows.windowBefore(rows.window(0, 1).value(0), 3)), QStringList());
    QCOMPARE(surnamesOf(rows.windowAfter(rows.window(249, 1).value(0), 3)), QStringList());
    const qint64 key = at100.rowId;
    RecordListRows filtered(db.state.db(), {QStringLiteral("NAME15"), {}});
    QCOMPARE(filtered.count(), 10); // NAME150 to NAME159
    QCOMPARE(filtered.placeOf(key), -1);
    QCOMPARE(filtered.placeOf(filtered.window(3, 1).value(0).rowId), 3);
    QCOMPARE(surnamesOf(filtered.windowAfter(filtered.window(3, 1).value(0), 64)),
             expected.mid(153, 6)); // NAME154 to NAME159
}

// Read on from each line, forwards and backwards, two lines at a time: the same lines as counted
// from the top, also through equal names (by when added), names differing only in case and
// other names without a value, where reading on stops and counting takes over.
void TestRecordListRows::readingOnFromALineGivesTheOrder() {
    WorkingDatabase db;
    const QStringList names{"LEE|B", "lee|A", "LEE|~", "LEE|B", "AU|Z", "LEE|B", "MA|A", "Lee|b"};
    for (int i = 0; i < names.size(); ++i) {
        const QStringList parts = names[i].split(u'|');
        QStringList record{"ID=" + QString::number(i + 1), "Status=O", "Surname=" + parts[0]};
        if (parts[1] != u'~')
            record << "FirstName=" + parts[1];
        db.addRecord(record);
    }
    RecordListRows rows(db.state.db(), {});
    const QList<RecordListRow> all = rows.window(0, 100);
    QCOMPARE(all.size(), names.size());
    QCOMPARE(all[1].firstName, QString()); // LEE without other names, before lee, A
    for (int i = 0; i < all.size(); ++i) {
        const QList<RecordListRow> after = rows.windowAfter(all[i], 2);
        const QList<RecordListRow> before = rows.windowBefore(all[i], 2);
        if (!all[i].hasNames) {
            QVERIFY(after.isEmpty() && before.isEmpty());
            continue;
        }
        QList<qint64> expectedAfter, foundAfter, expectedBefore, foundBefore;
        for (const RecordListRow& line : all.mid(i + 1, 2))
            expectedAfter << line.rowId;
        for (const RecordListRow& line : after)
            foundAfter << line.rowId;
        for (const RecordListRow& line : all.mid(std::max(0, i - 2), std::min(i, 2)))
            expectedBefore << line.rowId;
        for (const RecordListRow& line : before)
            foundBefore << line.rowId;
        QCOMPARE(foundAfter, expectedAfter);
        QCOMPARE(foundBefore, expectedBefore);
    }
}

// The list's queries, filtered by text and type, are answered from the name index in its order:
// no read of the table, and no sort but that of each run of equal names by when they were added.
void TestRecordListRows::filterReadsOnlyTheNameIndex() {
    WorkingDatabase db;
    Database& login = db.state.db();
    const QString condition =
        QStringLiteral("Status <> 'H' and Status = 'O' and (ifnull(Surname, '') || ', ' || "
                       "ifnull(FirstName, '') like '%A%' escape '\\' or ifnull(Surname, '') || "
                       "' ' || ifnull(FirstName, '') like '%A%' escape '\\' or HKID || "
                       "ifnull(ChkDigit, '') like '%A%' escape '\\' or trim(SheetNo) like "
                       "'%A%' escape '\\')");
    for (const QString& query :
         {QStringLiteral("select rowid from employee where %1 order by Surname collate nocase, "
                         "FirstName collate nocase, rowid limit 64 offset 128"),
          QStringLiteral("select count(*) from employee where %1")}) {
        QString plans;
        Statement plan =
            login.prepare(QStringLiteral("explain query plan ") + query.arg(condition));
        while (plan.next())
            plans += plan.value(3).toString() + u'|';
        QVERIFY2(plans.contains("COVERING INDEX employee_by_name") &&
                     !plans.contains("TEMP B-TREE FOR ORDER BY"),
                 qPrintable(plans));
    }
}

// A database whose name index an earlier version made without the identity number gets it made
// again, once; the records stay as they were.
void TestRecordListRows::olderNameIndexIsMadeAgain() {
    WorkingDatabase db;
    db.addRecord(sixRecords[0]);
    Database& login = db.state.db();
    login.exec(QStringLiteral("DROP INDEX employee_by_name; CREATE INDEX employee_by_name ON "
                              "employee(Surname COLLATE NOCASE, FirstName COLLATE NOCASE, Status, "
                              "SheetNo) WHERE Status <> 'H'"));
    addWorkingIndexes(login);
    QVERIFY(db.values("select sql from sqlite_master where name = 'employee_by_name'")
                .value(0)
                .contains("HKID, ChkDigit"));
    QCOMPARE(db.column("Surname"), QStringList{"WONG"});
    QCOMPARE(RecordListRows(login, {QStringLiteral("A123456"), {}}).count(), 1);
}

QTEST_MAIN(TestRecordListRows)
#include "tst_record_list_rows.moc"
