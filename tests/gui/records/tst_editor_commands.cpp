// The record editor's commands: Create new record, Update, Delete, Quit/Cancel, Sort, and the
// tidy-up when the window closes.
#include "core/common/columns.h"
#include "support/editor_screen.h"

#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <tuple>

namespace {

// A record that passes every page check, as a user types it into a new record.
const QStringList completeTyping{
    "Surname=LEE",    "FirstName=Ka Yan", "Sex=F",      "RAddress1=2 Hill", "RAreaCode=K",
    "Capacity=Nurse", "EDay1=01",         "EMonth1=04", "EYear1=2000",      "EDay2=31",
    "EMonth2=03",     "EYear2=2001",      "QFlag=0",    "OSeaFlag=0"};

// Create new record (Alt+C), then the complete record typed into it.
bool typeNewRecord(const EditorScreen& editor) {
    editor.press(Qt::Key_C);
    if (!QTest::qWaitFor([&] { return editor.isIn(CommandState::NewRecord); }))
        return false;
    editor.typeAll(completeTyping);
    return true;
}

// The six work files of the save, under spellings that differ in case from the program's own.
const QStringList workFiles{"TEMP73D.MDB",          "temp73d.mdb-journal", "Temp73dc.mdb",
                            "TEMP73DC.MDB-JOURNAL", "~~LOG~~.MDB",         "~~log~~.mdb-journal"};

// The placeholder row stays in the table while the real records come and go.
const QString placeholderRows = QStringLiteral("select Status from employee where Status = 'H'");

// Which of the save's work files are still in the folder.
QStringList workFilesLeft(const QString& folder) {
    QStringList left = entriesIn(folder);
    left.removeIf([](const QString& name) { return !workFiles.contains(name); });
    return left;
}

// Changes to a complete new record, the page Update is pressed on, the message, and the page,
// field and text shown with it.
using SaveCase = std::tuple<QStringList, int, QString, int, QString, QString>;
const QString endDate = QStringLiteral("End date should not be later than 31 March 2001.");
const QString noResidence = QStringLiteral("Please enter Place of Residence indicator.");
// A new record or an edit, what makes the engine refuse it, what undoes that, the message.
using RefusalCase = std::tuple<bool, QString, QString, QString>;
const QString refuseInserts =
    QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON employee BEGIN "
                   "SELECT RAISE(ABORT, 'database table is locked'); END");
// Cancel on the record at this place in name order, a new record or an edit; the caption then.
using CancelCase = std::tuple<int, bool, QString>;
// The record deleted, by its place in name order, the answer, the caption after, the surnames
// left in identifier order.
using DeleteCase = std::tuple<int, bool, QString, QStringList>;
// Starting empty or with the only record deleted, the answer to the offer to quit, a work file
// that cannot be deleted.
using QuitCase = std::tuple<bool, bool, bool>;

const QString discardQuestion =
    QStringLiteral("The record has changes that are not saved. Do you want to discard them?");

} // namespace

class TestEditorCommands : public QObject {
    Q_OBJECT
private slots:
    void typedRecordsAreSavedAsTyped();
    void pageChecksStopTheSave_data();
    void pageChecksStopTheSave();
    void refusedSaveKeepsTheEdit_data();
    void refusedSaveKeepsTheEdit();
    void sortNumbersOriginalsInNameOrder();
    void cancelShowsTheRecordBefore_data();
    void cancelShowsTheRecordBefore();
    void deleteMovesToAnotherRecord_data();
    void deleteMovesToAnotherRecord();
    void withoutRecordsCancelAsksToQuit_data();
    void withoutRecordsCancelAsksToQuit();
    void quitAndClosingTidyUp();
    void refusedFieldDropsTheClickedCommand();
    void reloadShowsRecordsAddedBehindTheEditor();
};

