// The record editor's frame: opening, the record control, command states, record type, pages
// and the name search.
#include "gui/records/name_search_window.h"
#include "support/editor_screen.h"

#include <QLineEdit>
#include <QTreeView>
#include <tuple>

namespace {

const QStringList browsingCommands{"cNew",  "cDelete", "cExit",     "cNameSearch",
                                   "cSort", "cPrint",  "cPrintAll", "cSaveFloppy"};
const QStringList editingCommands{"cUpdate", "cExit"};

QTreeView* outlineOf(NameSearchWindow* window) {
    return window->findChild<QTreeView*>("Outline1");
}

// An entry of the outline: a letter (0 for A), or a name under it.
QModelIndex entry(QTreeView* outline, int letter, int name = -1) {
    const QModelIndex letterIndex = outline->model()->index(letter, 0);
    return name < 0 ? letterIndex : outline->model()->index(name, 0, letterIndex);
}

int namesUnder(QTreeView* outline, int letter) {
    return outline->model()->rowCount(entry(outline, letter));
}

QString currentText(QTreeView* outline) {
    return outline->currentIndex().data().toString();
}

QStringList outlineTexts(QTreeView* outline) {
    QStringList all;
    for (int letter = 0; letter < outline->model()->rowCount(); ++letter) {
        all << entry(outline, letter).data().toString();
        for (int name = 0; name < namesUnder(outline, letter); ++name)
            all << QStringLiteral("  ") + entry(outline, letter, name).data().toString();
    }
    return all;
}

// The outline's texts with each letter's open state, as the user sees them (a letter without
// names shows none).
QStringList shownOutline(QTreeView* outline) {
    QStringList shown = outlineTexts(outline);
    for (int letter = 0; letter < outline->model()->rowCount(); ++letter)
        shown << (outline->isExpanded(entry(outline, letter)) && namesUnder(outline, letter) > 0
                      ? QStringLiteral("+")
                      : QStringLiteral("-"));
    return shown;
}

void clickItem(QTreeView* outline, const QModelIndex& item, bool twice = false) {
    const QPoint at = outline->visualRect(item).center();
    if (twice)
        QTest::mouseDClick(outline->viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(outline->viewport(), Qt::LeftButton, {}, at);
}

// A record with this surname (none if empty), the control given a key, the key, and the record
// type then.
using TypingCase = std::tuple<QString, QString, Qt::Key, QString>;
// The control given a key, the key, the page shown, the focus (if checked).
using PageCase = std::tuple<QString, Qt::Key, int, QString>;

} // namespace

class TestEditorFrame : public QObject {
    Q_OBJECT
private slots:
    void openingAndBrowsingMarkNothing();
    void typingMarksTheRecordChanged_data();
    void typingMarksTheRecordChanged();
    void pageSwitching_data();
    void pageSwitching();
    void nameSearchListsShowsAndForgetsRecords();
    void nameSearchRebuildsOnlyOnAChange();
    void nameSearchByKeyboard();
    void spouseFieldsFollowTheShownStatus();
    void nameListFollowsEachSave_data();
    void nameListFollowsEachSave();
};

// The editor opens on the first name in name order, which ignores case; the next record gets the
// identifier after the highest. Rows stored as an earlier version may have left them (lower
// case, unformatted) are shown as the rules show them, and neither that nor moving marks a
// record changed.
void TestEditorFrame::openingAndBrowsingMarkNothing() {
    EditorScreen editor;
    QVERIFY(editor.open(
        {record("ID=40", "Status=O", "Surname=ADAMS", "FirstName=AMY", "Sex=m", "RAreaCode=k",
                "MStatus=1", "SpouseName=NOBODY", "QFlag=0", "aIncome=1,000", "lIncome=234"),
         record("ID=7", "Status=S", "Surname=baker", "MStatus=2", "SpouseName=BAKER ANN", "QFlag=1",
                "OSeaFlag=0", "OSeaName=ACME"),
         original(12, "CHAN", "CHI")}));
    QCOMPARE(editor->windowTitle(), QStringLiteral("XW73D 3.4 \u2014 2001"));
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("ADAMS, AMY"));
    QCOMPARE(editor.spokenCaption(), QStringLiteral("ADAMS, AMY"));
    QVERIFY(editor.navigator()->isEnabled());
    QCOMPARE(editor.control<QPushButton>("cExit")->text(), QStringLiteral("&Quit"));
    QCOMPARE(editor.enabledCommands(), browsingCommands);
    QCOMPARE(editor->nextRecordId(), 41);
    QVERIFY(editor->isPageVisible(1) && editor.element<QRadioButton>("optStatus", 0)->isChecked());
    click(editor.element("tPage1", 1));
    QCOMPARE(editor.control("tSex")->text() + editor.control("tAreaCode")->text(),
             QStringLiteral("MK"));
    QVERIFY(!editor.element("tPage1", 3)->isEnabled() && !editor.element("tRent1", 0)->isEnabled());
    QCOMPARE(editor.control("tTotal")->text(), QStringLiteral("1,234"));

