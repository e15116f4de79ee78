// The record editor's fields on screen: real keys, input-method commits, pastes and focus moves
// reach the entry rules, and their verdicts reach the fields, the pages and the record.
#include "support/editor_screen.h"

#include <tuple>

namespace {

const QColor grey(224, 224, 224);
const QString chan = QStringLiteral("\u9673"); // a Chinese character, two bytes in Big5-HKSCS

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
    void chineseNameTakesTextFromAnInputMethod();
    void controlCharactersAreRefused();
    void keysReachTheirRule_data();
    void keysReachTheirRule();
    void fullFieldsAreTypedOver_data();
    void fullFieldsAreTypedOver();
    void leaveChecks_data();
    void leaveChecks();
    void refusalsRestoreTheTextFromWhenTheFieldWasEntered();
    void indicatorsGovernTheirFields_data();
    void indicatorsGovernTheirFields();
    void totalFollowsTheAmounts();
    void tabFollowsTheReadingOrderOfEachPage_data();
    void tabFollowsTheReadingOrderOfEachPage();
};

// A character the code page lacks is refused like a refused key; a paste goes around the key
// filter, and the byte guard takes the text back.
void TestEditorFieldsScreen::chineseNameTakesTextFromAnInputMethod() {
    EditorScreen editor;
    QVERIFY(editor.open({original(1, "CHAN", "TAI MAN")}));
    FieldEdit* name = editor.control("tChineseName");
    click(name);
    commitFromInputMethod(name, QStringLiteral("\U0001F600"));
    QCOMPARE(editor.services.beeps, 1);
    commitFromInputMethod(name, chan.repeated(24));
    QCOMPARE(name->text(), chan.repeated(24));
    QVERIFY(editor.isIn(CommandState::Editing));
    commitFromInputMethod(name, chan + chan);
    QCOMPARE(name->text(), chan.repeated(25));
    QCOMPARE(editor.services.beeps, 2);
    name->setText(chan.repeated(26));
    QCOMPARE(name->text(), chan.repeated(25));
    QCOMPARE(editor.services.beeps, 3);
    QVERIFY(editor.services.boxes.isEmpty());
}

// A control character is refused as a character the code page lacks: committed by an input
// method it beeps, pasted into a byte-guarded field the text goes back, pasted elsewhere the
// save names the field.
void TestEditorFieldsScreen::controlCharactersAreRefused() {
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "CHAN", "TAI MAN") + QStringList{"Remark=NOTE"}}));
    FieldEdit* remark = editor.screen->field("Remark");
    editor.select(remark);
    commitFromInputMethod(remark, QStringLiteral("\x1B"));
    QCOMPARE(remark->text(), QStringLiteral("NOTE"));
    QCOMPARE(editor.services.beeps, 1);
    editor.paste(remark, QStringLiteral("RING\a"));
    QCOMPARE(remark->text(), QStringLiteral("NOTE"));
    QCOMPARE(editor.services.beeps, 2);
    editor.paste(editor.screen->field("FirstName"), QStringLiteral("TAI\tMAN"));
    QCOMPARE(editor.screen->field("FirstName")->text(), QStringLiteral("TAI MAN"));
    QCOMPARE(editor.services.beeps, 3);
    editor.paste(editor.screen->field("aPeriod"), QStringLiteral("2000\x1B[2J"));
    editor.press(Qt::Key_U);
    QTRY_VERIFY2(editor.services.texts().join(u'|').contains(
                     "The field 'aPeriod' contains a control character"),
                 qPrintable(editor.services.texts().join(u'|')));
    QCOMPARE(editor.db.column("aPeriod"), QStringList{"(none)"});
}

// One row for each thing a key's verdict can do: a message, a beep, an emptied field, a move on.
// The control, the keys typed, its text then, the message, the beeps (message boxes beep too)
// and the focus.
using KeyCase = std::tuple<QString, QString, QString, QString, int, QString>;