// Fields of every page and kind, each column written from its own field; then a second record
// gets the next identifier.
void TestEditorCommands::typedRecordsAreSavedAsTyped() {
    EditorScreen editor;
    QVERIFY(editor.open());
    QCOMPARE(editor.services.texts(), QStringList{"No record found. Please add new record!"});
    const QStringList typing =
        completeTyping +
        QStringList{"Surname=chan",        "HKID=a123456",       "MStatus=2",
                    "SpouseName=Lee Mei",  "SpouseHKID=b654321", "jPeriod=P9 0104-3103",
                    "jIncome=1,000",       "kNature2=Car",       "QFlag=1",
                    "Q1Address1=Flat B",   "Q1Nature=Flat",      "Q1Period=2000-2001",
                    "Q1Rent3=1,300",       "OSeaFlag=1",         "OSeaName=Overseas Ltd",
                    "Remark=Left in March"};
    editor.typeAll(typing);
    click(editor.control("tChineseName"));
    commitFromInputMethod(editor.control("tChineseName"), QStringLiteral("陳大文"));
    editor.press(Qt::Key_U);
    QTRY_VERIFY(editor.isIn(CommandState::Browsing));

    QHash<QString, QString> expected{{"ID", "1"}, {"Status", "O"}, {"ChineseName", "陳大文"}};
    for (const QString& entry :
         typing + QStringList{"Surname=CHAN", "HKID=A123456", "SpouseHKID=B654321"}) {
        const auto [name, text] = columnAndValue(entry);
        expected.insert(name, text);
    }
    for (const ColumnDef& def : employeeColumns()) {
        const QString name = QLatin1String(def.name);
        QCOMPARE(name + u'=' + editor.db.column(name).value(0),
                 name + u'=' + expected.value(name, def.emptyAllowed ? "" : "(none)"));
    }
    // The first save leaves the placeholder row alone and the editor on the real records.
    QCOMPARE(editor.db.values(placeholderRows), QStringList{"H"});
    QCOMPARE(editor->records().source(), RecordSource::ByName);

    // The saved record is shown although the list is read again in name order.
    QVERIFY(typeNewRecord(editor));
    editor.press(Qt::Key_U);
    QTRY_VERIFY(editor.isIn(CommandState::Browsing));
    QCOMPARE(editor.element("tPage1", 0)->text(), QStringLiteral("LEE"));
    QCOMPARE(editor.db.column("ID") + editor.db.column("Surname"),
             (QStringList{"1", "2", "CHAN", "LEE"}));
    QCOMPARE(editor.services.boxes.size(), 1);
}

void TestEditorCommands::pageChecksStopTheSave_data() {
    QTest::addColumn<SaveCase>("saveCase");
    QTest::newRow("invalid: end date, shown on its page")
        << SaveCase{{"EDay2=01", "EMonth2=04"}, 4, endDate, 2, "tddmmyy(3)", "01"};
    QTest::newRow("invalid: three-digit start year, emptied")
        << SaveCase{{"EYear1=200"}, 1, "Invalid date. Please enter again.", 2, "tddmmyy(2)", ""};
    QTest::newRow("invalid: the visible page checked first")
        << SaveCase{{"Surname=", "QFlag="}, 3, noResidence, 3, "tQFlag", ""};
}

void TestEditorCommands::pageChecksStopTheSave() {
    QFETCH(SaveCase, saveCase);
    const auto& [changes, visiblePage, message, shownPage, focus, focusText] = saveCase;
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "AU", "Ming")}));
    QVERIFY(typeNewRecord(editor));
    editor.typeAll(changes);
    editor.clickPage(visiblePage);
    editor.press(Qt::Key_U);
    QTRY_COMPARE(editor.services.texts(), QStringList{message});
    QCOMPARE(editor.services.boxes.first().title, QStringLiteral("Error"));
    QVERIFY(editor->isPageVisible(shownPage));
    QCOMPARE(focusName(), focus);
    QCOMPARE(editor.control(focus)->text(), focusText);
    QVERIFY(editor.isIn(CommandState::NewRecord));
    QCOMPARE(editor.db.column("Surname"), QStringList{"AU"});
    QVERIFY(editor.control("tID")->text().isEmpty());
}

void TestEditorCommands::refusedSaveKeepsTheEdit_data() {
    QTest::addColumn<RefusalCase>("refusalCase");
    QTest::newRow("invalid: edit in a read-only database")
        << RefusalCase{false, "PRAGMA query_only = 1", "PRAGMA query_only = 0",
                       "The database file 'xw73d.mdb' cannot be changed: the file or its folder "
                       "is read-only."};
    QTest::newRow("invalid: new record refused by the engine")
        << RefusalCase{true, refuseInserts, "DROP TRIGGER refuse",
                       "The database engine reported an error: database table is locked."};
}