    click(editor.arrow("nextButton"));
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("baker"));
    QCOMPARE(editor.element("tPage1", 0)->text(), QStringLiteral("baker"));
    QVERIFY(editor.element("tPage1", 3)->isEnabled() && editor.element("tRent1", 0)->isEnabled());
    QVERIFY(!editor.element("tPage4", 1)->isEnabled());
    QCOMPARE(editor.control("tTotal")->text(), QStringLiteral("0"));
    click(editor.arrow("lastButton"));
    click(editor.arrow("nextButton"));
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("CHAN, CHI"));
    click(editor.arrow("firstButton"));
    QCOMPARE(editor.element("tPage1", 1)->text(), QStringLiteral("AMY"));
    QVERIFY(editor.isIn(CommandState::Browsing));
    QCOMPARE(editor->records().editMode(), EditMode::None);
    QCOMPARE(editor.db.column("Sex"), (QStringList{"(none)", "(none)", "m"}));
    QVERIFY(editor.services.boxes.isEmpty());
}

void TestEditorFrame::typingMarksTheRecordChanged_data() {
    QTest::addColumn<TypingCase>("typingCase");
    QTest::newRow("valid: a taken key") << TypingCase{"CHAN", "tPage1(7)", Qt::Key_X, "R"};
    QTest::newRow("valid: refused key on the marital status")
        << TypingCase{"CHAN", "tMStatus", Qt::Key_7, "R"};
    QTest::newRow("valid: delete on the marital status")
        << TypingCase{"CHAN", "tMStatus", Qt::Key_Delete, "R"};
    QTest::newRow("valid: record type button, the sheet number greyed")
        << TypingCase{"CHAN", "optStatus(0)", Qt::Key_Space, "O"};
    QTest::newRow("boundary: row without surname") << TypingCase{"", "tPage1(7)", Qt::Key_X, "R"};
}

void TestEditorFrame::typingMarksTheRecordChanged() {
    QFETCH(TypingCase, typingCase);
    const auto& [surname, control, key, status] = typingCase;
    QStringList first = record("ID=1", "Status=R", "SheetNo=7", "FirstName=X", "MStatus=1");
    EditorScreen editor;
    QVERIFY(editor.open(
        {surname.isEmpty() ? first : first << "Surname=" + surname, original(2, "ZEE", "ANN")}));
    // Shown by the record control, a row without surname is not tracked.
    click(editor.arrow("nextButton"));
    click(editor.arrow("previousButton"));
    QCOMPARE(editor.navigator()->caption(), surname.isEmpty() ? QString() : surname + ", X");
    editor.control<QWidget>(control)->setFocus();
    press(Qt::Key_End); // the caret after the text: Delete removes nothing
    QVERIFY(editor.isIn(CommandState::Browsing));
    press(key);
    if (surname.isEmpty()) {
        QVERIFY(editor.isIn(CommandState::Browsing));
        return;
    }
    QVERIFY(editor.isIn(CommandState::Editing));
    QCOMPARE(editor.control<QPushButton>("cExit")->text(), QStringLiteral("&Cancel"));
    QCOMPARE(editor.enabledCommands(), editingCommands);
    QVERIFY(!editor.navigator()->isEnabled());
    click(editor.arrow("nextButton")); // refused while the edit is pending
    QCOMPARE(editor.element("tPage1", 0)->text(), surname);
    QCOMPARE(editor.db.column("MStatus"), (QStringList{"1", "(none)"}));
    // An original has no sheet number.
    const bool isOriginal = status == u'O';
    QVERIFY(editor.element<QRadioButton>("optStatus", isOriginal ? 0 : 1)->isChecked());
    QCOMPARE(editor.control("tStatus")->text() + editor.control("tSheetNo")->text(),
             isOriginal ? "O " : "R7");
    QCOMPARE(editor.control("tSheetNo")->isEnabled(), !isOriginal);
    QCOMPARE(editor.control("tSheetNo")->palette().color(QPalette::Base) == QColor(224, 224, 224),
             isOriginal);
}