void TestEditorFieldsScreen::keysReachTheirRule_data() {
    QTest::addColumn<KeyCase>("keyCase");
    const auto row = [](const char* name, auto... columns) {
        QTest::newRow(name) << KeyCase{columns...};
    };
    row("invalid: refused with a message", "tPeriod(14)", "1999#.", "1999.",
        "Only Alphanumeric, ' / ', ' - ' and ' . ' can be entered.", 1, "tPeriod(14)");
    row("boundary: eighth digit and full stop refused with a beep", "tRent1(5)", "12345678.",
        "1234567", "", 2, "tRent1(5)");
    row("invalid: full stop empties the amount", "tIncome(0)", "1234.", "",
        "Cents should be excluded!", 1, "tIncome(0)");
    row("valid: second digit of the day moves on", "tddmmyy(0)", "3102", "31", "", 0, "tddmmyy(2)");
}

void TestEditorFieldsScreen::keysReachTheirRule() {
    QFETCH(KeyCase, keyCase);
    const auto& [control, keys, shown, message, beeps, focus] = keyCase;
    EditorScreen editor;
    QVERIFY(editor.open({{"ID=1", "Status=O", "Surname=CHAN", "QFlag=1"}}));
    editor.retype(editor.control(control), keys);
    QCOMPARE(editor.control(control)->text(), shown);
    QCOMPARE(editor.services.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(editor.services.beeps, beeps);
    QCOMPARE(focusName(), focus);
}

// A full field whose whole text is selected (Ctrl+A) takes the keys typed over it, however close
// to its limit the text it replaces was.
void TestEditorFieldsScreen::fullFieldsAreTypedOver_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::newRow("boundary: nine-digit amount") << "aIncome"
                                                 << "999,999,999"
                                                 << "5";
    QTest::newRow("boundary: seven-digit rent") << "Q1Rent1"
                                                << "9,999,999"
                                                << "12";
    QTest::newRow("boundary: full address, a digit first")
        << "RAddress1" << QString(45, u'X') << "1 Main St";
    QTest::newRow("boundary: address one byte short, a digit first")
        << "Capacity" << QString(39, u'X') << "2nd clerk";
    QTest::newRow("boundary: full Chinese name") << "ChineseName" << chan.repeated(25) << chan;
    QTest::newRow("boundary: full remark") << "Remark" << QString(60, u'R') << "9 lines";
}

void TestEditorFieldsScreen::fullFieldsAreTypedOver() {
    QFETCH(QString, column);
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    EditorScreen editor;
    QVERIFY(editor.open({{"ID=1", "Status=O", "Surname=CHAN", "QFlag=1", column + "=" + stored}}));
    FieldEdit* field = editor.screen->field(column);
    QCOMPARE(field->text(), stored);
    editor.select(field);
    QCOMPARE(field->selectedText(), stored);
    type(typed);
    QCOMPARE(field->text(), typed);
    QCOMPARE(editor.services.beeps, 0);
}

// The control, its new text pasted or typed, the key that leaves it, then its text, the message
// and the focus.
using LeaveCase = std::tuple<QString, bool, QString, Qt::Key, QString, QString, QString>;

void TestEditorFieldsScreen::leaveChecks_data() {
    QTest::addColumn<LeaveCase>("leaveCase");
    const auto row = [](const char* name, auto... columns) {
        QTest::newRow(name) << LeaveCase{columns...};
    };
    const bool pasted = true;
    const Qt::Key tab = Qt::Key_Tab;
    const char* badSurname = "Invalid character found at Surname!";
    const char* badDate = "Invalid date. Please enter again.";
    row("invalid: pasted surname restored", "tPage1(0)", pasted, "CHAN 2", tab, "CHAN", badSurname,
        "tPage1(0)");
    row("invalid: surname left by paging, its page back", "tPage1(0)", pasted, "CHAN#",
        Qt::Key_PageDown, "CHAN", badSurname, "tPage1(0)");
    row("valid: surname upper-cased", "tPage1(0)", !pasted, "o'brien-smith.", tab, "O'BRIEN-SMITH.",
        "", "tPage1(1)");
    row("valid: identity number upper-cased", "tHKID(0)", !pasted, "a123456", tab, "A123456", "",
        "tChkDigit(0)");
    row("invalid: spouse's identity number restored", "tHKID(1)", !pasted, "1A23456", tab,
        "C111111", "Invalid HKID. Please enter again.", "tHKID(1)");
    row("invalid: year of no real day emptied", "tddmmyy(2)", !pasted, "2000", tab, "", badDate,
        "tddmmyy(2)");
    row("valid: day padded", "tddmmyy(3)", !pasted, "5", tab, "05", "", "tddmmyy(4)");
}

