#include "records/fNameSearch.h"
#include "records/navigator.h"
#include "store/columns.h"
#include "support/editor_screen.h"
#include "support/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QTreeWidget>

namespace {

using Typing = QList<std::pair<QString, QString>>; // column, text typed into its field

// A record that passes every page check for the return year 2001.
QHash<QString, QVariant> completeRecord(int id, const QString& surname, const QString& others) {
    return {{"ID", id},
            {"Status", "O"},
            {"SheetNo", " "},
            {"Surname", surname},
            {"FirstName", others},
            {"Sex", "M"},
            {"RAddress1", "1 Main Street"},
            {"RAreaCode", "H"},
            {"Capacity", "Clerk"},
            {"EDay1", "01"},
            {"EMonth1", "04"},
            {"EYear1", "2000"},
            {"EDay2", "31"},
            {"EMonth2", "03"},
            {"EYear2", "2001"},
            {"QFlag", 0},
            {"OSeaFlag", 0}};
}

// The same record as a user types it into a new record.
const Typing completeTyping{
    {"Surname", "LEE"}, {"FirstName", "Ka Yan"}, {"Sex", "F"},      {"RAddress1", "2 Hill Road"},
    {"RAreaCode", "K"}, {"Capacity", "Nurse"},   {"EDay1", "01"},   {"EMonth1", "04"},
    {"EYear1", "2000"}, {"EDay2", "31"},         {"EMonth2", "03"}, {"EYear2", "2001"},
    {"QFlag", "0"},     {"OSeaFlag", "0"}};

void typeAll(const EditorScreen& editor, const Typing& typing) {
    for (const auto& [column, text] : typing)
        editor.retype(column, text);
}

// Create new record (Alt+C), then the complete record typed into it.
bool typeNewRecord(const EditorScreen& editor) {
    editor.press(Qt::Key_C);
    if (!QTest::qWaitFor([&] { return editor->commandState() == fXW73D::CommandState::NewRecord; }))
        return false;
    typeAll(editor, completeTyping);
    return true;
}

// Chinese arrives from an input method as committed text, not as key presses.
void commitText(FieldEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

QString shown(const QVariant& value) {
    return value.isNull() ? QStringLiteral("(none)") : value.toString();
}

QStringList column(WorkingDatabase& db, const QString& name) {
    QStringList values;
    Statement read = db.state.db().prepare(
        QStringLiteral("select \"%1\" from employee where Status <> 'H' order by ID").arg(name));
    while (read.next())
        values << shown(read.value(0));
    return values;
}

QString focusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// The six work files of the save, under spellings that differ in case from the program's own.
const QStringList workFiles{"TEMP73D.MDB",          "temp73d.mdb-journal", "Temp73dc.mdb",
                            "TEMP73DC.MDB-JOURNAL", "~~LOG~~.MDB",         "~~log~~.mdb-journal"};

void createFiles(const QString& folder, const QStringList& names) {
    for (const QString& name : names) {
        QFile file(QDir(folder).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// Which of the save's work files are still in the folder.
QStringList workFilesLeft(const QString& folder) {
    QStringList left;
    for (const QString& name : workFiles)
        if (filesIn(folder).contains(name))
            left << name;
    return left;
}

// Sets an environment variable for one test.
struct ScopedEnvironment {
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnvironment() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

class TestEditorCommands : public QObject {
    Q_OBJECT
private slots:
    void typedRecordIsSavedAsTyped();
    void pageChecksStopTheSave_data();
    void pageChecksStopTheSave();
    void refusedSaveKeepsTheEdit_data();
    void refusedSaveKeepsTheEdit();
    void secondNewRecordGetsTheNextIdentifier();
    void sortNumbersOriginalsInNameOrder_data();
    void sortNumbersOriginalsInNameOrder();
    void cancelOfAnEditRestoresTheSavedRecord();
    void cancelOfANewRecordShowsTheRecordBefore();
    void cancelOfANewRecordBegunOnARowWithoutIdentifier();
    void deleteMovesToAnotherRecord_data();
    void deleteMovesToAnotherRecord();
    void deleteTakesTheNameOutOfTheSearchList();
    void withoutRecordsCancelAsksToQuit_data();
    void withoutRecordsCancelAsksToQuit();
    void quitDeletesTheWorkFilesAndEnds();
    void quitStopsWhenAWorkFileCannotBeDeleted();
    void closeTidiesUp();
};

void TestEditorCommands::typedRecordIsSavedAsTyped() {
    ScriptedServices services;
    WorkingDatabase db;
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    QCOMPARE(services.texts(), QStringList{"No record found. Please add new record!"});

    const Typing page1{{"Surname", "chan"},
                       {"FirstName", "Tai Man"},
                       {"HKID", "a123456"},
                       {"ChkDigit", "3"},
                       {"Passport", "P1234567 UK"},
                       {"Sex", "M"},
                       {"MStatus", "2"},
                       {"SpouseName", "Lee Mei Ling"},
                       {"SpouseHKID", "b654321"},
                       {"SpouseChkDigit", "A"},
                       {"SpousePassport", "K7654321 Canada"},
                       {"RAddress1", "Flat A, 1/F, 2 Main Street"},
                       {"RAddress2", "Central"},
                       {"RAreaCode", "H"},
                       {"CAddress", "PO Box 123, Central"},
                       {"Capacity", "Clerk"},
                       {"PEmployer", "Other Co Ltd"}};
    Typing page2{{"EDay1", "01"}, {"EMonth1", "04"}, {"EYear1", "2000"},
                 {"EDay2", "31"}, {"EMonth2", "03"}, {"EYear2", "2001"}};
    const QStringList lines{"a", "b", "c", "d",  "e",  "f",  "g",
                            "h", "i", "j", "k1", "k2", "k3", "l"};
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].size() == 1 ? lines[i] : QStringLiteral("k");
        const QString suffix = lines[i].mid(1);
        page2.append(
            {line + QStringLiteral("Period") + suffix, QStringLiteral("P%1 0104-3103").arg(i)});
        page2.append(
            {line + QStringLiteral("Income") + suffix, QStringLiteral("%1,000").arg(i + 1)});
    }
    page2 << Typing{{"kNature1", "Housing"}, {"kNature2", "Car"}, {"kNature3", "Meals"}};
    const Typing page3{{"QFlag", "1"},
                       {"Q1Address1", "Flat B, 3/F, Garden Road"},
                       {"Q1Address2", "Mid-Levels"},
                       {"Q1Nature", "Flat"},
                       {"Q1Period", "01/04/2000 - 31/03/2001"},
                       {"Q1Rent1", "1,100"},
                       {"Q1Rent2", "1,200"},
                       {"Q1Rent3", "1,300"},
                       {"Q1Rent4", "1,400"},
                       {"Q2Address1", "House 5, Lake Road"},
                       {"Q2Address2", "Sai Kung"},
                       {"Q2Nature", "House"},
                       {"Q2Period", "01/10/2000 - 31/03/2001"},
                       {"Q2Rent1", "2,100"},
                       {"Q2Rent2", "2,200"},
                       {"Q2Rent3", "2,300"},
                       {"Q2Rent4", "2,400"}};
    const Typing page4{{"OSeaFlag", "1"},
                       {"OSeaAmount", "HKD 5000"},
                       {"OSeaName", "Overseas Holdings Ltd"},
                       {"OSeaAddress", "1 Harbour Road, Singapore"},
                       {"FileNo", "12A-34567890"},
                       {"Remark", "Left in March"}};
    typeAll(editor, page1);
    commitText(editor->tChineseName, QStringLiteral("陳大文"));
    for (const Typing* page : std::initializer_list<const Typing*>{&page2, &page3, &page4})
        typeAll(editor, *page);
    editor.press(Qt::Key_U);
    QTRY_COMPARE(editor->commandState(), fXW73D::CommandState::Browsing);

    QHash<QString, QVariant> expected{{"ID", 1},
                                      {"Status", "O"},
                                      {"Surname", "CHAN"},
                                      {"HKID", "A123456"},
                                      {"SpouseHKID", "B654321"},
                                      {"ChineseName", "陳大文"},
                                      {"QFlag", 1},
                                      {"OSeaFlag", 1}};
    for (const Typing* page : std::initializer_list<const Typing*>{&page1, &page2, &page3, &page4})
        for (const auto& [name, text] : *page)
            if (!expected.contains(name))
                expected.insert(name, text);
    for (const ColumnDef& def : employeeColumns()) {
        const QString name = QLatin1String(def.name);
        QCOMPARE(name + u'=' + shown(db.value(1, name)), name + u'=' + shown(expected.value(name)));
    }
    // The first save leaves the placeholder row alone and the editor on the real records.
    QCOMPARE(db.count(QStringLiteral("Status = 'H'")), 1);
    QCOMPARE(editor->records().source(), RecordSource::ByName);
    QCOMPARE(editor->Data1->caption(), QStringLiteral("CHAN, Tai Man"));
    QCOMPARE(editor->tPage1[0]->text(), QStringLiteral("CHAN"));
    QCOMPARE(editor->cExit->text(), QStringLiteral("&Quit"));
    QVERIFY(editor->isPageVisible(1));
    QCOMPARE(editor->nextRecordId(), 2);
    editor->cNameSearch->click();
    QVERIFY(QTest::qWaitForWindowActive(editor->nameSearch()));
    QTRY_COMPARE(editor->nameSearch()->Outline1->topLevelItemCount(), 26);
    QCOMPARE(editor->nameSearch()->Outline1->topLevelItem(2)->child(0)->text(0),
             QStringLiteral("CHAN, Tai Man"));
    QCOMPARE(services.boxes.size(), 1);
}

void TestEditorCommands::pageChecksStopTheSave_data() {
    QTest::addColumn<Typing>("changes");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("visiblePage");
    QTest::addColumn<QString>("message"); // empty: the record is saved
    QTest::addColumn<int>("shownPage");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("emptied");

    const QString noSave;
    QTest::newRow("valid: the whole return year")
        << Typing{} << "O" << 2 << noSave << 1 << QString() << QString();
    QTest::newRow("valid: original without sheet number")
        << Typing{} << "O" << 1 << noSave << 1 << QString() << QString();
    QTest::newRow("boundary: start on 31 March before the year")
        << Typing{{"EMonth1", "03"}, {"EDay1", "31"}} << "O" << 1
        << "Start date should not be earlier than 01 April 2000." << 2 << "tddmmyy(0)" << QString();
    QTest::newRow("boundary: end on 1 April after the year")
        << Typing{{"EDay2", "01"}, {"EMonth2", "04"}} << "O" << 4
        << "End date should not be later than 31 March 2001." << 2 << "tddmmyy(3)" << QString();
    QTest::newRow("boundary: one-day period")
        << Typing{{"EDay2", "01"}, {"EMonth2", "04"}, {"EYear2", "2000"}} << "O" << 2
        << "Start date must be earlier than end date." << 2 << "tddmmyy(0)" << QString();
    QTest::newRow("invalid: three-digit start year")
        << Typing{{"EYear1", "200"}} << "O" << 1 << "Invalid date. Please enter again." << 2
        << "tddmmyy(2)"
        << "EYear1";
    QTest::newRow("invalid: no surname, page 3 complete")
        << Typing{{"Surname", ""}} << "O" << 3 << "Please enter surname." << 1 << "tPage1(0)"
        << QString();
    QTest::newRow("invalid: no surname, page 3 incomplete")
        << Typing{{"Surname", ""}, {"QFlag", ""}} << "O" << 3
        << "Please enter Place of Residence indicator." << 3 << "tQFlag" << QString();
    QTest::newRow("invalid: supplementary without sheet number")
        << Typing{} << "S" << 1 << "Please enter sheet number." << 1 << "tSheetNo" << QString();
    QTest::newRow("invalid: overseas company without name")
        << Typing{{"OSeaFlag", "1"}} << "O" << 1 << "Please enter name of overseas company." << 4
        << "tPage4(1)" << QString();
}

void TestEditorCommands::pageChecksStopTheSave() {
    QFETCH(Typing, changes);
    QFETCH(QString, status);
    QFETCH(int, visiblePage);
    QFETCH(QString, message);
    QFETCH(int, shownPage);
    QFETCH(QString, focus);
    QFETCH(QString, emptied);
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee(completeRecord(1, "AU", "Ming"));
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    QVERIFY(typeNewRecord(editor));
    if (status == u'S')
        QTest::mouseClick(editor->optStatus[2], Qt::LeftButton);
    typeAll(editor, changes);
    editor.clickPage(visiblePage);
    editor.press(Qt::Key_U);

    if (message.isEmpty()) {
        QTRY_COMPARE(editor->commandState(), fXW73D::CommandState::Browsing);
        QVERIFY(services.boxes.isEmpty());
        QCOMPARE(column(db, "Surname"), (QStringList{"AU", "LEE"}));
        QCOMPARE(editor->tID->text(), QStringLiteral("2"));
        return;
    }
    QTRY_COMPARE(services.texts(), QStringList{message});
    QCOMPARE(services.boxes.first().title, QStringLiteral("Error"));
    QVERIFY(editor->isPageVisible(shownPage));
    QCOMPARE(focusName(), focus);
    if (!emptied.isEmpty())
        QVERIFY(editor->field(emptied)->text().isEmpty());
    QCOMPARE(editor->commandState(), fXW73D::CommandState::NewRecord);
    QCOMPARE(db.count(), 2); // the placeholder and the one record
    QVERIFY(editor->tID->text().isEmpty());
}

void TestEditorCommands::refusedSaveKeepsTheEdit_data() {
    QTest::addColumn<bool>("newRecord");
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("removal");
    QTest::addColumn<QString>("description");
    const QString readOnly = "PRAGMA query_only = 1";
    const QString writable = "PRAGMA query_only = 0";
    const QString refusing = "CREATE TRIGGER refuse BEFORE %1 ON employee "
                             "BEGIN SELECT RAISE(ABORT, 'database table is locked'); END";
    const QString readOnlyText =
        "The database file 'xw73d.mdb' cannot be changed: the file or its folder is read-only.";
    const QString lockedText = "The database engine reported an error: database table is locked.";
    QTest::newRow("invalid: edit in a read-only database")
        << false << readOnly << writable << readOnlyText;
    QTest::newRow("invalid: new record in a read-only database")
        << true << readOnly << writable << readOnlyText;
    QTest::newRow("invalid: edit refused by the engine")
        << false << refusing.arg("UPDATE") << "DROP TRIGGER refuse" << lockedText;
    QTest::newRow("invalid: new record refused by the engine")
        << true << refusing.arg("INSERT") << "DROP TRIGGER refuse" << lockedText;
}

void TestEditorCommands::refusedSaveKeepsTheEdit() {
    QFETCH(bool, newRecord);
    QFETCH(QString, obstacle);
    QFETCH(QString, removal);
    QFETCH(QString, description);
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee(completeRecord(5, "AU", "Ming"));
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    if (newRecord) {
        QVERIFY(typeNewRecord(editor));
    }
    editor.retype("CAddress", "12 Harbour Road");
    db.state.db().exec(obstacle);
    editor.press(Qt::Key_U);

    QTRY_COMPARE(services.texts(), QStringList{description});
    QCOMPARE(editor->cExit->text(), QStringLiteral("&Cancel"));
    QVERIFY(editor->cUpdate->isEnabled());
    QCOMPARE(editor->tPage1[7]->text(), QStringLiteral("12 Harbour Road"));
    QCOMPARE(editor->tPage1[0]->text(), newRecord ? QStringLiteral("LEE") : QStringLiteral("AU"));
    QCOMPARE(column(db, "CAddress"), QStringList{"(none)"});

    // Once the engine accepts it again, the same Update saves what is on the screen.
    db.state.db().exec(removal);
    services.clear();
    editor.press(Qt::Key_U);
    QTRY_COMPARE(editor->commandState(), fXW73D::CommandState::Browsing);
    QVERIFY(services.boxes.isEmpty());
    QCOMPARE(column(db, "CAddress"), newRecord ? (QStringList{"(none)", "12 Harbour Road"})
                                               : QStringList{"12 Harbour Road"});
    QCOMPARE(column(db, "ID"), newRecord ? (QStringList{"5", "6"}) : QStringList{"5"});
    QCOMPARE(editor->tPage1[7]->text(), QStringLiteral("12 Harbour Road"));
}

void TestEditorCommands::secondNewRecordGetsTheNextIdentifier() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee(completeRecord(40, "WONG", "Anna"));
    db.addEmployee(completeRecord(7, "AU", "Ming"));
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    for (const QString surname : {"MAK", "HO"}) {
        QVERIFY(typeNewRecord(editor));
        editor.retype("Surname", surname);
        editor.press(Qt::Key_U);
        QTRY_COMPARE(editor->commandState(), fXW73D::CommandState::Browsing);
        // The saved record is shown although the list is read again in name order.
        QCOMPARE(editor->tPage1[0]->text(), surname);
    }
    QCOMPARE(column(db, "ID"), (QStringList{"7", "40", "41", "42"}));
    QCOMPARE(column(db, "Surname"), (QStringList{"AU", "WONG", "MAK", "HO"}));
    QCOMPARE(editor->tID->text(), QStringLiteral("42"));
    QVERIFY(services.boxes.isEmpty());
}

void TestEditorCommands::sortNumbersOriginalsInNameOrder_data() {
    QTest::addColumn<QStringList>("records"); // "Status|SheetNo|Surname", IDs 1, 2, 3...
    QTest::addColumn<QStringList>("numbers"); // by ID
    QTest::addColumn<int>("counted");
    // Surnames as Update stores them: leaving a lower-case surname would upper-case it and start
    // an edit. The order's indifference to case is the numbering's own test.
    QTest::newRow("valid: name order")
        << QStringList{"O| |WONG", "O| |CHAN", "O| |CHEUNG"} << QStringList{"3", "1", "2"} << 3;
    QTest::newRow("valid: replacement keeps its number")
        << QStringList{"O|4|AU", "R|7|BO", "O|9|CY"} << QStringList{"1", "7", "2"} << 2;
    QTest::newRow("boundary: no original record")
        << QStringList{"R|3|Au", "S|5|Bo"} << QStringList{"3", "5"} << 0;
}

void TestEditorCommands::sortNumbersOriginalsInNameOrder() {
    QFETCH(QStringList, records);
    QFETCH(QStringList, numbers);
    QFETCH(int, counted);
    ScriptedServices services;
    WorkingDatabase db;
    for (int i = 0; i < records.size(); ++i) {
        const QStringList parts = records[i].split(u'|');
        db.addEmployee({{"ID", i + 1},
                        {"Status", parts[0]},
                        {"SheetNo", parts[1]},
                        {"Surname", parts[2]},
                        {"FirstName", "A"}});
    }
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    for (int round = 0; round < 2; ++round) { // a second sort writes the same numbers
        QTest::mouseClick(editor->Data1->lastButton, Qt::LeftButton);
        editor.clickPage(3);
        QCOMPARE(editor->records().position(), records.size() - 1);
        editor.press(Qt::Key_T);
        // The sort ends on the first record in name order, on page 1.
        QTRY_COMPARE(editor->records().position(), 0);
        QVERIFY(editor->isPageVisible(1));
        QCOMPARE(column(db, "SheetNo"), numbers);
        QCOMPARE(editor->sheetCounter(), counted);
        QCOMPARE(editor->commandState(), fXW73D::CommandState::Browsing);
        QVERIFY(editor->isTracking());
        QVERIFY(!QApplication::overrideCursor());
    }
    QVERIFY(services.boxes.isEmpty());
}

void TestEditorCommands::cancelOfAnEditRestoresTheSavedRecord() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee(completeRecord(1, "AU", "Ming"));
    db.addEmployee(completeRecord(2, "BO", "Lam"));
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    QTest::mouseClick(editor->Data1->nextButton, Qt::LeftButton);
    editor.retype("Capacity", "Manager");
    QCOMPARE(editor->commandState(), fXW73D::CommandState::Editing);
    editor.press(Qt::Key_C);
    QTRY_COMPARE(editor->commandState(), fXW73D::CommandState::Browsing);
    QCOMPARE(editor->tPage1[0]->text(), QStringLiteral("BO"));
    QCOMPARE(editor->tPage1[8]->text(), QStringLiteral("Clerk"));
    QCOMPARE(editor->Data1->caption(), QStringLiteral("BO, Lam"));
    QCOMPARE(editor->cExit->text(), QStringLiteral("&Quit"));
    QCOMPARE(column(db, "Capacity"), (QStringList{"Clerk", "Clerk"}));
    QVERIFY(services.boxes.isEmpty());
}

void TestEditorCommands::cancelOfANewRecordShowsTheRecordBefore() {
    ScriptedServices services;
    WorkingDatabase db;
    TempFolder reportTemp;
    createFiles(reportTemp.path(), {"CRW1.TMP", "crw2.tmp", "CRW.TXT", "other.tmp"});
    const ScopedEnvironment tmp("TMP", QFile::encodeName(reportTemp.path()));
    db.addEmployee(completeRecord(1, "AU", "Ming"));
    db.addEmployee(completeRecord(2, "BO", "Lam"));
    db.addEmployee(completeRecord(3, "CHU", "Wai"));
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    QTest::mouseClick(editor->Data1->nextButton, Qt::LeftButton);
    editor.press(Qt::Key_C);
    QTRY_COMPARE(editor->Data1->caption(), QStringLiteral("New Record"));
    editor.retype("Surname", "ZEE");
    editor.press(Qt::Key_C);
    QTRY_COMPARE(editor->commandState(), fXW73D::CommandState::Browsing);
    QCOMPARE(editor->Data1->caption(), QStringLiteral("BO, Lam"));
    QCOMPARE(editor->tID->text(), QStringLiteral("2"));
    QCOMPARE(db.count(QStringLiteral("Status <> 'H'")), 3);
    QCOMPARE(filesIn(reportTemp.path()), (QStringList{"CRW.TXT", "other.tmp"}));
    QVERIFY(services.boxes.isEmpty());
    QVERIFY(!services.ended);
}

// A row left by an earlier version without identifier: Cancel returns to the list's first row
// instead of failing to find the row it came from.
void TestEditorCommands::cancelOfANewRecordBegunOnARowWithoutIdentifier() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee({{"Status", "O"}, {"Surname", "AA"}, {"FirstName", "No Id"}});
    db.addEmployee(completeRecord(1, "BO", "Lam"));
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    QCOMPARE(editor->Data1->caption(), QStringLiteral("AA, No Id"));
    editor.press(Qt::Key_C);
    QTRY_COMPARE(editor->commandState(), fXW73D::CommandState::NewRecord);
    editor.press(Qt::Key_C);
    QTRY_COMPARE(editor->commandState(), fXW73D::CommandState::Browsing);
    QCOMPARE(editor->Data1->caption(), QStringLiteral("AA, No Id"));
    QVERIFY(services.boxes.isEmpty());
}

void TestEditorCommands::deleteMovesToAnotherRecord_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("valid: answered No")
        << 1 << false << "BO, Lam" << QStringList{"CHU", "AU", "BO"};
    QTest::newRow("valid: first record") << 0 << true << "BO, Lam" << QStringList{"CHU", "BO"};
    QTest::newRow("valid: middle record") << 1 << true << "CHU, Wai" << QStringList{"CHU", "AU"};
    QTest::newRow("boundary: last record in name order")
        << 2 << true << "BO, Lam" << QStringList{"AU", "BO"};
}

