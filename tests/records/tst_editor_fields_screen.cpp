// The record editor's fields on screen: real keys, input-method commits, pastes and focus moves
// reach the entry rules, and their verdicts reach the fields, the pages and the record.
#include "records/fXW73D.h"
#include "platform/field_edit.h"
#include "records/navigator.h"
#include "support/screens.h"
#include "support/scripted_services.h"
#include "support/working_database.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <memory>

namespace {

const QColor grey(224, 224, 224);
const QString chan = QStringLiteral("\u9673"); // a Chinese character, two bytes in Big5-HKSCS

// The editor on a database holding the given records, shown, active, in the browsing state.
class OpenEditor {
public:
    explicit OpenEditor(WorkingDatabase& db) {
        m_screen = std::make_unique<fXW73D>(db.state);
        m_screen->setReturnYearSource([] { return QStringLiteral("2001"); });
        m_screen->load();
        m_active = activate(m_screen.get());
    }
    ~OpenEditor() {
        m_screen.reset();
        closeAllScreens();
    }
    bool isActive() const { return m_active; }
    fXW73D* operator->() const { return m_screen.get(); }
    QWidget* window() const { return m_screen.get(); }
    FieldEdit* field(const QString& objectName) const {
        return m_screen->findChild<FieldEdit*>(objectName);
    }
    bool isEditing() const { return m_screen->commandState() == fXW73D::CommandState::Editing; }

private:
    std::unique_ptr<fXW73D> m_screen;
    bool m_active = false;
};

QWidget* focused() {
    return QApplication::focusWidget();
}

QString focusedName() {
    return focused() ? focused()->objectName() : QString();
}

// Types each character into whichever widget has the focus at that moment, as a user would.
void type(const QString& keys) {
    for (QChar key : keys)
        QTest::keyClick(focused(), key.toLatin1());
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focused(), key, modifiers);
}

void enter(FieldEdit* edit) {
    edit->setFocus();
    edit->end(false);
}

void commitFromInputMethod(FieldEdit* edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(edit, &event);
}

void pasteInto(FieldEdit* edit, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    enter(edit);
    press(Qt::Key_V, Qt::ControlModifier);
}

// Each message box takes the focus away from the editor while it is open, as a modal box does.
void boxesTakeTheFocus(ScriptedServices& services, QWidget* editor) {
    services.onBox = [editor](const ScriptedServices::Box&) {
        QWidget box;
        box.setObjectName(QStringLiteral("box"));
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.close();
        QVERIFY(activate(editor));
    };
}

bool isGreyedOut(const FieldEdit* edit) {
    return !edit->isEnabled() && edit->palette().color(QPalette::Base) == grey;
}

} // namespace

class TestEditorFieldsScreen : public QObject {
    Q_OBJECT
private slots:
    void chineseNameTakesTwentyFiveCharactersFromAnInputMethod();
    void pastedSurnameIsRefusedOnLeave();
    void identityNumbersAreCheckedOnLeave_data();
    void identityNumbersAreCheckedOnLeave();
    void addressTakesOnlyALetterInItsLastByte();
    void maritalStatusGovernsTheSpouseFields();
    void indicatorsClearOnLeaveAndOnlyGreyOnChange_data();
    void indicatorsClearOnLeaveAndOnlyGreyOnChange();
    void datePartsMoveOnAndArePadded();
    void amountsKeepTheTotalWithinItsLimit();
    void rentsTakeSevenDigits();
    void keysRefusedWithAMessage_data();
    void keysRefusedWithAMessage();
    void pagingKeys_data();
    void pagingKeys();
    void typingIntoABrowsedRecordStartsEditing_data();
    void typingIntoABrowsedRecordStartsEditing();
    void showingRecordsNeverStartsEditing();
    void refusalRestoresTheRecordNowShown();
    void twoRefusedFieldsDoNotTakeTheFocusFromEachOther();
    void tabFollowsTheReadingOrderOfEachPage_data();
    void tabFollowsTheReadingOrderOfEachPage();
};