void TestEditorCommands::refusedSaveKeepsTheEdit() {
    QFETCH(RefusalCase, refusalCase);
    const auto& [newRecord, obstacle, removal, description] = refusalCase;
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(5, "AU", "Ming")}));
    if (newRecord)
        QVERIFY(typeNewRecord(editor));
    editor.typeAll({"CAddress=12 Harbour Road"});
    editor.db.state.db().exec(obstacle);
    editor.press(Qt::Key_U);
    QTRY_COMPARE(editor.services.texts(), QStringList{description});
    QVERIFY(editor.isIn(newRecord ? CommandState::NewRecord : CommandState::Editing));
    QCOMPARE(editor.element("tPage1", 7)->text(), QStringLiteral("12 Harbour Road"));
    QCOMPARE(editor.db.column("CAddress"), QStringList{"(none)"});

    // Once the engine accepts it again, the same Update saves what is on the screen.
    editor.db.state.db().exec(removal);
    editor.services.clear();
    editor.press(Qt::Key_U);
    QTRY_VERIFY(editor.isIn(CommandState::Browsing));
    QVERIFY(editor.services.boxes.isEmpty());
    QCOMPARE(editor.db.column("ID") + editor.db.column("CAddress"),
             newRecord ? (QStringList{"5", "6", "(none)", "12 Harbour Road"})
                       : (QStringList{"5", "12 Harbour Road"}));
}

// Surnames as Update stores them: leaving a lower-case surname would upper-case it and start an
// edit. The order's indifference to case and the other record types are the numbering's own test.
void TestEditorCommands::sortNumbersOriginalsInNameOrder() {
    EditorScreen editor;
    QVERIFY(editor.open({original(1, "WONG", "A"),
                         {"ID=2", "Status=R", "SheetNo=7", "Surname=BO"},
                         original(3, "CHAN", "A")}));
    click(editor.arrow("lastButton"));
    editor.clickPage(3);
    editor.press(Qt::Key_T);
    // The sort ends on the first record in name order, on page 1.
    QTRY_COMPARE(editor->records().position(), 0);
    QVERIFY(editor->isPageVisible(1));
    QCOMPARE(editor.db.column("SheetNo"), (QStringList{"2", "7", "1"}));
    QCOMPARE(editor->sheetCounter(), 2);
    QVERIFY(editor.isIn(CommandState::Browsing));
    QVERIFY(editor->isTracking());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(editor.services.boxes.isEmpty());
}

// Records in name order: AA (stored without identifier), AU, BO.
void TestEditorCommands::cancelShowsTheRecordBefore_data() {
    QTest::addColumn<CancelCase>("cancelCase");
    QTest::newRow("valid: edit, the saved record restored") << CancelCase{2, false, "BO, Lam"};
    QTest::newRow("valid: new record") << CancelCase{1, true, "AU, Ming"};
    // Cancel returns to the list's first row instead of failing to find the row it came from.
    QTest::newRow("boundary: new record begun on a row without identifier")
        << CancelCase{0, true, "AA, No Id"};
}

void TestEditorCommands::cancelShowsTheRecordBefore() {
    QFETCH(CancelCase, cancelCase);
    const auto& [position, newRecord, caption] = cancelCase;
    TempFolder reportTemp;
    QVERIFY(createFiles(reportTemp.path(), {"CRW1.TMP", "crw2.tmp", "other.tmp"}));
    const QByteArray tmp = qgetenv("TMP");
    qputenv("TMP", QFile::encodeName(reportTemp.path()));
    const auto restoreTmp = qScopeGuard([&] { qputenv("TMP", tmp); });
    EditorScreen editor;
    QVERIFY(editor.open({{"Status=O", "Surname=AA", "FirstName=No Id"},
                         completeRecord(1, "AU", "Ming"),
                         completeRecord(2, "BO", "Lam")}));
    for (int i = 0; i < position; ++i)
        click(editor.arrow("nextButton"));
    if (newRecord)
        editor.press(Qt::Key_C);
    QTRY_COMPARE(editor.navigator()->caption(), newRecord ? QStringLiteral("New Record") : caption);
    QCOMPARE(editor.spokenCaption(), editor.navigator()->caption());
    editor.typeAll({newRecord ? "Surname=ZEE" : "Capacity=ZEE"});
    QVERIFY(!editor.isIn(CommandState::Browsing));
    editor.press(Qt::Key_C);
    QTRY_VERIFY(editor.isIn(CommandState::Browsing));
    QCOMPARE(editor.navigator()->caption(), caption);
    QCOMPARE(editor.element("tPage1", 8)->text(),
             position == 0 ? QString() : QStringLiteral("Clerk"));
    QCOMPARE(editor.db.column("Capacity"), (QStringList{"(none)", "Clerk", "Clerk"}));
    QCOMPARE(entriesIn(reportTemp.path()), QStringList{"other.tmp"});
    QVERIFY(editor.services.boxes.isEmpty());
}