void TestEditorCommands::deleteMovesToAnotherRecord() {
    QFETCH(int, position);
    QFETCH(bool, answer);
    QFETCH(QString, caption);
    QFETCH(QStringList, left);
    ScriptedServices services;
    services.answers = {answer};
    WorkingDatabase db;
    db.addEmployee(completeRecord(1, "CHU", "Wai"));
    db.addEmployee(completeRecord(2, "AU", "Ming"));
    db.addEmployee(completeRecord(3, "BO", "Lam"));
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    for (int i = 0; i < position; ++i)
        QTest::mouseClick(editor->Data1->nextButton, Qt::LeftButton);
    editor.press(Qt::Key_D);
    QTRY_COMPARE(services.texts(), QStringList{"Delete 1 employee record!"});
    QCOMPARE(services.boxes.first().title, QStringLiteral("CONFIRMATION"));
    QCOMPARE(editor->Data1->caption(), caption);
    QCOMPARE(column(db, "Surname"), left);
    QCOMPARE(editor->commandState(), fXW73D::CommandState::Browsing);
}

void TestEditorCommands::deleteTakesTheNameOutOfTheSearchList() {
    ScriptedServices services;
    services.answers = {true, true};
    WorkingDatabase db;
    db.addEmployee(completeRecord(1, "SMITH", "JOHN"));
    db.addEmployee(completeRecord(2, "SMITH", "PETER"));
    db.addEmployee(completeRecord(3, "WONG", "ANNA"));
    EditorScreen editor(db);
    editor->cNameSearch->click();
    fNameSearch* search = editor->nameSearch();
    QVERIFY(QTest::qWaitForWindowActive(search));
    QTRY_COMPARE(search->Outline1->topLevelItemCount(), 26);
    QTreeWidgetItem* letterS = search->Outline1->topLevelItem(18);
    const QRect peter = search->Outline1->visualItemRect(letterS->child(1));
    QTest::mouseClick(search->Outline1->viewport(), Qt::LeftButton, {}, peter.center());
    QCOMPARE(editor->Data1->caption(), QStringLiteral("SMITH, PETER"));

    // A name selected: that entry goes.
    editor->cDelete->click();
    QCOMPARE(letterS->childCount(), 1);
    QCOMPARE(letterS->child(0)->text(0), QStringLiteral("SMITH, JOHN"));
    QCOMPARE(editor->Data1->caption(), QStringLiteral("WONG, ANNA"));

    // A letter selected: the record's entry after it goes.
    search->Outline1->setCurrentItem(letterS);
    editor->cDelete->click();
    QTreeWidgetItem* letterW = search->Outline1->topLevelItem(22);
    QCOMPARE(letterW->childCount(), 0);
    QCOMPARE(letterS->childCount(), 1);
    QCOMPARE(column(db, "Surname"), QStringList{"SMITH"});
}