void TestEditorFieldsScreen::chineseNameTakesTwentyFiveCharactersFromAnInputMethod() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("CHAN"), QStringLiteral("TAI MAN"));
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    enter(editor->tChineseName);
    // A character the code page lacks is refused like a refused key.
    commitFromInputMethod(editor->tChineseName, QStringLiteral("\U0001F600"));
    QCOMPARE(editor->tChineseName->text(), QString());
    QCOMPARE(services.beeps, 1);
    services.clear();
    for (int word = 0; word < 5; ++word)
        commitFromInputMethod(editor->tChineseName, QString(5, chan[0]));
    QCOMPARE(editor->tChineseName->text(), QString(25, chan[0]));
    QCOMPARE(services.beeps, 0);
    QVERIFY(editor.isEditing());

    commitFromInputMethod(editor->tChineseName, chan);
    QCOMPARE(editor->tChineseName->text().size(), 25);
    QCOMPARE(services.beeps, 1);
    press(Qt::Key_Backspace);
    type(QStringLiteral("a1"));
    QCOMPARE(editor->tChineseName->text().size(), 24);
    QCOMPARE(services.beeps, 3);
    // A paste goes around the key filter; the byte guard takes the text back.
    editor->tChineseName->setText(QString(26, chan[0]));
    QCOMPARE(editor->tChineseName->text().size(), 24);
    QCOMPARE(services.beeps, 4);
    QVERIFY(services.boxes.isEmpty());
}

void TestEditorFieldsScreen::pastedSurnameIsRefusedOnLeave() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("CHAN"), QStringLiteral("TAI MAN"));
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    boxesTakeTheFocus(services, editor.window());
    FieldEdit* surname = editor->tPage1[0];
    pasteInto(surname, QStringLiteral(" 2"));
    QCOMPARE(surname->text(), QStringLiteral("CHAN 2"));
    press(Qt::Key_Tab);
    QCOMPARE(services.texts(), QStringList{"Invalid character found at Surname!"});
    QCOMPARE(services.boxes.last().title, QStringLiteral("Error"));
    QCOMPARE(surname->text(), QStringLiteral("CHAN"));
    QCOMPARE(focused(), surname);

    // Leaving by paging: the check brings its page back.
    pasteInto(surname, QStringLiteral("#"));
    press(Qt::Key_PageDown);
    QCOMPARE(services.boxes.size(), 2);
    QVERIFY(editor->isPageVisible(1));
    QCOMPARE(surname->text(), QStringLiteral("CHAN"));
    QCOMPARE(focused(), surname);
    pasteInto(surname, QStringLiteral("9"));
    press(Qt::Key_Tab);
    QCOMPARE(services.boxes.size(), 3);
    QCOMPARE(surname->text(), QStringLiteral("CHAN"));
    QCOMPARE(db.value(1, QStringLiteral("Surname")).toString(), QStringLiteral("CHAN"));

    surname->selectAll();
    type(QStringLiteral("o'brien-smith."));
    press(Qt::Key_Tab);
    QCOMPARE(surname->text(), QStringLiteral("O'BRIEN-SMITH."));
    QCOMPARE(focused(), editor->tPage1[1]);
    QCOMPARE(services.boxes.size(), 3);
}

void TestEditorFieldsScreen::identityNumbersAreCheckedOnLeave_data() {
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    const QString invalid = QStringLiteral("Invalid HKID. Please enter again.");
    QTest::newRow("valid: lower case") << 0 << "a123456"
                                       << "A123456" << QString();
    QTest::newRow("valid: two letters") << 1 << "ab123456"
                                        << "AB123456" << QString();
    QTest::newRow("invalid: too short") << 0 << "A12345"
                                        << "B654321" << invalid;
    QTest::newRow("invalid: spouse's starts with a digit") << 1 << "1A23456"
                                                           << "C111111" << invalid;
}

