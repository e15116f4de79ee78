// The editor's record session without a screen, on a real working database: the command states,
// the identifiers, the no-record mode and what each command leaves current.
#include "store/records/record_session.h"
#include "support/working_database.h"

#include <QTest>

namespace {

const QStringList completePages{
    "Sex=M",      "RAddress1=1 Main St", "RAreaCode=H", "Capacity=Clerk",
    "EDay1=01",   "EMonth1=04",          "EYear1=2000", "EDay2=31",
    "EMonth2=03", "EYear2=2001",         "QFlag=0",     "OSeaFlag=0"};

// A record that passes every page check for the return year 2001.
QStringList complete(int id, const QString& surname, const QString& others) {
    return QStringList{"ID=" + QString::number(id), "Status=O", "Surname=" + surname,
                       "FirstName=" + others} +
           completePages;
}

// The texts the fields show now with the "Column=text" entries typed over them.
FieldTexts typedOver(const RecordSession& session, const QStringList& typing) {
    FieldTexts texts = session.currentTexts();
    for (const QString& entry : typing) {
        const auto [column, text] = columnAndValue(entry);
        texts.insert(column, text);
    }
    return texts;
}

QString current(const RecordSession& session, const char* column) {
    return session.records().value(QLatin1String(column)).toString();
}

} // namespace

class TestRecordSession : public QObject {
    Q_OBJECT
private slots:
    void reloadFindsTheRecordsOrNone();
    void firstRecordLeavesTheNoRecordMode();
    void pageFailureWritesNothing_data();
    void pageFailureWritesNothing();
    void savedNamesTakeTheirPlace();
    void refusedSaveKeepsTheEdit();
    void cancelReturnsToTheRememberedRecord_data();
    void cancelReturnsToTheRememberedRecord();
    void removeStandsOnTheNextRecord_data();
    void removeStandsOnTheNextRecord();
    void sortNumbersTheOriginals();
    void incompleteLastRowIsRemovedOnClose_data();
    void incompleteLastRowIsRemovedOnClose();
};

void TestRecordSession::reloadFindsTheRecordsOrNone() {
    WorkingDatabase db;
    RecordSession session(db.state.db());
    QVERIFY(!session.reload());
    QVERIFY(session.isNoRecordMode());
    QCOMPARE(session.records().source(), RecordSource::Placeholder);
    QCOMPARE(session.nextRecordId(), 1);
    QCOMPARE(session.rememberedId().toInt(), 1);

    db.addRecord(complete(7, "WONG", "ANNA"));
    db.addRecord(complete(3, "CHAN", "TAI"));
    QVERIFY(session.reload());
    QVERIFY(!session.isNoRecordMode());
    // The next identifier follows the highest, which is not the first record by name.
    QCOMPARE(session.nextRecordId(), 8);
    QCOMPARE(current(session, "Surname"), QStringLiteral("CHAN"));
    QCOMPARE(session.currentTexts().value("ID"), QStringLiteral("3"));
}

void TestRecordSession::firstRecordLeavesTheNoRecordMode() {
    WorkingDatabase db;
    RecordSession session(db.state.db());
    QVERIFY(!session.reload());
    session.addNew();
    QCOMPARE(session.state(), CommandState::NewRecord);
    const FieldTexts typed = typedOver(
        session, QStringList{"Status=O", "Surname=chan", "FirstName=Tai Man"} + completePages);
    const RecordSession::SaveOutcome saved = session.save(typed, "2001", 1);
    QVERIFY(saved.saved());
    QCOMPARE(saved.changedTexts.value("ID"), QStringLiteral("1"));
    QCOMPARE(saved.changedTexts.value("Surname"), QStringLiteral("CHAN"));
    QCOMPARE(session.nextRecordId(), 2);
    QVERIFY(session.showSavedRecord());
    QVERIFY(!session.isNoRecordMode());
    QCOMPARE(session.records().source(), RecordSource::ByName);
    QCOMPARE(current(session, "ID"), QStringLiteral("1"));
    QCOMPARE(db.column("Surname"), QStringList{"CHAN"});

    // The second new record takes the next identifier; the list is not read again for it.
    QVERIFY(!session.rememberCurrentId());
    session.addNew();
    session.save(typedOver(session, complete(0, "AU", "B").mid(1) << "ID="), "2001", 1);
    QVERIFY(!session.showSavedRecord());
    QCOMPARE(current(session, "ID"), QStringLiteral("2"));
    QCOMPARE(session.nextRecordId(), 3);
}