void TestEditorCommands::withoutRecordsCancelAsksToQuit_data() {
    QTest::addColumn<bool>("startEmpty"); // else the only record is deleted
    QTest::addColumn<bool>("quit");
    QTest::addColumn<bool>("blocked"); // a work file that cannot be deleted
    QTest::newRow("valid: empty at start, stay") << true << false << false;
    QTest::newRow("valid: empty at start, quit") << true << true << false;
    QTest::newRow("valid: only record deleted, stay") << false << false << false;
    QTest::newRow("valid: only record deleted, quit") << false << true << false;
    QTest::newRow("invalid: quit stopped by a work file") << true << true << true;
}

void TestEditorCommands::withoutRecordsCancelAsksToQuit() {
    QFETCH(bool, startEmpty);
    QFETCH(bool, quit);
    QFETCH(bool, blocked);
    ScriptedServices services;
    services.answers = startEmpty ? QList<bool>{quit} : QList<bool>{true, quit};
    WorkingDatabase db;
    createFiles(db.folder.path(), workFiles);
    if (blocked)
        QVERIFY(QDir(db.folder.path()).mkpath(QStringLiteral("TEMP73D.MDB-JOURNAL/inside")));
    if (!startEmpty)
        db.addEmployee(completeRecord(1, "AU", "Ming"));
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    if (!startEmpty) {
        editor.press(Qt::Key_D);
        QTRY_COMPARE(services.lastText(),
                     QStringLiteral("No record remain at database. Please add new record!"));
        QCOMPARE(services.boxes.last().title, QStringLiteral("INFORMATION"));
        QCOMPARE(editor->records().source(), RecordSource::Placeholder);
        QCOMPARE(editor->Data1->caption(), QStringLiteral("New Record"));
        QCOMPARE(editor->commandState(), fXW73D::CommandState::NewRecord);
    }
    editor.retype("Surname", "ZEE");
    services.clear();
    editor.press(Qt::Key_C);
    QTRY_VERIFY(!services.boxes.isEmpty());
    QCOMPARE(services.boxes.first().text, QStringLiteral("Do you want to quit the program?"));
    const bool ended = quit && !blocked;
    QCOMPARE(services.ended, ended);
    QCOMPARE(services.boxes.size(), blocked ? 2 : 1);
    if (!blocked)
        QCOMPARE(workFilesLeft(db.folder.path()), ended ? QStringList{} : workFiles);
    if (!ended) {
        QCOMPARE(editor->commandState(), fXW73D::CommandState::NewRecord);
        QCOMPARE(editor->Data1->caption(), QStringLiteral("New Record"));
        QVERIFY(editor->tPage1[0]->text().isEmpty());
        // The database still waits for its first record, which Update then saves.
        typeAll(editor, completeTyping);
        editor.press(Qt::Key_U);
        QTRY_COMPARE(editor->commandState(), fXW73D::CommandState::Browsing);
        QCOMPARE(column(db, "Surname"), QStringList{"LEE"});
    }
    QCOMPARE(db.count(QStringLiteral("Status = 'H'")), 1);
}