// Records in name order: AU, BO, CHU.
void TestEditorCommands::deleteMovesToAnotherRecord_data() {
    QTest::addColumn<DeleteCase>("deleteCase");
    QTest::newRow("valid: answered No") << DeleteCase{1, false, "BO, Lam", {"CHU", "AU", "BO"}};
    QTest::newRow("valid: to the next record") << DeleteCase{1, true, "CHU, Wai", {"CHU", "AU"}};
    QTest::newRow("boundary: last record, to the one before")
        << DeleteCase{2, true, "BO, Lam", {"AU", "BO"}};
}

void TestEditorCommands::deleteMovesToAnotherRecord() {
    QFETCH(DeleteCase, deleteCase);
    const auto& [position, answer, caption, left] = deleteCase;
    EditorScreen editor;
    editor.services.answers = {answer};
    QVERIFY(editor.open({completeRecord(1, "CHU", "Wai"), completeRecord(2, "AU", "Ming"),
                         completeRecord(3, "BO", "Lam")}));
    for (int i = 0; i < position; ++i)
        click(editor.arrow("nextButton"));
    editor.press(Qt::Key_D);
    const QString shown = QStringList{"AU, Ming", "BO, Lam", "CHU, Wai"}.at(position);
    QTRY_COMPARE(editor.services.texts(), QStringList{"Delete 1 employee record!\n\n" + shown});
    QCOMPARE(editor.services.boxes.first().title, QStringLiteral("CONFIRMATION"));
    QCOMPARE(editor.navigator()->caption(), caption);
    QCOMPARE(editor.db.column("Surname"), left);
    QVERIFY(editor.isIn(CommandState::Browsing));
}

void TestEditorCommands::withoutRecordsCancelAsksToQuit_data() {
    QTest::addColumn<QuitCase>("quitCase");
    QTest::newRow("valid: empty at start, stay") << QuitCase{true, false, false};
    QTest::newRow("valid: only record deleted, quit") << QuitCase{false, true, false};
    QTest::newRow("invalid: quit stopped by a work file") << QuitCase{true, true, true};
}

void TestEditorCommands::withoutRecordsCancelAsksToQuit() {
    QFETCH(QuitCase, quitCase);
    const auto& [startEmpty, quit, blocked] = quitCase;
    EditorScreen editor;
    ScriptedServices& services = editor.services;
    services.answers = startEmpty ? QList<bool>{quit} : QList<bool>{true, quit};
    const QString folder = editor.db.folder.path();
    QVERIFY(createFiles(folder, workFiles));
    if (blocked)
        QVERIFY(QDir(folder).mkpath(QStringLiteral("TEMP73D.MDB-JOURNAL/inside")));
    QVERIFY(editor.open(startEmpty ? QList<QStringList>{}
                                   : QList<QStringList>{completeRecord(1, "AU", "M")}));
    if (!startEmpty) {
        editor.press(Qt::Key_D);
        QTRY_COMPARE(services.lastText(),
                     QStringLiteral("No record remain at database. Please add new record!"));
        QCOMPARE(services.boxes.last().title, QStringLiteral("INFORMATION"));
        QCOMPARE(editor->records().source(), RecordSource::Placeholder);
        QCOMPARE(editor.navigator()->caption(), QStringLiteral("New Record"));
        QVERIFY(editor.isIn(CommandState::NewRecord));
    }
    editor.typeAll({"Surname=ZEE"});
    services.clear();
    editor.press(Qt::Key_C);
    QTRY_VERIFY(!services.boxes.isEmpty());
    QCOMPARE(services.boxes.first().text, QStringLiteral("Do you want to quit the program?"));
    const bool ended = quit && !blocked;
    QCOMPARE(services.ended, ended);
    QCOMPARE(services.boxes.size(), blocked ? 2 : 1);
    if (!blocked)
        QCOMPARE(workFilesLeft(folder).size(), ended ? 0 : workFiles.size());
    if (!ended) {
        QVERIFY(editor.isIn(CommandState::NewRecord));
        QVERIFY(editor.element("tPage1", 0)->text().isEmpty());
        // The database still waits for its first record, which Update then saves.
        editor.typeAll(completeTyping);
        editor.press(Qt::Key_U);
        QTRY_VERIFY(editor.isIn(CommandState::Browsing));
        QCOMPARE(editor.db.column("Surname"), QStringList{"LEE"});
    }
    QCOMPARE(editor.db.values(placeholderRows), QStringList{"H"});
}