void TestEditorFrame::pageSwitching_data() {
    QTest::addColumn<PageCase>("pageCase");
    QTest::newRow("record type, page up")
        << PageCase{"optStatus(0)", Qt::Key_PageUp, 4, "tOSeaFlag"};
    QTest::newRow("record type, page down")
        << PageCase{"optStatus(0)", Qt::Key_PageDown, 2, "tddmmyy(0)"};
    QTest::newRow("amount, page down") << PageCase{"tIncome(13)", Qt::Key_PageDown, 3, "tQFlag"};
    QTest::newRow("boundary: page 4 down wraps") << PageCase{"tPage4(4)", Qt::Key_PageDown, 1, ""};
    QTest::newRow("boundary: the total does not page")
        << PageCase{"tTotal", Qt::Key_PageDown, 2, "tTotal"};
}

void TestEditorFrame::pageSwitching() {
    QFETCH(PageCase, pageCase);
    const auto& [control, key, page, focus] = pageCase;
    EditorScreen editor;
    QVERIFY(editor.open({original(1, "ADAMS", "AMY")}));
    auto* widget = editor.control<QWidget>(control);
    if (!widget->isVisible())
        editor.clickPage(editor.pageOf(widget));
    widget->setFocus();
    QTest::keyClick(widget, key);
    QVERIFY(editor->isPageVisible(page) &&
            editor.element<QWidget>("Picture1", page - 1)->isVisible());
    if (!focus.isEmpty())
        QCOMPARE(focusName(), focus);
    if (page == 2)
        QCOMPARE(editor.element<QLabel>("lYear1", 0)->text() +
                     editor.element<QLabel>("lYear1", 1)->text(),
                 "20002001");
    QVERIFY(editor.isIn(CommandState::Browsing));
    QVERIFY(editor.services.boxes.isEmpty());
}

// The search lists names by initial letter; a name is shown when clicked, a letter opens and
// closes. Names with an apostrophe are found like any other. Delete takes the shown record's
// entry out, whichever entry is selected.
void TestEditorFrame::nameSearchListsShowsAndForgetsRecords() {
    EditorScreen editor;
    editor.services.answers = {true, true, true};
    QVERIFY(editor.open({original(1, "WONG", "ANNA"), original(2, "SMITH", "PETER"),
                         original(3, "SMITH", "JOHN"), original(4, "O'BRIEN", "JAMES")}));
    editor.control<QPushButton>("cNameSearch")->click();
    QVERIFY(QTest::qWaitForWindowActive(editor.nameSearch()));
    QTreeView* outline = outlineOf(editor.nameSearch());
    QTRY_COMPARE(outlineTexts(outline).size(), 26 + 4); // filled on activation
    const QStringList all = outlineTexts(outline);
    QCOMPARE(all.mid(14, 8), (QStringList{"O", "  O'BRIEN, JAMES", "P", "Q", "R", "S",
                                          "  SMITH, JOHN", "  SMITH, PETER"}));
    QCOMPARE(all.mid(25, 3), (QStringList{"W", "  WONG, ANNA", "X"}));
    QCOMPARE(currentText(outline), QStringLiteral("A"));

    const QModelIndex letterS = entry(outline, 18);
    clickItem(outline, entry(outline, 14, 0));
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("O'BRIEN, JAMES"));
    clickItem(outline, letterS);
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("O'BRIEN, JAMES"));
    clickItem(outline, letterS, true);
    QVERIFY(!outline->isExpanded(letterS));
    QTest::keyClick(outline, Qt::Key_Return);
    QVERIFY(outline->isExpanded(letterS));
    clickItem(outline, entry(outline, 18, 1));
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("SMITH, PETER"));
    QCOMPARE(editor.control("tID")->text(), QStringLiteral("2"));

    editor.control<QPushButton>("cDelete")->click();
    QCOMPARE(namesUnder(outline, 18), 1);
    QCOMPARE(entry(outline, 18, 0).data().toString(), QStringLiteral("SMITH, JOHN"));
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("WONG, ANNA"));
    outline->setCurrentIndex(letterS);
    editor.control<QPushButton>("cDelete")->click();
    QCOMPARE(namesUnder(outline, 22), 0);
    QCOMPARE(namesUnder(outline, 18), 1);
    QCOMPARE(editor.db.column("Surname"), (QStringList{"SMITH", "O'BRIEN"}));

    // With a letter after the shown record's name selected, its entry still goes.
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("SMITH, JOHN"));
    outline->setCurrentIndex(entry(outline, 25));
    editor.control<QPushButton>("cDelete")->click();
    QCOMPARE(namesUnder(outline, 18), 0);
    QCOMPARE(namesUnder(outline, 14), 1);
    // Each question names the record it is about.
    QCOMPARE(editor.services.texts(), (QStringList{"Delete 1 employee record!\n\nSMITH, PETER",
                                                   "Delete 1 employee record!\n\nWONG, ANNA",
                                                   "Delete 1 employee record!\n\nSMITH, JOHN"}));
}