void TestEditorFieldsScreen::identityNumbersAreCheckedOnLeave() {
    QFETCH(int, element);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee({{"ID", 1},
                    {"Status", "O"},
                    {"Surname", "CHAN"},
                    {"HKID", "B654321"},
                    {"MStatus", "2"},
                    {"SpouseHKID", "C111111"}});
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    FieldEdit* number = editor->tHKID[element];
    enter(number);
    number->selectAll();
    type(typed);
    press(Qt::Key_Tab);
    QCOMPARE(number->text(), shown);
    QCOMPARE(services.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(focused(), message.isEmpty() ? editor->tChkDigit[element] : number);
    QCOMPARE(db.value(1, element == 0 ? "HKID" : "SpouseHKID").toString(),
             element == 0 ? QStringLiteral("B654321") : QStringLiteral("C111111"));
}

void TestEditorFieldsScreen::addressTakesOnlyALetterInItsLastByte() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee(
        {{"ID", 1}, {"Status", "O"}, {"Surname", "CHAN"}, {"RAddress1", QString(44, u'A')}});
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    FieldEdit* address = editor->tPage1[5];
    enter(address);
    type(QStringLiteral("1"));
    QCOMPARE(address->text().size(), 44);
    QCOMPARE(services.beeps, 1);
    type(QStringLiteral("b"));
    QCOMPARE(address->text().size(), 45);
    type(QStringLiteral("c"));
    QCOMPARE(services.beeps, 2);
    press(Qt::Key_Backspace);
    QCOMPARE(address->text(), QString(44, u'A'));
    QVERIFY(services.boxes.isEmpty());
}

void TestEditorFieldsScreen::maritalStatusGovernsTheSpouseFields() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee({{"ID", 1},
                    {"Status", "O"},
                    {"Surname", "CHAN"},
                    {"MStatus", "2"},
                    {"SpouseName", "LEE MEI"},
                    {"SpousePassport", "P123"},
                    {"SpouseHKID", "C111111"},
                    {"SpouseChkDigit", "3"}});
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    const std::array<FieldEdit*, 4> spouse{editor->tPage1[3], editor->tPage1[4], editor->tHKID[1],
                                           editor->tChkDigit[1]};
    for (FieldEdit* edit : spouse)
        QVERIFY(edit->isEnabled());

    enter(editor->tMStatus);
    press(Qt::Key_Backspace);
    type(QStringLiteral("1"));
    for (FieldEdit* edit : spouse) {
        QVERIFY(isGreyedOut(edit));
        QVERIFY(!edit->text().isEmpty()); // a change only greys them
    }
    press(Qt::Key_Tab);
    for (FieldEdit* edit : spouse) {
        QVERIFY(isGreyedOut(edit));
        QVERIFY(edit->text().isEmpty());
    }

    // Married, left by a click elsewhere: the focus goes to the spouse's name all the same.
    enter(editor->tMStatus);
    press(Qt::Key_Backspace);
    type(QStringLiteral("2"));
    editor->tPage1[8]->setFocus(Qt::MouseFocusReason);
    QCOMPARE(focused(), editor->tPage1[3]);
    for (FieldEdit* edit : spouse)
        QVERIFY(edit->isEnabled() && edit->palette().color(QPalette::Base) != grey);
    QVERIFY(services.boxes.isEmpty());
}

void TestEditorFieldsScreen::indicatorsClearOnLeaveAndOnlyGreyOnChange_data() {
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("governed");
    QTest::addColumn<QStringList>("untouched");
    QTest::newRow("place of residence")
        << "tQFlag" << 3
        << QStringList{"tPage3(0)", "tPage3(3)", "tPage3(7)", "tRent1(0)", "tRent1(7)"}
        << QStringList{"tPage4(3)"};
    QTest::newRow("overseas company")
        << "tOSeaFlag" << 4 << QStringList{"tPage4(0)", "tPage4(1)", "tPage4(2)"}
        << QStringList{"tPage4(3)", "tPage4(4)"};
}