void TestRecordSession::pageFailureWritesNothing_data() {
    QTest::addColumn<QStringList>("typing");
    QTest::addColumn<int>("visiblePage");
    QTest::addColumn<int>("failedPage");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("namesUpperCased");
    QTest::newRow("no surname, page 3 visible: page 1 reached")
        << QStringList{"Surname=", "HKID=a123456"} << 3 << 1 << "Please enter surname." << true;
    QTest::newRow("page 3 incomplete and visible: page 1 not reached")
        << QStringList{"Surname=", "HKID=a123456", "QFlag="} << 3 << 3
        << "Please enter Place of Residence indicator." << false;
    QTest::newRow("start before the year, page 1 visible")
        << QStringList{"HKID=a123456", "EYear1=1999", "EMonth1=03", "EDay1=31"} << 1 << 2
        << "Start date should not be earlier than 01 April 2000." << true;
}

void TestRecordSession::pageFailureWritesNothing() {
    QFETCH(QStringList, typing);
    QFETCH(int, visiblePage);
    QFETCH(int, failedPage);
    QFETCH(QString, message);
    QFETCH(bool, namesUpperCased);
    WorkingDatabase db;
    RecordSession session(db.state.db());
    session.reload();
    session.addNew();
    const FieldTexts typed =
        typedOver(session, complete(0, "lee", "Ka").mid(1) + QStringList{"ID="} + typing);
    const RecordSession::SaveOutcome outcome = session.save(typed, "2001", visiblePage);
    QVERIFY(outcome.failure);
    QCOMPARE(outcome.failure->page, failedPage);
    QCOMPARE(outcome.failure->message, message);
    QCOMPARE(outcome.changedTexts.value("HKID"),
             namesUpperCased ? QStringLiteral("A123456") : QString());
    QVERIFY(!outcome.changedTexts.contains("ID"));
    QCOMPARE(session.nextRecordId(), 1);
    QCOMPARE(session.records().editMode(), EditMode::Add);
    QCOMPARE(db.column("Surname"), QStringList());
}

void TestRecordSession::savedNamesTakeTheirPlace() {
    WorkingDatabase db;
    db.addRecord(complete(1, "AU", "A"));
    db.addRecord(complete(2, "BO", "B"));
    RecordSession session(db.state.db());
    session.reload();
    QVERIFY(!session.rememberCurrentId());
    session.beginEdit();
    QCOMPARE(session.state(), CommandState::Editing);
    const auto outcome = session.save(typedOver(session, {"Surname=zee"}), "2001", 1);
    QVERIFY(outcome.saved());
    QCOMPARE(outcome.change.before->surname.toString(), QStringLiteral("AU"));
    QCOMPARE(outcome.change.after->surname.toString(), QStringLiteral("ZEE"));
    QVERIFY(!session.showSavedRecord());
    QCOMPARE(current(session, "ID"), QStringLiteral("1"));
    QCOMPARE(session.records().position(), 1);
    QCOMPARE(db.column("Surname"), (QStringList{"ZEE", "BO"}));
    session.endEdit();
    QCOMPARE(session.state(), CommandState::Browsing);
}

// A value the column cannot hold is refused by the store; the record stays in its edit state
// with every typed text, and a new record keeps the identifier it was given.
void TestRecordSession::refusedSaveKeepsTheEdit() {
    WorkingDatabase db;
    db.addRecord(complete(1, "AU", "A"));
    RecordSession session(db.state.db());
    session.reload();
    session.addNew();
    const FieldTexts typed =
        typedOver(session, complete(0, "LEE", "Ka").mid(1) +
                               QStringList{"ID=", "Remark=" + QString(61, u'x')});
    const RecordSession::SaveOutcome outcome = session.save(typed, "2001", 1);
    QVERIFY(outcome.refusal);
    QVERIFY(!outcome.saved());
    QCOMPARE(outcome.changedTexts.value("ID"), QStringLiteral("2"));
    QCOMPARE(session.state(), CommandState::NewRecord);
    QCOMPARE(session.records().editMode(), EditMode::Add);
    QCOMPARE(session.nextRecordId(), 3);
    QCOMPARE(db.column("Surname"), QStringList{"AU"});
}