// Coming back to the window (closing a message box activates it again) rebuilds nothing and
// reports nothing again; a save rebuilds it, and a record still without other names is not
// reported twice in a row.
void TestEditorFrame::nameSearchRebuildsOnlyOnAChange() {
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "WONG", "ANNA"), {"ID=2", "Status=O", "Surname=LEE"}}));
    editor.control<QPushButton>("cNameSearch")->click();
    QVERIFY(QTest::qWaitForWindowActive(editor.nameSearch()));
    QTRY_COMPARE(editor.services.texts(), QStringList{"LEE : No firstname !"});
    QTreeView* outline = outlineOf(editor.nameSearch());
    outline->collapse(entry(outline, 22));
    QWidget box; // stands for the message box, a window apart that takes the activation
    box.show();
    QVERIFY(activate(&box));
    QVERIFY(activate(editor.nameSearch()));
    QCOMPARE(editor.services.texts().size(), 1);
    QVERIFY(!outline->isExpanded(entry(outline, 22))); // the same list, not a new one

    editor->reloadRecords();                          // as an import does
    QVERIFY(outline->isExpanded(entry(outline, 22))); // rebuilt
    QCOMPARE(editor.services.texts().size(), 1);
}

// The keyboard alone: typing finds a name (in the box above the outline, or typed into the
// outline, which goes on in the box), the arrows walk letters and names, Enter on a name shows
// its record and on a letter opens or closes it; while a record is edited Enter moves nothing.
void TestEditorFrame::nameSearchByKeyboard() {
    EditorScreen editor;
    QVERIFY(editor.open({original(1, "WONG", "ANNA"), original(2, "SMITH", "PETER"),
                         original(3, "SMITH", "JOHN"), original(4, "SMITHERS", "AL")}));
    editor.control<QPushButton>("cNameSearch")->click();
    QVERIFY(QTest::qWaitForWindowActive(editor.nameSearch()));
    QTreeView* outline = outlineOf(editor.nameSearch());
    QTRY_COMPARE(currentText(outline), QStringLiteral("A"));
    outline->setFocus();
    QTest::keyClick(outline, Qt::Key_S); // the first key in the outline, the others where it went
    auto* find = editor.nameSearch()->findChild<QLineEdit*>("nameFind");
    QCOMPARE(focused(), find);
    QTest::keyClicks(find, "mith, p");
    QCOMPARE(find->text(), QStringLiteral("smith, p"));
    QCOMPARE(currentText(outline), QStringLiteral("SMITH, PETER"));
    press(Qt::Key_Return);
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("SMITH, PETER"));

    press(Qt::Key_Down); // the box keeps the keyboard; the arrows walk the outline
    QCOMPARE(currentText(outline), QStringLiteral("SMITHERS, AL"));
    press(Qt::Key_Down);
    QCOMPARE(currentText(outline), QStringLiteral("T"));
    press(Qt::Key_Return); // a letter without names: nothing to show
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("SMITH, PETER"));
    find->clear();
    QTest::keyClicks(find, "Q");
    QCOMPARE(currentText(outline), QStringLiteral("Q")); // no name: the letter
    QTest::keyClicks(find, "x");
    QCOMPARE(currentText(outline), QStringLiteral("Q"));

    outline->setFocus();
    outline->setCurrentIndex(entry(outline, 18));
    press(Qt::Key_Return);
    QVERIFY(!outline->isExpanded(entry(outline, 18)));
    press(Qt::Key_Return);
    QVERIFY(outline->isExpanded(entry(outline, 18)));
    press(Qt::Key_Down);
    QCOMPARE(currentText(outline), QStringLiteral("SMITH, JOHN"));
    press(Qt::Key_Return);
    QCOMPARE(editor.navigator()->caption(), QStringLiteral("SMITH, JOHN"));
    QCOMPARE(editor.control("tID")->text(), QStringLiteral("3"));

    editor->field("Capacity")->setText(QStringLiteral("CLERK")); // an edit begins
    QVERIFY(editor.isIn(CommandState::Editing));
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    QCOMPARE(currentText(outline), QStringLiteral("R"));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QCOMPARE(currentText(outline), QStringLiteral("SMITH, JOHN"));
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QCOMPARE(editor.control("tID")->text(), QStringLiteral("3"));
    QCOMPARE(editor.services.beeps, 1);
}