void TestEditorCommands::quitDeletesTheWorkFilesAndEnds() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee(completeRecord(1, "AU", "Ming"));
    createFiles(db.folder.path(), workFiles);
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    QCOMPARE(editor->cExit->text(), QStringLiteral("&Quit"));
    editor.press(Qt::Key_Q);
    QTRY_VERIFY(services.ended);
    QCOMPARE(services.exitCode, 0);
    QVERIFY(services.boxes.isEmpty());
    QCOMPARE(workFilesLeft(db.folder.path()), QStringList{});
    QVERIFY(filesIn(db.folder.path()).contains(QStringLiteral("xw73d.mdb")));
}

// A work file that is a non-empty folder cannot be deleted: the user is told and stays.
void TestEditorCommands::quitStopsWhenAWorkFileCannotBeDeleted() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee(completeRecord(1, "AU", "Ming"));
    QVERIFY(QDir(db.folder.path()).mkpath(QStringLiteral("TEMP73DC.MDB/inside")));
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    editor.press(Qt::Key_Q);
    QTRY_COMPARE(services.boxes.size(), 1);
    QCOMPARE(services.boxes.first().title, QStringLiteral("Error"));
    QVERIFY(services.lastText().contains(QStringLiteral("temp73dc.mdb")));
    QVERIFY(!services.ended);
}

void TestEditorCommands::closeTidiesUp() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee(completeRecord(1, "AU", "Ming"));
    db.addEmployee({{"Status", "O"}, {"Surname", "ZZ"}, {"FirstName", "No Id"}});
    createFiles(db.folder.path(), workFiles);
    EditorScreen editor(db);
    QVERIFY(activate(editor.get()));
    editor.retype("Capacity", "Manager");
    QSignalSpy closed(editor.get(), &fXW73D::closed);
    editor->close();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!editor->isVisible());
    QCOMPARE(column(db, "Surname"), QStringList{"AU"});
    QCOMPARE(column(db, "Capacity"), QStringList{"Clerk"}); // the pending edit is dropped
    QCOMPARE(db.count(QStringLiteral("Status = 'H'")), 1);
    QCOMPARE(editor->records().source(), RecordSource::None);
    QCOMPARE(workFilesLeft(db.folder.path()), QStringList{});
    QVERIFY(services.boxes.isEmpty());
}

QTEST_MAIN(TestEditorCommands)
#include "tst_editor_commands.moc"
