// The editor's record list after a save or a deletion changes by the one entry; it must then be
// exactly the list a fresh read gives, with the saved record current.
#include "store/records/record_set.h"
#include "store/records/working_indexes.h"
#include "support/working_database.h"

#include <QTest>

namespace {

// Records as "SURNAME|OTHER NAMES", "~" for no other names; each gets its place as its ID.
void addNamed(WorkingDatabase& db, const QStringList& records) {
    for (int i = 0; i < records.size(); ++i) {
        const QStringList names = records[i].split(u'|');
        QStringList values{"ID=" + QString::number(i + 1), "Status=O", "Surname=" + names[0]};
        if (names[1] != u'~')
            values << "FirstName=" + names[1];
        db.addRecord(values);
    }
}

// The IDs in the list's order, read through its positions.
QStringList listedIds(RecordSet& records) {
    QStringList ids;
    for (int i = 0; i < records.count(); ++i) {
        records.moveTo(i);
        ids << records.value(QStringLiteral("ID")).toString();
    }
    return ids;
}

QStringList freshlyReadIds(Database& db) {
    RecordSet fresh(db);
    fresh.setSource(RecordSource::ByName);
    fresh.refresh();
    return listedIds(fresh);
}

void setNames(RecordSet& records, const QString& names) {
    const QStringList parts = names.split(u'|');
    records.setValue(QStringLiteral("Surname"), parts[0]);
    records.setValue(QStringLiteral("FirstName"), parts[1] == u'~' ? QVariant() : parts[1]);
}

qint64 schemaVersion(Database& db) {
    Statement read = db.prepare(QStringLiteral("PRAGMA schema_version"));
    read.next();
    return read.value(0).toLongLong();
}

} // namespace

class TestRecordList : public QObject {
    Q_OBJECT
private slots:
    void savedRecordTakesItsPlace_data();
    void savedRecordTakesItsPlace();
    void deletedRecordLeavesItsPlace_data();
    void deletedRecordLeavesItsPlace();
    void indexesAreAddedOnceAndServeTheList();
};

void TestRecordList::savedRecordTakesItsPlace_data() {
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<int>("edited"); // its place in name order; -1 for a new record
    QTest::addColumn<QString>("names");
    QTest::addColumn<QStringList>("order"); // IDs in name order after the save
    const QStringList three{"AU|A", "BO|B", "CHAN|C"};
    QTest::newRow("surname changed: first to last")
        << three << 0 << "ZEE|A" << QStringList{"2", "3", "1"};
    QTest::newRow("surname changed: last to first")
        << three << 2 << "AA|C" << QStringList{"3", "1", "2"};
    QTest::newRow("other names only, place kept")
        << three << 1 << "BO|Z" << QStringList{"1", "2", "3"};
    QTest::newRow("equal names: the order they were added")
        << QStringList{"CHAN|TAI", "DAVIS|X", "CHAN|TAI"} << 2 << "CHAN|TAI"
        << QStringList{"1", "2", "3"};
    QTest::newRow("new record with equal names: after them")
        << QStringList{"LEE|A", "LEE|A"} << -1 << "LEE|A" << QStringList{"1", "2", "3"};
    QTest::newRow("case ignored in surnames")
        << QStringList{"CHAN|A", "CHEUNG|A"} << -1 << "cheng|A" << QStringList{"1", "3", "2"};
    QTest::newRow("case ignored in other names")
        << QStringList{"LEE|ann", "LEE|Cat"} << -1 << "LEE|Ben" << QStringList{"1", "3", "2"};
    QTest::newRow("no other names before any")
        << QStringList{"LEE|A", "LEE|B"} << -1 << "LEE|~" << QStringList{"3", "1", "2"};
    QTest::newRow("a shorter surname first")
        << QStringList{"LEES|A", "LEF|A"} << -1 << "LEE|Z" << QStringList{"3", "1", "2"};
    // Only the letters A to Z ignore case; other characters order by their bytes, after them.
    QTest::newRow("accented and Chinese after Z")
        << QStringList{"\u00c9VA|A", "ZHANG|A", "\u9673|A"} << -1 << "\u00e9va|A"
        << QStringList{"2", "1", "4", "3"};
}