// Quit deletes the work files and ends. Closing the window with a pending edit asks first: No
// keeps the window and the typing; Yes drops the edit and a row left without identifier, and
// deletes the work files.
void TestEditorCommands::quitAndClosingTidyUp() {
    EditorScreen editor;
    const QString folder = editor.db.folder.path();
    QVERIFY(createFiles(folder, workFiles));
    QVERIFY(editor.open(
        {completeRecord(1, "AU", "Ming"), {"Status=O", "Surname=ZZ", "FirstName=No Id"}}));
    editor.press(Qt::Key_Q);
    QTRY_VERIFY(editor.services.ended);
    QCOMPARE(editor.services.exitCode, 0);
    QCOMPARE(workFilesLeft(folder), QStringList{});
    QVERIFY(entriesIn(folder).contains(QStringLiteral("xw73d.mdb")));

    QVERIFY(createFiles(folder, workFiles));
    editor.typeAll({"Capacity=Manager"});
    QSignalSpy closed(editor.screen.get(), &RecordEditor::closed);
    editor->close();
    QCOMPARE(editor.services.texts(), QStringList{discardQuestion});
    QVERIFY(editor->isVisible() && closed.isEmpty());
    QCOMPARE(editor.element("tPage1", 8)->text(), QStringLiteral("Manager"));
    editor.services.answers = {true};
    editor->close();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!editor->isVisible());
    QCOMPARE(editor.db.column("Surname"), QStringList{"AU"});
    QCOMPARE(editor.db.column("Capacity"), QStringList{"Clerk"}); // the pending edit is dropped
    QCOMPARE(editor.db.values(placeholderRows), QStringList{"H"});
    QCOMPARE(editor->records().source(), RecordSource::None);
    QCOMPARE(workFilesLeft(folder), QStringList{});
    QCOMPARE(editor.services.texts(), QStringList(2, discardQuestion));
}

// A click that takes the focus from a field whose value is refused goes no further than the
// message: the clicked Update does not save the record with the other changes.
void TestEditorCommands::refusedFieldDropsTheClickedCommand() {
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "AU", "Ming")}));
    editor.typeAll({"CAddress=12 Harbour Road"});
    editor.paste(editor->field("Surname"), QStringLiteral("AU#1"));
    click(editor.control<QPushButton>("cUpdate"));
    QCOMPARE(editor.services.texts(), QStringList{"Invalid character found at Surname!"});
    QCOMPARE(editor->field("Surname")->text(), QStringLiteral("AU"));
    QVERIFY(editor.isIn(CommandState::Editing));
    QCOMPARE(editor.db.column("CAddress"), QStringList{"(none)"});
    editor.press(Qt::Key_U); // the next command is the user's own
    QTRY_VERIFY(editor.isIn(CommandState::Browsing));
    QCOMPARE(editor.db.column("CAddress"), QStringList{"12 Harbour Road"});
}

// Records written past the editor (an import) appear once it reloads: the list from its first
// record, the next identifier after theirs; a pending edit is dropped.
void TestEditorCommands::reloadShowsRecordsAddedBehindTheEditor() {
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "CHU", "Wai")}));
    editor.typeAll({"Capacity=Manager"});
    editor.db.addRecord(completeRecord(9, "AU", "Ming"));
    editor->reloadRecords();
    QVERIFY(editor.isIn(CommandState::Browsing));
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("AU, Ming"));
    QCOMPARE(editor->nextRecordId(), 10);
    QCOMPARE(editor->records().count(), 2);
    QCOMPARE(editor.db.column("Capacity"), (QStringList{"Clerk", "Clerk"}));
}

QTEST_MAIN(TestEditorCommands)
#include "tst_editor_commands.moc"
