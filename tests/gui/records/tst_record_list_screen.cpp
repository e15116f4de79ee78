// The record list beside the editor's pages, driven by keys and clicks: its filter finds and
// shows records, it moves the editor as the record control does and follows it, and it can be
// hidden, which the settings keep.
#include "core/platform/settings.h"
#include "gui/records/record_list_model.h"
#include "support/editor_screen.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QTableView>

namespace {

// In name order: AU, CHAN SIU (sheet 17, a replacement), CHAN TAI, WONG.
const QList<QStringList> fourRecords{
    original(1, "WONG", "ANNA") + QStringList{"HKID=A123456", "ChkDigit=3", "aIncome=120,000"},
    original(2, "CHAN", "TAI") + QStringList{"HKID=AB987654", "ChkDigit=A"},
    {"ID=3", "Status=R", "SheetNo=17", "Surname=CHAN", "FirstName=SIU"},
    original(4, "AU", "MING"),
};

struct ListParts {
    QLineEdit* filter;
    QComboBox* types;
    QTableView* table;
    QLabel* count;
};

ListParts partsOf(const EditorScreen& editor) {
    RecordListPanel* list = editor.recordList();
    return {list->findChild<QLineEdit*>("recordFilter"),
            list->findChild<QComboBox*>("recordTypeFilter"),
            list->findChild<QTableView*>("recordTable"), list->findChild<QLabel*>("recordCount")};
}

QString selectedSurname(QTableView* table) {
    const QModelIndex current = table->currentIndex();
    return current.isValid() && table->selectionModel()->isRowSelected(current.row())
               ? table->model()->index(current.row(), RecordListModel::Surname).data().toString()
               : QString();
}

void clickLine(QTableView* table, int line) {
    const QRect cell = table->visualRect(table->model()->index(line, RecordListModel::Surname));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

// A settings store of the test's own, installed for its length.
struct OwnSettings {
    OwnSettings() { previous = platform::setSettings(&settings); }
    ~OwnSettings() { platform::setSettings(previous); }
    platform::MemorySettings settings;
    platform::Settings* previous;
};

} // namespace

class TestRecordListScreen : public QObject {
    Q_OBJECT
private slots:
    void filterFindsAndShowsRecords_data();
    void filterFindsAndShowsRecords();
    void listAndEditorMoveTogether();
    void listFollowsSavesAndDeletions();
    void findShowsTheListAndTheUserMayHideIt();
};

void TestRecordListScreen::filterFindsAndShowsRecords_data() {
    QTest::addColumn<int>("startAt"); // places moved with the record control first
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("type"); // in the type filter: 0 all, 1 original, 2 replacement
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("count");
    QTest::newRow("identity number as printed") << 0 << "A123456(3)" << 0 << "WONG, ANNA"
                                                << "1 record";
    QTest::newRow("identity number typed in lower case") << 0 << "ab987654a" << 0 << "CHAN, TAI"
                                                         << "1 record";
    QTest::newRow("part of a surname: the first match") << 0 << "cha" << 0 << "CHAN, SIU"
                                                        << "2 records";
    QTest::newRow("the shown record still matches: it stays") << 2 << "chan" << 0 << "CHAN, TAI"
                                                              << "2 records";
    QTest::newRow("sheet number") << 0 << "17" << 0 << "CHAN, SIU"
                                  << "1 record";
    QTest::newRow("nothing matches: the record stays") << 1 << "zz" << 0 << "CHAN, SIU"
                                                       << "0 records";
    QTest::newRow("type only") << 0 << "" << 2 << "CHAN, SIU"
                               << "1 record";
    QTest::newRow("type and text") << 0 << "chan" << 1 << "CHAN, TAI"
                                   << "1 record";
}

void TestRecordListScreen::filterFindsAndShowsRecords() {
    QFETCH(int, startAt);
    QFETCH(QString, typed);
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(QString, count);
    OwnSettings settings;
    EditorScreen editor;
    editor.withRecordList = true;
    QVERIFY(editor.open(fourRecords));
    const ListParts list = partsOf(editor);
    QCOMPARE(list.count->text(), QStringLiteral("4 records"));
    for (int i = 0; i < startAt; ++i)
        click(editor.arrow("nextButton"));
    if (type > 0) {
        list.types->setFocus();
        for (int i = 0; i < type; ++i)
            press(Qt::Key_Down);
    }
    emit editor->findRequested(); // Ctrl+F from the menu
    QCOMPARE(focused(), list.filter);
    QTest::keyClicks(list.filter, typed);
    QCOMPARE(editor.navigator()->caption(), caption);
    QCOMPARE(list.count->text(), count);
    QCOMPARE(selectedSurname(list.table),
             count == QLatin1String("0 records") ? QString() : caption.section(u',', 0, 0));
    QVERIFY(editor.isIn(CommandState::Browsing));
    QCOMPARE(editor.services.beeps, 0);

    press(Qt::Key_Escape); // empties the filter; the record stays shown and selected
    QCOMPARE(list.filter->text(), QString());
    QCOMPARE(editor.navigator()->caption(), caption);
    QCOMPARE(selectedSurname(list.table), caption.section(u',', 0, 0));
}

// A click or an arrow in the list moves the editor, the record control moves the selection; a
// record being edited is not left: a beep, and the edited record stays selected.
void TestRecordListScreen::listAndEditorMoveTogether() {
    OwnSettings settings;
    EditorScreen editor;
    editor.withRecordList = true;
    QVERIFY(editor.open(fourRecords));
    const ListParts list = partsOf(editor);
    QCOMPARE(selectedSurname(list.table), QStringLiteral("AU"));
    clickLine(list.table, 3);
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("WONG, ANNA"));
    QCOMPARE(editor.control("tID")->text(), QStringLiteral("1"));
    press(Qt::Key_Up);
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("CHAN, TAI"));
    click(editor.arrow("firstButton"));
    QCOMPARE(selectedSurname(list.table), QStringLiteral("AU"));
    click(editor.arrow("nextButton"));
    QCOMPARE(list.table->currentIndex().row(), 1);

    editor.retype(editor->field("Capacity"), "CLERK");
    QVERIFY(editor.isIn(CommandState::Editing));
    editor.services.clear();
    clickLine(list.table, 3);
    QCOMPARE(editor.services.beeps, 1);
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("CHAN, SIU"));
    QCOMPARE(list.table->currentIndex().row(), 1);
    QVERIFY(editor.isIn(CommandState::Editing));
    emit editor->findRequested();
    QTest::keyClicks(list.filter, "WONG");
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("CHAN, SIU")); // the filter only lists
    QCOMPARE(list.count->text(), QStringLiteral("1 record"));
}