void TestEditorFieldsScreen::indicatorsClearOnLeaveAndOnlyGreyOnChange() {
    QFETCH(QString, indicator);
    QFETCH(int, page);
    QFETCH(QStringList, governed);
    QFETCH(QStringList, untouched);
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee({{"ID", 1},
                    {"Status", "O"},
                    {"Surname", "CHAN"},
                    {"QFlag", 1},
                    {"Q1Address1", "FLAT A"},
                    {"Q1Period", "2000-2001"},
                    {"Q2Period", "2001"},
                    {"Q1Rent1", "1,000"},
                    {"Q2Rent4", "2,000"},
                    {"OSeaFlag", 1},
                    {"OSeaAmount", "100"},
                    {"OSeaName", "ACME"},
                    {"OSeaAddress", "LONDON"},
                    {"FileNo", "123"},
                    {"Remark", "NOTE"}});
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    editor->showPage(page);
    QCOMPARE(focusedName(), indicator);
    press(Qt::Key_Backspace);
    type(QStringLiteral("0"));
    for (const QString& name : governed) {
        QVERIFY2(isGreyedOut(editor.field(name)), qPrintable(name));
        QVERIFY2(!editor.field(name)->text().isEmpty(), qPrintable(name));
    }
    press(Qt::Key_Tab);
    for (const QString& name : governed) {
        QVERIFY2(isGreyedOut(editor.field(name)), qPrintable(name));
        QVERIFY2(editor.field(name)->text().isEmpty(), qPrintable(name));
    }
    for (const QString& name : untouched)
        QVERIFY2(editor.field(name)->isEnabled() && !editor.field(name)->text().isEmpty(),
                 qPrintable(name));
    QVERIFY(editor.isEditing());
    QVERIFY(services.boxes.isEmpty());

    editor.field(indicator)->setFocus();
    press(Qt::Key_Backspace);
    type(QStringLiteral("1"));
    press(Qt::Key_Tab);
    for (const QString& name : governed)
        QVERIFY2(editor.field(name)->isEnabled(), qPrintable(name));
}

void TestEditorFieldsScreen::datePartsMoveOnAndArePadded() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("CHAN"), QStringLiteral("TAI MAN"));
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    editor->showPage(2);
    QCOMPARE(focused(), editor->tddmmyy[0]);
    type(QStringLiteral("3"));
    QCOMPARE(focused(), editor->tddmmyy[0]);
    type(QStringLiteral("1"));
    QCOMPARE(editor->tddmmyy[0]->text(), QStringLiteral("31"));
    QCOMPARE(focused(), editor->tddmmyy[1]);
    type(QStringLiteral("02"));
    QCOMPARE(focused(), editor->tddmmyy[2]);
    type(QStringLiteral("2000"));
    QCOMPARE(focused(), editor->tddmmyy[2]);
    QCOMPARE(editor->tddmmyy[1]->text(), QStringLiteral("02"));

    // 31 February: the part being left is emptied and keeps the focus.
    press(Qt::Key_Tab);
    QCOMPARE(services.texts(), QStringList{"Invalid date. Please enter again."});
    QCOMPARE(editor->tddmmyy[2]->text(), QString());
    QCOMPARE(focused(), editor->tddmmyy[2]);

    editor->tddmmyy[3]->setFocus();
    type(QStringLiteral("5"));
    press(Qt::Key_Tab);
    QCOMPARE(editor->tddmmyy[3]->text(), QStringLiteral("05"));
    QCOMPARE(focused(), editor->tddmmyy[4]);
    QCOMPARE(services.boxes.size(), 1);
}