// Records in name order: AU, CHAN (ID 2), CHAN (ID 3), ZHANG. The record at this place, the
// command (U with the typing, C for a new record with it, D), and the names' entry then.
using SaveCase = std::tuple<int, Qt::Key, QStringList, QString>;

void TestEditorFrame::nameListFollowsEachSave_data() {
    QTest::addColumn<SaveCase>("saveCase");
    const QStringList newRecord{"Surname=LEE", "FirstName=KA",   "Sex=F",      "RAddress1=2 HILL",
                                "RAreaCode=K", "Capacity=NURSE", "EDay1=01",   "EMonth1=04",
                                "EYear1=2000", "EDay2=31",       "EMonth2=03", "EYear2=2001",
                                "QFlag=0",     "OSeaFlag=0"};
    QTest::newRow("surname changed to another letter")
        << SaveCase{0, Qt::Key_U, {"Surname=WONG"}, "  WONG, MING"};
    QTest::newRow("surname changed to equal names, placed by when added")
        << SaveCase{3, Qt::Key_U, {"Surname=CHAN", "FirstName=TAI"}, "  CHAN, TAI"};
    QTest::newRow("new record") << SaveCase{0, Qt::Key_C, newRecord, "  LEE, KA"};
    QTest::newRow("boundary: first deleted") << SaveCase{0, Qt::Key_D, {}, ""};
    QTest::newRow("boundary: last deleted") << SaveCase{3, Qt::Key_D, {}, ""};
}

// The visible list changes by the one entry; it is then what a rebuild shows.
void TestEditorFrame::nameListFollowsEachSave() {
    QFETCH(SaveCase, saveCase);
    const auto& [position, key, typing, entry] = saveCase;
    EditorScreen editor;
    editor.services.answers = {true};
    QVERIFY(editor.open({completeRecord(1, "AU", "MING"), completeRecord(2, "CHAN", "TAI"),
                         completeRecord(3, "CHAN", "TAI"), completeRecord(4, "ZHANG", "WEI")}));
    editor.control<QPushButton>("cNameSearch")->click();
    QVERIFY(QTest::qWaitForWindowActive(editor.nameSearch()));
    QTreeView* outline = outlineOf(editor.nameSearch());
    QTRY_COMPARE(outlineTexts(outline).size(), 30);
    for (int i = 0; i < position; ++i)
        click(editor.arrow("nextButton"));
    if (key == Qt::Key_C)
        editor.control<QPushButton>("cNew")->click();
    for (const QString& text : typing) // set as the record control would, without leave checks
        editor->field(columnAndValue(text).first)->setText(columnAndValue(text).second);
    editor.control<QPushButton>(key == Qt::Key_D ? "cDelete" : "cUpdate")->click();
    QVERIFY2(editor.isIn(CommandState::Browsing), qPrintable(editor.services.texts().join(u'/')));
    QCOMPARE(editor.services.texts(),
             key == Qt::Key_D ? QStringList{QStringLiteral("Delete 1 employee record!\n\n") +
                                            (position == 0 ? "AU, MING" : "ZHANG, WEI")}
                              : QStringList{});
    const QStringList followed = shownOutline(outline);
    QCOMPARE(followed.size(), 26 + 26 + (key == Qt::Key_C ? 5 : key == Qt::Key_D ? 3 : 4));
    if (!entry.isEmpty())
        QVERIFY(followed.contains(entry));
    editor.nameSearch()->refresh();
    QCOMPARE(followed, shownOutline(outline));
}

// The spouse's fields are greyed whenever the status shown is empty or "1", also when the record
// before had them open and when a new record begins.
void TestEditorFrame::spouseFieldsFollowTheShownStatus() {
    EditorScreen editor;
    QVERIFY(editor.open({original(1, "AU", "MING"), record("ID=2", "Status=O", "Surname=BO",
                                                           "MStatus=2", "SpouseName=BO ANN")}));
    FieldEdit* spouseName = editor->field("SpouseName");
    QVERIFY(!spouseName->isEnabled()); // AU, MING: no status
    click(editor.arrow("nextButton"));
    QVERIFY(spouseName->isEnabled());
    click(editor.arrow("previousButton"));
    QVERIFY(!spouseName->isEnabled());
    QVERIFY(!editor->field("SpousePassport")->isEnabled());
    click(editor.arrow("nextButton"));
    editor.press(Qt::Key_C);
    QTRY_VERIFY(editor.isIn(CommandState::NewRecord));
    QVERIFY(!spouseName->isEnabled());
    QVERIFY(!editor->field("SpouseHKID")->isEnabled());
}

QTEST_MAIN(TestEditorFrame)
#include "tst_editor_frame.moc"