void TestRecordList::savedRecordTakesItsPlace() {
    QFETCH(QStringList, records);
    QFETCH(int, edited);
    QFETCH(QString, names);
    QFETCH(QStringList, order);
    WorkingDatabase db;
    addNamed(db, records);
    RecordSet list(db.state.db());
    list.setSource(RecordSource::ByName);
    list.refresh();
    if (edited < 0) {
        list.addNew();
        list.setValue(QStringLiteral("ID"), records.size() + 1);
        list.setValue(QStringLiteral("Status"), QStringLiteral("O"));
    } else {
        list.moveTo(edited);
        list.edit();
    }
    const QString savedId = list.value(QStringLiteral("ID")).toString();
    setNames(list, names);
    const NameChange change = list.update();
    QCOMPARE(list.value(QStringLiteral("ID")).toString(), savedId); // the saved record is current
    QCOMPARE(change.before.has_value(), edited >= 0);
    QCOMPARE(change.after->surname, list.value(QStringLiteral("Surname")));
    QCOMPARE(listedIds(list), order);
    QCOMPARE(freshlyReadIds(db.state.db()), order);
}

void TestRecordList::deletedRecordLeavesItsPlace_data() {
    QTest::addColumn<int>("deleted");
    QTest::addColumn<QString>("shownAfter"); // "" past the end
    QTest::newRow("boundary: first") << 0 << "2";
    QTest::newRow("valid: middle") << 1 << "3";
    QTest::newRow("boundary: last") << 2 << "";
}

void TestRecordList::deletedRecordLeavesItsPlace() {
    QFETCH(int, deleted);
    QFETCH(QString, shownAfter);
    WorkingDatabase db;
    const QStringList surnames{"AU", "BO", "CHAN"};
    addNamed(db, {"AU|A", "BO|B", "CHAN|C"});
    RecordSet list(db.state.db());
    list.setSource(RecordSource::ByName);
    list.refresh();
    list.moveTo(deleted);
    QCOMPARE(list.deleteCurrent().surname.toString(), surnames[deleted]);
    QCOMPARE(list.isEof(), shownAfter.isEmpty());
    if (!shownAfter.isEmpty())
        QCOMPARE(list.value(QStringLiteral("ID")).toString(), shownAfter);
    QCOMPARE(listedIds(list), freshlyReadIds(db.state.db()));
    QCOMPARE(list.count(), 2);
}

// A database of an earlier version gets the indexes; one that has them is not written again.
// The list and the search by ID are read through them, not by reading the table.
void TestRecordList::indexesAreAddedOnceAndServeTheList() {
    WorkingDatabase db;
    Database& login = db.state.db();
    login.exec(QStringLiteral("DROP INDEX employee_by_id; DROP INDEX employee_by_name"));
    addWorkingIndexes(login);
    QCOMPARE(db.values("select name from sqlite_master where type = 'index' order by name"),
             (QStringList{"employee_by_id", "employee_by_name"}));
    const qint64 version = schemaVersion(login);
    addWorkingIndexes(login);
    QCOMPARE(schemaVersion(login), version);
    QString plans;
    for (const char* query : {"select rowid, Status, SheetNo from employee where Status <> 'H' "
                              "order by Surname collate nocase, FirstName collate nocase, rowid",
                              "select rowid from employee where ID = 5"}) {
        Statement plan = login.prepare(QStringLiteral("explain query plan ") + query);
        while (plan.next())
            plans += plan.value(3).toString() + u'|';
    }
    QVERIFY2(plans.contains("COVERING INDEX employee_by_name") &&
                 plans.contains("INDEX employee_by_id") && !plans.contains("SCAN TABLE employee|"),
             qPrintable(plans));
}

QTEST_MAIN(TestRecordList)
#include "tst_record_list.moc"