// After Update with a new surname, a new record and Delete the list reads as the table does,
// with the shown record selected.
void TestRecordListScreen::listFollowsSavesAndDeletions() {
    OwnSettings settings;
    EditorScreen editor;
    editor.withRecordList = true;
    editor.services.answers = {true};
    QVERIFY(editor.open({completeRecord(1, "AU", "MING"), completeRecord(2, "CHAN", "TAI")}));
    const ListParts list = partsOf(editor);
    editor->field("Surname")->setText(QStringLiteral("ZHANG"));
    editor.control<QPushButton>("cUpdate")->click();
    QVERIFY2(editor.isIn(CommandState::Browsing), qPrintable(editor.services.texts().join(u'/')));
    QCOMPARE(list.table->model()->index(1, RecordListModel::Surname).data().toString(),
             QStringLiteral("ZHANG"));
    QCOMPARE(selectedSurname(list.table), QStringLiteral("ZHANG"));
    editor.control<QPushButton>("cDelete")->click();
    QCOMPARE(editor.services.texts(), QStringList{"Delete 1 employee record!\n\nZHANG, MING"});
    QCOMPARE(list.count->text(), QStringLiteral("1 record"));
    QCOMPARE(selectedSurname(list.table), QStringLiteral("CHAN"));
    editor->reloadRecords(); // as an import does
    QCOMPARE(list.count->text(), QStringLiteral("1 record"));
    QCOMPARE(selectedSurname(list.table), QStringLiteral("CHAN"));
}

// F9 hides and shows the list, dragging the splitter shut hides it too, and the next editor
// opens it as it was left; Find brings a hidden list back with the keyboard in its filter.
void TestRecordListScreen::findShowsTheListAndTheUserMayHideIt() {
    OwnSettings settings;
    {
        EditorScreen editor;
        editor.withRecordList = true;
        QVERIFY(editor.open(fourRecords));
        QAction* toggle = recordListToggle(*editor.screen);
        QVERIFY(toggle && toggle->isChecked());
        // The Record menu offers it right after Find.
        auto* recordMenu = editor->findChild<QMenu*>("menuRecord");
        QVERIFY(recordMenu);
        const QList<QAction*> items = recordMenu->actions();
        QCOMPARE(items.value(items.indexOf(editor->findChild<QAction*>("actionFind")) + 1), toggle);
        QVERIFY(editor.recordList()->isVisible());
        press(Qt::Key_F9);
        QVERIFY(!editor.recordList()->isVisible());
        QVERIFY(!toggle->isChecked());
        QCOMPARE(settings.settings.value("recordList/hidden"), QVariant(true));
        emit editor->findRequested();
        QVERIFY(editor.recordList()->isVisible());
        QCOMPARE(focused(), partsOf(editor).filter);
        auto* splitter = editor.recordList()->parentWidget();
        QVERIFY(qobject_cast<QSplitter*>(splitter));
        auto* handle = static_cast<QSplitter*>(splitter)->handle(1);
        const QPoint grip = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseMove(handle, grip - QPoint(2000, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(2000, 0));
        QTRY_VERIFY(!toggle->isChecked());
        QCOMPARE(settings.settings.value("recordList/hidden"), QVariant(true));
    }
    EditorScreen again;
    again.withRecordList = true;
    QVERIFY(again.open(fourRecords));
    QVERIFY(!again.recordList()->isVisible());
    press(Qt::Key_F9);
    QVERIFY(again.recordList()->isVisible());
    QVERIFY(again.recordList()->width() > 0);
    QCOMPARE(settings.settings.value("recordList/hidden"), QVariant(false));
}

QTEST_MAIN(TestRecordListScreen)
#include "tst_record_list_screen.moc"