void TestRecordSession::cancelReturnsToTheRememberedRecord_data() {
    QTest::addColumn<bool>("newRecord");
    QTest::newRow("edit of a browsed record") << false;
    QTest::newRow("new record begun on it") << true;
}

void TestRecordSession::cancelReturnsToTheRememberedRecord() {
    QFETCH(bool, newRecord);
    WorkingDatabase db;
    db.addRecord(complete(1, "AU", "A"));
    db.addRecord(complete(2, "BO", "B"));
    RecordSession session(db.state.db());
    session.reload();
    session.records().moveLast();
    QVERIFY(!session.rememberCurrentId());
    if (newRecord)
        session.addNew();
    else
        session.beginEdit();
    session.records().setValue("Surname", "CHANGED");
    session.cancel();
    QCOMPARE(session.records().editMode(), EditMode::None);
    QCOMPARE(current(session, "ID"), QStringLiteral("2"));
    QCOMPARE(current(session, "Surname"), QStringLiteral("BO"));
    QCOMPARE(db.column("Surname"), (QStringList{"AU", "BO"}));
}

void TestRecordSession::removeStandsOnTheNextRecord_data() {
    QTest::addColumn<QStringList>("surnames");
    QTest::addColumn<int>("removedAt");
    QTest::addColumn<QString>("shown"); // "" for none left
    QTest::newRow("first: the next one") << QStringList{"AU", "BO", "CHAN"} << 0 << "BO";
    QTest::newRow("last: the one before it") << QStringList{"AU", "BO", "CHAN"} << 2 << "BO";
    QTest::newRow("the only one: none left") << QStringList{"AU"} << 0 << "";
}

void TestRecordSession::removeStandsOnTheNextRecord() {
    QFETCH(QStringList, surnames);
    QFETCH(int, removedAt);
    QFETCH(QString, shown);
    WorkingDatabase db;
    for (int i = 0; i < surnames.size(); ++i)
        db.addRecord(complete(i + 1, surnames[i], "X"));
    RecordSession session(db.state.db());
    session.reload();
    session.records().moveTo(removedAt);
    const RecordSession::Removal removal = session.remove();
    QCOMPARE(removal.removed.surname.toString(), surnames[removedAt]);
    QCOMPARE(removal.noneLeft, shown.isEmpty());
    QCOMPARE(session.isNoRecordMode(), shown.isEmpty());
    if (shown.isEmpty())
        QCOMPARE(session.records().source(), RecordSource::Placeholder);
    else
        QCOMPARE(current(session, "Surname"), shown);
    QCOMPARE(db.column("Surname").size(), surnames.size() - 1);
}

void TestRecordSession::sortNumbersTheOriginals() {
    WorkingDatabase db;
    db.addRecord(complete(1, "Wong", "A"));
    db.addRecord(complete(2, "Chan", "B"));
    db.addRecord({"ID=3", "Status=R", "Surname=cheung", "FirstName=C", "SheetNo=7"});
    RecordSession session(db.state.db());
    session.reload();
    session.sort();
    QCOMPARE(session.sheetCounter(), 2);
    QCOMPARE(db.column("SheetNo"), (QStringList{"2", "1", "7"}));
}

void TestRecordSession::incompleteLastRowIsRemovedOnClose_data() {
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("removed");
    QTest::newRow("original without identifier") << "O" << true;
    QTest::newRow("placeholder row") << "H" << false;
    QTest::newRow("placeholder in lower case") << "h" << false;
}

void TestRecordSession::incompleteLastRowIsRemovedOnClose() {
    QFETCH(QString, status);
    QFETCH(bool, removed);
    WorkingDatabase db;
    db.addRecord(complete(1, "AU", "A"));
    db.addRecord({"Status=" + status, "Surname=ZZ"});
    const QString count = QStringLiteral("select count(*) from employee where Surname = 'ZZ'");
    RecordSession session(db.state.db());
    session.reload();
    // The placeholder row is not in the name order; it is bound as an empty database binds it.
    if (status.compare(u"H", Qt::CaseInsensitive) == 0)
        session.records().setSource(RecordSource::Placeholder);
    session.records().refresh();
    session.removeIncompleteLastRow();
    QCOMPARE(db.values(count), QStringList{removed ? "0" : "1"});
    session.release();
    QCOMPARE(session.records().source(), RecordSource::None);
    QVERIFY(session.records().isEmpty());
}

QTEST_GUILESS_MAIN(TestRecordSession)
#include "tst_record_session.moc"