void TestEditorFieldsScreen::amountsKeepTheTotalWithinItsLimit() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("CHAN"), QStringLiteral("TAI MAN"));
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    editor->showPage(2);
    QCOMPARE(editor->tTotal->text(), QStringLiteral("0"));
    enter(editor->tIncome[0]);
    type(QStringLiteral("1234."));
    QCOMPARE(services.texts(), QStringList{"Cents should be excluded!"});
    QCOMPARE(editor->tIncome[0]->text(), QString());
    QCOMPARE(focused(), editor->tIncome[0]);

    type(QStringLiteral("9999999999"));
    QCOMPARE(editor->tIncome[0]->text(), QStringLiteral("999999999"));
    QCOMPARE(editor->tTotal->text(), QStringLiteral("999,999,999"));
    press(Qt::Key_Tab);
    QCOMPARE(editor->tIncome[0]->text(), QStringLiteral("999,999,999"));

    enter(editor->tIncome[13]);
    type(QStringLiteral("1"));
    QCOMPARE(editor->tTotal->text(), QStringLiteral("1,000,000,000"));
    press(Qt::Key_Tab);
    QCOMPARE(services.texts().last(), QStringLiteral("Value too large!"));
    QCOMPARE(editor->tIncome[13]->text(), QString());
    QCOMPARE(focused(), editor->tIncome[13]);
    QCOMPARE(editor->tTotal->text(), QStringLiteral("999,999,999"));
    QCOMPARE(services.boxes.size(), 2);
    QVERIFY(db.value(1, QStringLiteral("aIncome")).isNull());
}

void TestEditorFieldsScreen::rentsTakeSevenDigits() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("CHAN"), QStringLiteral("TAI MAN"));
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    editor->showPage(3);
    enter(editor->tRent1[5]);
    type(QStringLiteral("12345678."));
    QCOMPARE(editor->tRent1[5]->text(), QStringLiteral("1234567"));
    QCOMPARE(services.beeps, 2);
    press(Qt::Key_Tab);
    QCOMPARE(editor->tRent1[5]->text(), QStringLiteral("1,234,567"));
    QVERIFY(services.boxes.isEmpty());
}

void TestEditorFieldsScreen::keysRefusedWithAMessage_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("messages");
    const QString periods =
        QStringLiteral("Only Alphanumeric, ' / ', ' - ' and ' . ' can be entered.");
    QTest::newRow("income period") << "tPeriod(14)" << 2 << "1999#."
                                   << "1999." << QStringList{periods};
    QTest::newRow("period of residence") << "tPage3(7)" << 3 << "a_b"
                                         << "ab" << QStringList{periods};
    QTest::newRow("file number: a full stop only beeps")
        << "tPage4(3)" << 4 << "1.2#"
        << "12" << QStringList{"Only Alphanumeric, ' / ' and ' - ' can be entered."};
}

void TestEditorFieldsScreen::keysRefusedWithAMessage() {
    QFETCH(QString, control);
    QFETCH(int, page);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("CHAN"), QStringLiteral("TAI MAN"));
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    editor->showPage(page);
    FieldEdit* edit = editor.field(control);
    enter(edit);
    type(keys);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(services.texts(), messages);
}

void TestEditorFieldsScreen::pagingKeys_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("shown");
    QTest::newRow("page 1 up") << "tPage1(0)" << 1 << int(Qt::Key_PageUp) << 4;
    QTest::newRow("page 1 down, check character")
        << "tChkDigit(0)" << 1 << int(Qt::Key_PageDown) << 2;
    QTest::newRow("page 2 down, amount") << "tIncome(13)" << 2 << int(Qt::Key_PageDown) << 3;
    QTest::newRow("page 3 up, rent") << "tRent1(7)" << 3 << int(Qt::Key_PageUp) << 2;
    QTest::newRow("page 4 down wraps") << "tPage4(4)" << 4 << int(Qt::Key_PageDown) << 1;
    QTest::newRow("page 4 up") << "tOSeaFlag" << 4 << int(Qt::Key_PageUp) << 3;
    QTest::newRow("the total does not page") << "tTotal" << 2 << int(Qt::Key_PageDown) << 2;
}