// The verdict of leaving a field: its new text, a message, the focus, the page.
void TestEditorFieldsScreen::leaveChecks() {
    QFETCH(LeaveCase, leaveCase);
    const auto& [control, pasted, text, leaveKey, shown, message, focus] = leaveCase;
    EditorScreen editor;
    QVERIFY(editor.open({{"ID=1", "Status=O", "Surname=CHAN", "HKID=B654321", "MStatus=2",
                          "SpouseHKID=C111111", "EDay1=31", "EMonth1=02", "QFlag=1"}}));
    const auto rows = [&] {
        return tableRows(editor.db.state.db(), table::employee, employeeColumns());
    };
    const QList<RowValues> stored = rows();
    boxesTakeTheFocus(editor.services, editor.screen.get());
    FieldEdit* field = editor.control(control);
    if (pasted)
        editor.paste(field, text);
    else
        editor.retype(field, text);
    press(leaveKey);
    QCOMPARE(field->text(), shown);
    QCOMPARE(editor.services.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(focusName(), focus);
    if (!message.isEmpty()) {
        QCOMPARE(editor.services.boxes.first().title, QStringLiteral("Error"));
        QVERIFY(editor->isPageVisible(editor.pageOf(field)));
    }
    QCOMPARE(rows(), stored); // the record is written only by Update
}

// The record control moves on while the surname keeps the focus: a refusal then restores the
// surname of the record on screen, never the one of the record shown before. Two refused fields
// do not take the focus from each other, and each gets back its own text.
void TestEditorFieldsScreen::refusalsRestoreTheTextFromWhenTheFieldWasEntered() {
    EditorScreen editor;
    QVERIFY(editor.open({original(1, "ADAMS", "AMY"), original(2, "BAKER", "BOB")}));
    boxesTakeTheFocus(editor.services, editor.screen.get());
    FieldEdit* surname = editor.element("tPage1", 0);
    click(surname);
    click(editor.arrow("nextButton"));
    QCOMPARE(focused(), surname);
    editor.paste(surname, QStringLiteral("1"));
    press(Qt::Key_Tab);
    QCOMPARE(editor.services.texts(), QStringList{"Invalid character found at Surname!"});
    QCOMPARE(surname->text(), QStringLiteral("BAKER"));

    editor.services.clear();
    editor.control("tAreaCode")->setText(QStringLiteral("Z"));
    click(editor.control("tSex"));
    editor.control("tSex")->setText(QStringLiteral("X"));
    editor.control("tAreaCode")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(editor.services.texts(), QStringList{"Invalid Sex. Please enter 'M' or 'F'."});
    QCOMPARE(focused(), editor.control("tSex"));
    QCOMPARE(editor.control("tSex")->text(), QString());
    editor.control("tAreaCode")->setFocus(Qt::MouseFocusReason);
    editor.control("tSex")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(editor.services.boxes.size(), 2);
    QCOMPARE(editor.services.lastText(),
             QStringLiteral("Invalid Area Code.  Please enter 'H', 'K', 'N' or 'F'."));
    QCOMPARE(focused(), editor.control("tAreaCode"));
    QCOMPARE(editor.control("tAreaCode")->text(), QStringLiteral("Z"));
}

// The indicator, its texts for off and on, the fields it governs and some it does not, the
// field clicked to leave it once it is on, and the focus then.
using IndicatorCase =
    std::tuple<QString, QString, QString, QStringList, QStringList, QString, QString>;

void TestEditorFieldsScreen::indicatorsGovernTheirFields_data() {
    QTest::addColumn<IndicatorCase>("indicatorCase");
    const auto row = [](const char* name, const char* indicator, const char* off, const char* on,
                        const QStringList& governed, const QStringList& untouched,
                        const char* clicked, const char* focus) {
        QTest::newRow(name) << IndicatorCase{indicator, off,     on,   governed,
                                             untouched, clicked, focus};
    };
    row("marital status: the focus goes to the spouse's name", "tMStatus", "1", "2",
        {"tPage1(3)", "tPage1(4)", "tHKID(1)", "tChkDigit(1)"}, {"tPage1(2)"}, "tPage1(8)",
        "tPage1(3)");
    row("place of residence", "tQFlag", "0", "1",
        {"tPage3(0)", "tPage3(3)", "tPage3(7)", "tRent1(0)", "tRent1(7)"}, {"tPage4(3)"},
        "tPage3(4)", "tPage3(4)");
    row("overseas company", "tOSeaFlag", "0", "1", {"tPage4(0)", "tPage4(1)", "tPage4(2)"},
        {"tPage4(3)", "tPage4(4)"}, "tPage4(4)", "tPage4(4)");
}

// A change only greys the governed fields; leaving empties them; turned on, they come back.
void TestEditorFieldsScreen::indicatorsGovernTheirFields() {
    QFETCH(IndicatorCase, indicatorCase);
    const auto& [indicator, off, on, governed, untouched, clicked, focus] = indicatorCase;
    EditorScreen editor;
    QVERIFY(editor.open(
        {record("ID=1", "Status=O", "Surname=CHAN", "Passport=P1", "MStatus=2",
                "SpouseName=LEE MEI", "SpousePassport=P2", "SpouseHKID=C111111", "SpouseChkDigit=3",
                "QFlag=1", "Q1Address1=FLAT A", "Q1Period=2000-2001", "Q2Period=2001",
                "Q1Rent1=1,000", "Q2Rent4=2,000", "OSeaFlag=1", "OSeaAmount=100", "OSeaName=ACME",
                "OSeaAddress=LONDON", "FileNo=123", "Remark=NOTE")}));
    const auto fields = [&](const QStringList& names) {
        QList<FieldEdit*> all;
        for (const QString& name : names)
            all << editor.control(name);
        return all;
    };
    editor.retype(editor.control(indicator), off);
    for (FieldEdit* field : fields(governed))
        QVERIFY2(isGreyedOut(field) && !field->text().isEmpty(), qPrintable(field->objectName()));
    press(Qt::Key_Tab);
    for (FieldEdit* field : fields(governed))
        QVERIFY2(isGreyedOut(field) && field->text().isEmpty(), qPrintable(field->objectName()));
    for (FieldEdit* field : fields(untouched))
        QVERIFY2(field->isEnabled() && !field->text().isEmpty(), qPrintable(field->objectName()));
    QVERIFY(editor.isIn(CommandState::Editing));

    editor.retype(editor.control(indicator), on);
    click(editor.control(clicked));
    QCOMPARE(focusName(), focus);
    for (FieldEdit* field : fields(governed))
        QVERIFY2(field->isEnabled() && field->palette().color(QPalette::Base) != grey,
                 qPrintable(field->objectName()));
    QVERIFY(editor.services.boxes.isEmpty());
}

void TestEditorFieldsScreen::totalFollowsTheAmounts() {
    EditorScreen editor;
    QVERIFY(editor.open({original(1, "CHAN", "TAI MAN")}));
    editor.retype(editor.element("tIncome", 0), QStringLiteral("999999999"));
    QCOMPARE(editor.control("tTotal")->text(), QStringLiteral("999,999,999"));
    press(Qt::Key_Tab);
    QCOMPARE(editor.element("tIncome", 0)->text(), QStringLiteral("999,999,999"));

    editor.retype(editor.element("tIncome", 13), QStringLiteral("1"));
    QCOMPARE(editor.control("tTotal")->text(), QStringLiteral("1,000,000,000"));
    press(Qt::Key_Tab);
    QCOMPARE(editor.services.texts(), QStringList{"Value too large!"});
    QCOMPARE(editor.element("tIncome", 13)->text(), QString());
    QCOMPARE(focused(), editor.element("tIncome", 13));
    QCOMPARE(editor.control("tTotal")->text(), QStringLiteral("999,999,999"));
    QCOMPARE(editor.db.column("aIncome"), QStringList{"(none)"});
}

// The page, its fields in reading order and the spoken name of the last.
using TabCase = std::tuple<int, QStringList, QString>;

void TestEditorFieldsScreen::tabFollowsTheReadingOrderOfEachPage_data() {
    QTest::addColumn<TabCase>("tabCase");
    const QStringList page1{"optStatus(1)", "tSheetNo",     "tPage1(0)", "tPage1(1)",
                            "tHKID(0)",     "tChkDigit(0)", "tPage1(2)", "tSex",
                            "tMStatus",     "tPage1(3)",    "tHKID(1)",  "tChkDigit(1)",
                            "tPage1(4)",    "tChineseName", "tPage1(5)", "tPage1(6)",
                            "tAreaCode",    "tPage1(7)",    "tPage1(8)", "tPage1(9)"};
    QTest::newRow("page 1") << TabCase{1, page1,
                                       "If part time, the name of his/her principal employer"};
    QStringList page2{"tddmmyy(0)", "tddmmyy(1)", "tddmmyy(2)",
                      "tddmmyy(3)", "tddmmyy(4)", "tddmmyy(5)"};
    for (int amount = 0; amount < 14; ++amount) {
        if (amount >= 10 && amount <= 12)
            page2 << QStringLiteral("tNature(%1)").arg(amount - 10);
        page2 << QStringLiteral("tPeriod(%1)").arg(amount < 9 ? amount : amount + 1)
              << QStringLiteral("tIncome(%1)").arg(amount);
    }
    QTest::newRow("page 2") << TabCase{2, page2, "l. Pensions, amount"};
    QStringList page3{"tQFlag"}; // each place of residence: four lines, then four rents
    for (int i = 0; i < 16; ++i)
        page3 << QString(i % 8 < 4 ? "tPage3(%1)" : "tRent1(%1)").arg(i / 8 * 4 + i % 4);
    QTest::newRow("page 3") << TabCase{3, page3, "Address 2, rent paid to employer by employee"};
}

// Tab from the page's first field through every enabled field, the record control and the
// commands, and round to the first field; the fields have names a screen reader speaks.
void TestEditorFieldsScreen::tabFollowsTheReadingOrderOfEachPage() {
    QFETCH(TabCase, tabCase);
    const auto& [page, order, lastSpoken] = tabCase;
    EditorScreen editor;
    QVERIFY(
        editor.open({{"ID=1", "Status=R", "Surname=CHAN", "MStatus=2", "QFlag=1", "OSeaFlag=1"}}));
    editor->showPage(page);
    editor.control<QWidget>(order.first())->setFocus();
    const QStringList commands{"firstButton", "previousButton", "nextButton", "lastButton",
                               "cNew",        "cDelete",        "cExit",      "cNameSearch",
                               "cSort",       "cPrint",         "cPrintAll",  "cSaveFloppy",
                               "cCheckAll",   "cImport",        "cExport",    "cExportTemplate"};
    const QStringList expected = order + commands + QStringList{order.first()};
    QStringList visited{focusName()};
    for (int step = 1; step < expected.size(); ++step) {
        press(Qt::Key_Tab);
        visited << focusName();
    }
    QCOMPARE(visited, expected);
    QCOMPARE(editor.control(order.last())->accessibleName(), lastSpoken);
    QVERIFY(editor.services.boxes.isEmpty());
    QVERIFY(editor.isIn(CommandState::Browsing));
}

QTEST_MAIN(TestEditorFieldsScreen)
#include "tst_editor_fields_screen.moc"