void TestEditorFieldsScreen::pagingKeys() {
    QFETCH(QString, control);
    QFETCH(int, page);
    QFETCH(int, key);
    QFETCH(int, shown);
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("CHAN"), QStringLiteral("TAI MAN"));
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    editor->showPage(page);
    FieldEdit* edit = editor.field(control);
    edit->setFocus();
    QTest::keyClick(edit, static_cast<Qt::Key>(key));
    QVERIFY(editor->isPageVisible(shown));
    QVERIFY(!editor.isEditing());
    QVERIFY(services.boxes.isEmpty());
}

void TestEditorFieldsScreen::typingIntoABrowsedRecordStartsEditing_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("page");
    QTest::newRow("sex") << "tSex" << int(Qt::Key_F) << 1;
    QTest::newRow("identity number") << "tHKID(0)" << int(Qt::Key_A) << 1;
    QTest::newRow("check character") << "tChkDigit(0)" << int(Qt::Key_A) << 1;
    QTest::newRow("sheet number") << "tSheetNo" << int(Qt::Key_7) << 1;
    QTest::newRow("marital status, refused key") << "tMStatus" << int(Qt::Key_7) << 1;
    QTest::newRow("marital status, delete") << "tMStatus" << int(Qt::Key_Delete) << 1;
    QTest::newRow("date part") << "tddmmyy(5)" << int(Qt::Key_2) << 2;
    QTest::newRow("income nature") << "tNature(2)" << int(Qt::Key_X) << 2;
    QTest::newRow("income amount") << "tIncome(9)" << int(Qt::Key_5) << 2;
    QTest::newRow("rent") << "tRent1(3)" << int(Qt::Key_5) << 3;
    QTest::newRow("overseas indicator") << "tOSeaFlag" << int(Qt::Key_1) << 4;
}

void TestEditorFieldsScreen::typingIntoABrowsedRecordStartsEditing() {
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, page);
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee({{"ID", 1}, {"Status", "R"}, {"Surname", "CHAN"}, {"MStatus", "1"}});
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    editor->showPage(page);
    enter(editor.field(control));
    QVERIFY(!editor.isEditing());
    press(static_cast<Qt::Key>(key));
    QVERIFY(editor.isEditing());
    QCOMPARE(editor->cExit->text(), QStringLiteral("&Cancel"));
    QCOMPARE(db.value(1, QStringLiteral("MStatus")).toString(), QStringLiteral("1"));
}

void TestEditorFieldsScreen::showingRecordsNeverStartsEditing() {
    ScriptedServices services;
    WorkingDatabase db;
    // Stored as an earlier version may have left them: lower case, unformatted.
    db.addEmployee({{"ID", 1},
                    {"Status", "O"},
                    {"Surname", "ADAMS"},
                    {"Sex", "m"},
                    {"RAreaCode", "k"},
                    {"MStatus", "1"},
                    {"SpouseName", "NOBODY"},
                    {"QFlag", 0},
                    {"aIncome", "1,000"},
                    {"lIncome", "234"}});
    db.addEmployee({{"ID", 2},
                    {"Status", "S"},
                    {"Surname", "BAKER"},
                    {"MStatus", "2"},
                    {"SpouseName", "BAKER ANN"},
                    {"QFlag", 1},
                    {"OSeaFlag", 0},
                    {"OSeaName", "ACME"}});
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    enter(editor->tPage1[1]);
    QCOMPARE(editor->tSex->text(), QStringLiteral("M"));
    QCOMPARE(editor->tAreaCode->text(), QStringLiteral("K"));
    QVERIFY(isGreyedOut(editor->tPage1[3]));
    QVERIFY(isGreyedOut(editor->tRent1[0]));
    QCOMPARE(editor->tTotal->text(), QStringLiteral("1,234"));

    QTest::mouseClick(editor->Data1->nextButton, Qt::LeftButton);
    QCOMPARE(editor->tPage1[0]->text(), QStringLiteral("BAKER"));
    QVERIFY(editor->tPage1[3]->isEnabled());
    QVERIFY(editor->tRent1[0]->isEnabled());
    QVERIFY(isGreyedOut(editor->tPage4[1]));
    QCOMPARE(editor->tTotal->text(), QStringLiteral("0"));
    QTest::mouseClick(editor->Data1->firstButton, Qt::LeftButton);
    QCOMPARE(editor->tPage1[0]->text(), QStringLiteral("ADAMS"));
    QVERIFY(!editor.isEditing());
    QCOMPARE(editor->records().editMode(), EditMode::None);
    QCOMPARE(db.value(1, QStringLiteral("Sex")).toString(), QStringLiteral("m"));
    QVERIFY(services.boxes.isEmpty());
}

// The record control moves on while the surname keeps the focus: a refusal then restores the
// surname of the record on screen, never the one of the record shown before.
void TestEditorFieldsScreen::refusalRestoresTheRecordNowShown() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("ADAMS"), QStringLiteral("AMY"));
    db.addOriginal(2, QStringLiteral("BAKER"), QStringLiteral("BOB"));
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    FieldEdit* surname = editor->tPage1[0];
    enter(surname);
    QTest::mouseClick(editor->Data1->nextButton, Qt::LeftButton);
    QCOMPARE(focused(), surname);
    pasteInto(surname, QStringLiteral("1"));
    press(Qt::Key_Tab);
    QCOMPARE(services.texts(), QStringList{"Invalid character found at Surname!"});
    QCOMPARE(surname->text(), QStringLiteral("BAKER"));
    QCOMPARE(db.value(2, QStringLiteral("Surname")).toString(), QStringLiteral("BAKER"));
}

void TestEditorFieldsScreen::twoRefusedFieldsDoNotTakeTheFocusFromEachOther() {
    ScriptedServices services;
    WorkingDatabase db;
    db.addOriginal(1, QStringLiteral("CHAN"), QStringLiteral("TAI MAN"));
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    boxesTakeTheFocus(services, editor.window());
    editor->tAreaCode->setText(QStringLiteral("Z"));
    enter(editor->tSex);
    editor->tSex->setText(QStringLiteral("X"));
    editor->tAreaCode->setFocus(Qt::MouseFocusReason);
    QCOMPARE(services.texts(), QStringList{"Invalid Sex. Please enter 'M' or 'F'."});
    QCOMPARE(focused(), editor->tSex);
    QCOMPARE(editor->tSex->text(), QString());

    editor->tAreaCode->setFocus(Qt::MouseFocusReason);
    editor->tSex->setFocus(Qt::MouseFocusReason);
    QCOMPARE(services.boxes.size(), 2);
    QCOMPARE(services.lastText(),
             QStringLiteral("Invalid Area Code.  Please enter 'H', 'K', 'N' or 'F'."));
    QCOMPARE(focused(), editor->tAreaCode);
    QCOMPARE(editor->tAreaCode->text(), QStringLiteral("Z")); // its text when it got the focus
}

void TestEditorFieldsScreen::tabFollowsTheReadingOrderOfEachPage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("maritalStatus");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("lastSpoken");
    const QString lastOfPage1 =
        QStringLiteral("If part time, the name of his/her principal employer");
    QTest::newRow("page 1, replacement, married")
        << 1 << "R"
        << "2"
        << QStringList{"optStatus(1)", "tSheetNo",     "tPage1(0)", "tPage1(1)",    "tHKID(0)",
                       "tChkDigit(0)", "tPage1(2)",    "tSex",      "tMStatus",     "tPage1(3)",
                       "tHKID(1)",     "tChkDigit(1)", "tPage1(4)", "tChineseName", "tPage1(5)",
                       "tPage1(6)",    "tAreaCode",    "tPage1(7)", "tPage1(8)",    "tPage1(9)"}
        << lastOfPage1;
    QTest::newRow("page 1, original, single: disabled fields skipped")
        << 1 << "O"
        << "1"
        << QStringList{"optStatus(0)", "tPage1(0)", "tPage1(1)", "tHKID(0)",     "tChkDigit(0)",
                       "tPage1(2)",    "tSex",      "tMStatus",  "tChineseName", "tPage1(5)",
                       "tPage1(6)",    "tAreaCode", "tPage1(7)", "tPage1(8)",    "tPage1(9)"}
        << lastOfPage1;
    QStringList page2{"tddmmyy(0)", "tddmmyy(1)", "tddmmyy(2)",
                      "tddmmyy(3)", "tddmmyy(4)", "tddmmyy(5)"};
    for (int amount = 0; amount < 14; ++amount) {
        if (amount >= 10 && amount <= 12)
            page2 << QStringLiteral("tNature(%1)").arg(amount - 10);
        page2 << QStringLiteral("tPeriod(%1)").arg(amount < 9 ? amount : amount + 1)
              << QStringLiteral("tIncome(%1)").arg(amount);
    }
    QTest::newRow("page 2") << 2 << "R"
                            << "2" << page2 << "l. Pensions, amount";
    QStringList page3{"tQFlag"};
    for (int place = 0; place < 2; ++place) {
        for (int line = 0; line < 4; ++line)
            page3 << QStringLiteral("tPage3(%1)").arg(place * 4 + line);
        for (int rent = 0; rent < 4; ++rent)
            page3 << QStringLiteral("tRent1(%1)").arg(place * 4 + rent);
    }
    QTest::newRow("page 3") << 3 << "R"
                            << "2" << page3 << "Address 2, rent paid to employer by employee";
    QTest::newRow("page 4") << 4 << "R"
                            << "2" << QStringList{"tOSeaFlag", "tPage4(0)", "tPage4(1)",
                                                  "tPage4(2)", "tPage4(3)", "tPage4(4)"}
                            << "Remarks";
}

// Tab from the page's first field through every enabled field, the record control and the
// commands, and round to the first field; each field has a name a screen reader speaks.
void TestEditorFieldsScreen::tabFollowsTheReadingOrderOfEachPage() {
    QFETCH(int, page);
    QFETCH(QString, status);
    QFETCH(QString, maritalStatus);
    QFETCH(QStringList, order);
    QFETCH(QString, lastSpoken);
    ScriptedServices services;
    WorkingDatabase db;
    db.addEmployee({{"ID", 1},
                    {"Status", status},
                    {"Surname", "CHAN"},
                    {"MStatus", maritalStatus},
                    {"QFlag", 1},
                    {"OSeaFlag", 1}});
    OpenEditor editor(db);
    QVERIFY(editor.isActive());
    editor->showPage(page);
    editor->findChild<QWidget*>(order.first())->setFocus();
    const QStringList commands{"firstButton", "previousButton", "nextButton", "lastButton",
                               "cNew",        "cDelete",        "cExit",      "cNameSearch",
                               "cSort",       "cPrint",         "cPrintAll",  "cSaveFloppy"};
    const QStringList expected = order + commands + QStringList{order.first()};
    QStringList visited{focusedName()};
    QSet<QString> spoken;
    for (int step = 1; step < expected.size(); ++step) {
        if (auto* edit = qobject_cast<FieldEdit*>(focused()))
            spoken.insert(edit->accessibleName());
        press(Qt::Key_Tab);
        visited << focusedName();
    }
    QCOMPARE(visited, expected);
    QCOMPARE(spoken.size(), order.size() - (page == 1 ? 1 : 0));
    QVERIFY(!spoken.contains(QString()));
    QCOMPARE(editor.field(order.last())->accessibleName(), lastSpoken);
    QVERIFY(services.boxes.isEmpty());
    QVERIFY(!editor.isEditing());
}

QTEST_MAIN(TestEditorFieldsScreen)
#include "tst_editor_fields_screen.moc"
