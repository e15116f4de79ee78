#include "core/records/editor_fields.h"
#include "core/records/field_rules.h"

#include <QTest>
#include <tuple>

using namespace fieldrules;
using Restore = LeaveVerdict::Restore;
using Dependents = LeaveVerdict::Dependents;

namespace {

const QString chan = QStringLiteral("\u9673"); // a Chinese character, two bytes in the code page
const QString periodMessage =
    QStringLiteral("Only Alphanumeric, ' / ', ' - ' and ' . ' can be entered.");
const QString notNumeric = QStringLiteral("Value must be numeric. Please enter again.");
const QString invalidDate = QStringLiteral("Invalid date. Please enter again.");
const QString tooLarge = QStringLiteral("Value too large!");

// The verdicts the rows expect.
const auto takes = [] { return KeyVerdict{}; };
const auto beeps = [] { return KeyVerdict{.accept = false, .beep = true, .message = {}}; };
const auto movesOn = [] { return KeyVerdict{.message = {}, .moveFocusNext = true}; };
const auto reports = [](const QString& message, bool clearField = false) {
    return KeyVerdict{.accept = false, .message = message, .clearField = clearField};
};
const auto marked = [](KeyVerdict verdict) {
    verdict.markRecordChanged = true;
    return verdict;
};
const auto becomes = [](const QString& text, bool mark = true) {
    return ChangeVerdict{.text = text, .markWhenTracking = mark};
};
const auto revertsTo = [](const QString& text) {
    return ChangeVerdict{.text = text, .revert = true, .beep = true};
};
const auto passes = [](const QString& text, Dependents dependents = Dependents::Unchanged) {
    return LeaveVerdict{.message = {}, .newText = text, .dependents = dependents};
};
const auto fails = [](const QString& message, int page, Restore restore, const QString& text) {
    return LeaveVerdict{
        .ok = false, .message = message, .page = page, .restore = restore, .newText = text};
};

// Every part of a verdict in one text, so that one comparison shows all the differences.
QString describe(const KeyVerdict& v) {
    return QString::asprintf("accept %d, beep %d, message '%s', clear %d, move on %d, mark %d",
                             v.accept, v.beep, qUtf8Printable(v.message), v.clearField,
                             v.moveFocusNext, v.markRecordChanged);
}

QString describe(const ChangeVerdict& v) {
    return QString::asprintf("text '%s', revert %d, beep %d, mark %d", qUtf8Printable(v.text),
                             v.revert, v.beep, v.markWhenTracking);
}

QString describe(const LeaveVerdict& v) {
    return QString::asprintf("ok %d, message '%s', page %d, restore %d, text '%s', "
                             "dependents %d, focus %d",
                             v.ok, qUtf8Printable(v.message), v.page, int(v.restore),
                             qUtf8Printable(v.newText), int(v.dependents), v.focusFirstDependent);
}

QStringList fourteenAmounts(std::initializer_list<std::pair<int, QString>> lines) {
    QStringList amounts(14);
    for (const auto& [line, amount] : lines)
        amounts[line] = amount;
    return amounts;
}

// The leave rule by name; texts[element] is the field being left, its siblings around it.
LeaveVerdict leave(const QString& rule, int element, const QStringList& texts,
                   const QString& entryValue) {
    using SingleLeave = LeaveVerdict (*)(const QString&, const QString&);
    static const QHash<QString, SingleLeave> single{
        {"surname", surnameLeave},
        {"sex", sexLeave},
        {"area code", areaCodeLeave},
        {"marital status", maritalStatusLeave},
        {"residence", residenceIndicatorLeave},
        {"overseas", overseasIndicatorLeave},
        {"identity number", identityNumberLeave},
        {"rent", [](const QString& text, const QString&) { return rentLeave(text); }},
    };
    if (rule == u"amount")
        return incomeAmountLeave(element, texts, entryValue);
    if (rule != u"date")
        return single.value(rule)(texts[0], entryValue);
    std::array<QString, 6> parts;
    std::copy(texts.begin(), texts.end(), parts.begin());
    return datePartLeave(element, parts, entryValue);
}

// The columns of the tables, named where they are taken apart.
using KeyCase =
    std::tuple<QString, int, QString, QString, QString, KeyVerdict, KeyVerdict, QString>;
using ChangeCase = std::tuple<QString, int, QString, QString, ChangeVerdict>;
using LeaveCase = std::tuple<QString, int, QStringList, QString, LeaveVerdict>;

} // namespace

class TestFieldRules : public QObject {
    Q_OBJECT
private slots:
    void keyFilter_data();
    void keyFilter();
    void backspaceIsAlwaysTaken();
    void change_data();
    void change();
    void leave_data();
    void leave();
    void textRules_data();
    void textRules();
    void keyIsJudgedOnTheTextItLeaves_data();
    void keyIsJudgedOnTheTextItLeaves();
};

// Every key of `taken` gets the verdict `takes`, every key of `refused` the verdict `refuses`.
void TestFieldRules::keyFilter_data() {
    QTest::addColumn<KeyCase>("keyCase");
    auto row = [](const char* name, const char* control, int element, const QString& before,
                  const QString& taken, const QString& refused, const KeyVerdict& refuses = beeps(),
                  const KeyVerdict& takes = ::takes(), const QString& entryValue = QString()) {
        QTest::newRow(name) << KeyCase{control, element, before, taken,
                                       refused, refuses, takes,  entryValue};
    };
    const QString x44 = QString(44, u'x');
    const KeyVerdict noPeriod = reports(periodMessage);

    row("sheet number", "tSheetNo", -1, "12", "07", "a ");
    row("surname", "tPage1", 0, "LEE", "aZ-'.", " 2,");
    row("other names", "tPage1", 1, "TAI", "aZ ,.-", "'1");
    row("chinese name", "tChineseName", -1, chan, chan + "\U0002003E", "A1 \x7f\U0001F600");
    row("chinese name, boundary: 48 bytes", "tChineseName", -1, chan.repeated(24), chan, "");
    row("chinese name, boundary: 50 bytes", "tChineseName", -1, chan.repeated(25), "", chan);
    row("sex", "tSex", -1, "", "mF", "x");
    row("area code", "tAreaCode", -1, "", "hNfK", "m");
    // Marital status marks the record changed on every key, taken or not.
    row("marital status", "tMStatus", -1, "", "12\b", "03", marked(beeps()), marked(takes()));
    row("free text, valid: two bytes left", "tPage1", 5, QString(43, u'x'), "1" + chan, "");
    row("free text, boundary: one byte left", "tPage1", 5, x44, "a-,. ", "1/" + chan);
    row("free text, boundary: bytes counted, not characters", "tPage1", 5, chan.repeated(22), "",
        "1");
    row("free text, boundary: full", "tPage1", 5, QString(45, u'x'), "", "a");
    row("free text, invalid: cannot be encoded", "tPage1", 7, "", "#", "\u0627");
    row("overseas amount, boundary: free text of 20 bytes", "tPage4", 0, QString(19, u'1'), "",
        "5");
    row("residence nature, boundary: one byte left", "tPage3", 2, QString(18, u'x'), "a", "9");
    row("nature", "tNature", 1, "", chan + "#", "\U0001F600");
    row("residence period", "tPage3", 3, "", "/. a9", "#", noPeriod);
    row("income period", "tPeriod", 14, "", "9", ",", noPeriod);
    row("file number", "tPage4", 3, "", "/-", "_",
        reports(QStringLiteral("Only Alphanumeric, ' / ' and ' - ' can be entered.")));
    row("file number, invalid: full stop beeps", "tPage4", 3, "", "", ".");
    row("residence indicator", "tQFlag", -1, "", "01", "2");
    row("overseas indicator", "tOSeaFlag", -1, "", "1", "y");
    row("identity number", "tHKID", 1, "A", "a5", "( ");
    row("check character", "tChkDigit", 0, "", "9Aa ", "B");
    row("day: first digit", "tddmmyy", 0, "", "3", "/");
    row("day: second digit moves on", "tddmmyy", 0, "3", "1", "", beeps(), movesOn());
    row("day: digit after an unchanged day stays", "tddmmyy", 0, "3", "1", "", beeps(), takes(),
        "3");
    row("day, boundary: digit into two stays", "tddmmyy", 0, "31", "1", "");
    row("end month: second digit moves on", "tddmmyy", 4, "0", "4", "", beeps(), movesOn());
    row("year: second digit stays", "tddmmyy", 2, "2", "0", "");
    row("end year: second digit stays", "tddmmyy", 5, "2", "0", "");
    row("amount: full stop empties the field", "tIncome", 0, "1234", "", ".",
        reports(QStringLiteral("Cents should be excluded!"), true));
    row("amount, boundary: ninth digit", "tIncome", 3, "12,345,678", "9,", "-");
    row("amount, boundary: tenth digit", "tIncome", 3, "123,456,789", "", "9,");
    row("rent, boundary: seventh digit", "tRent1", 0, "123,456", "7,", ".");
    row("rent, boundary: eighth digit", "tRent1", 7, "1,234,567", "", "8");
}

void TestFieldRules::keyFilter() {
    QFETCH(KeyCase, keyCase);
    const auto& [control, element, before, taken, refused, refuses, takes, entryValue] = keyCase;
    const EditorField* field = findField(control, element);
    QVERIFY(field);
    for (const char32_t key : taken.toUcs4())
        QCOMPARE(describe(filterKey(*field, key, before, entryValue)), describe(takes));
    for (const char32_t key : refused.toUcs4())
        QCOMPARE(describe(filterKey(*field, key, before, entryValue)), describe(refuses));
}

// Even in a full field, and without moving the focus on.
void TestFieldRules::backspaceIsAlwaysTaken() {
    for (const EditorField& field : editorFields()) {
        const QString full(std::max(field.limit, 1), u'9');
        const KeyVerdict expected =
            field.rule == RuleKind::MaritalStatus ? marked(takes()) : takes();
        QVERIFY2(describe(filterKey(field, backspace, full)) == describe(expected), field.control);
    }
}

void TestFieldRules::change_data() {
    QTest::addColumn<ChangeCase>("changeCase");
    auto row = [](const char* name, const char* control, int element, const QString& newText,
                  const QString& lastAccepted, const ChangeVerdict& expected) {
        QTest::newRow(name) << ChangeCase{control, element, newText, lastAccepted, expected};
    };
    const QString name25 = chan.repeated(25);
    const QString address44 = chan.repeated(22);
    row("sex: trimmed and upper-cased", "tSex", -1, " m ", "", becomes("M"));
    row("area code: upper-cased", "tAreaCode", -1, "h", "", becomes("H"));
    row("marital status: trimmed, not marked", "tMStatus", -1, " 2", "", becomes("2", false));
    row("record type: not marked", "tStatus", -1, "R", "", becomes("R", false));
    row("period: not byte-guarded", "tPeriod", 0, chan.repeated(20), "",
        becomes(chan.repeated(20)));
    row("surname, invalid: over 20 bytes", "tPage1", 0, chan.repeated(11), "LEE", revertsTo("LEE"));
    row("chinese name, boundary: 52 bytes", "tChineseName", -1, name25 + chan, name25,
        revertsTo(name25));
    row("address, boundary: at its limit", "tPage1", 5, address44 + "a", "",
        becomes(address44 + "a"));
    row("address, boundary: over by one byte", "tPage1", 6, address44 + "ab", address44 + "a",
        revertsTo(address44 + "a"));
    row("address, invalid: cannot be encoded", "tPage1", 7, "FLAT \U0001F600", "FLAT ",
        revertsTo("FLAT "));
}

void TestFieldRules::change() {
    QFETCH(ChangeCase, changeCase);
    const auto& [control, element, newText, lastAccepted, expected] = changeCase;
    const EditorField* field = findField(control, element);
    QVERIFY(field);
    QCOMPARE(describe(applyChange(*field, newText, lastAccepted)), describe(expected));
}

void TestFieldRules::leave_data() {
    QTest::addColumn<LeaveCase>("leaveCase");
    const auto one = [](const char* name, const char* rule, const QString& text,
                        const QString& entryValue, const LeaveVerdict& expected) {
        QTest::newRow(name) << LeaveCase{rule, 0, {text}, entryValue, expected};
    };
    const auto date = [](const char* name, int element, const QStringList& parts,
                         const LeaveVerdict& expected, const QString& entryValue = {}) {
        QTest::newRow(name) << LeaveCase{"date", element, parts, entryValue, expected};
    };
    const auto amount = [](const char* name, int element,
                           std::initializer_list<std::pair<int, QString>> lines,
                           const LeaveVerdict& expected, const QString& entryValue = {}) {
        QTest::newRow(name) << LeaveCase{"amount", element, fourteenAmounts(lines), entryValue,
                                         expected};
    };
    const auto restores = [](const QString& message, int page, const QString& entryValue) {
        return fails(message, page, Restore::EntryValue, entryValue);
    };
    const LeaveVerdict noDate = fails(invalidDate, 2, Restore::Clear, "");
    LeaveVerdict married = passes("2", Dependents::Enable);
    married.focusFirstDependent = true;
    married.page = 1;

    one("surname: upper-cased", "surname", " o'brien-smith. ", "", passes("O'BRIEN-SMITH."));
    one("surname: empty", "surname", "", "LEE", passes(""));
    one("surname, invalid: inner blank", "surname", "chan tai", "LEE",
        restores("Invalid character found at Surname!", 1, "LEE"));
    one("sex: upper-cased", "sex", " f", "", passes("F"));
    one("sex, invalid: other letter", "sex", "X", "M",
        restores("Invalid Sex. Please enter 'M' or 'F'.", 1, "M"));
    one("area code: K", "area code", "K", "", passes("K"));
    one("area code, invalid: other letter", "area code", "X", "N",
        restores("Invalid Area Code.  Please enter 'H', 'K', 'N' or 'F'.", 1, "N"));
    one("marital status: married", "marital status", "2", "1", married);
    one("marital status: single", "marital status", "1", "2",
        passes("1", Dependents::ClearAndDisable));
    one("marital status, invalid: 3", "marital status", "3", "1",
        restores("Invalid Marital Status. Please enter '1', '2' or leave blank.", 1, "1"));
    one("residence: none provided", "residence", "0", "1",
        passes("0", Dependents::ClearAndDisable));
    one("residence: provided", "residence", "1", "0", passes("1", Dependents::Enable));
    one("residence: empty", "residence", "", "1", passes(""));
    one("residence, invalid: 2", "residence", "2", "1",
        restores("Invalid Place of Residence indicator. Please enter '0' or '1'.", 3, "1"));
    one("overseas, invalid: 9", "overseas", "9", "0",
        restores("Invalid overseas company indicator. Please enter '0' or '1'.", 4, "0"));
    one("identity number: trimmed and upper-cased", "identity number", " a1234e5 ", "",
        passes("A1234E5"));
    one("identity number, invalid: six characters", "identity number", "A12345", "Z999999",
        restores("Invalid HKID. Please enter again.", 1, "Z999999"));
    one("rent, boundary: seven digits", "rent", "1234567", "", passes("1,234,567"));
    one("rent, boundary: eight digits", "rent", "12345678", "",
        fails(tooLarge, 3, Restore::Clear, ""));
    one("rent, invalid: no amount", "rent", "1.5", "", fails(notNumeric, 3, Restore::Clear, ""));

    date("date: end month made two digits", 4, {"", "", "", "", "4", ""}, passes("04"));
    date("date: blanks left alone", 3, {"", "", "", "  ", "", ""}, passes("  "));
    date("date: incomplete date not tested", 2, {"31", "02", "20", "", "", ""}, passes("20"));
    date("date: pasted exponent read as a number", 1, {"", "1e1", "", "", "", ""}, passes("10"));
    date("date, boundary: leap day", 0, {"29", "02", "2000", "", "", ""}, passes("29"));
    date("date, boundary: 29 February 2001", 0, {"29", "02", "2001", "", "", ""}, noDate);
    date("date, invalid: not numeric", 0, {"1a", "", "", "", "", ""}, restores(notNumeric, 2, "12"),
         "12");
    date("date, invalid: pasted sign", 0, {"-5", "02", "2001", "", "", ""}, noDate);
    date("date, invalid: end date while leaving a start part", 2,
         {"1", "04", "1999", "31", "04", "2000"}, noDate);

    amount("amount: formatted", 0, {{0, "1234567"}}, passes("1,234,567"));
    amount("amount, boundary: largest total over fourteen lines", 13,
           {{0, "999,999,986"}, {5, "1"}, {9, "1"}, {10, "1"}, {11, "1"}, {12, "1"}, {13, "8"}},
           passes("8"));
    amount("amount, boundary: one over restores and formats the entry value", 5,
           {{0, "999,999,999"}, {5, "1"}}, restores(tooLarge, 2, "1,000"), "1000");
    amount("amount, invalid: a sum that would wrap 32 bits", 4,
           {{0, "999,999,999"},
            {1, "999,999,999"},
            {2, "999,999,999"},
            {3, "999,999,999"},
            {4, "294,967,305"}},
           restores(tooLarge, 2, ""));
    amount("amount, invalid: no amount", 1, {{1, "12a"}}, restores(notNumeric, 2, "12"), "12");
}

void TestFieldRules::leave() {
    QFETCH(LeaveCase, leaveCase);
    const auto& [rule, element, texts, entryValue, expected] = leaveCase;
    const LeaveVerdict verdict = ::leave(rule, element, texts, entryValue);
    QCOMPARE(describe(verdict), describe(expected));
    QCOMPARE(verdict.textChanged, verdict.newText != texts[element]);
}

// The rules that turn one text into another, each answer written as text.
void TestFieldRules::textRules_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* rule, const QString& text,
                        const char* expected) {
        QTest::newRow(name) << QString(rule) << text << QString(expected);
    };
    row("amount value: lone comma", "amount value", ",", "0");
    row("amount value: grouped", "amount value", "1,234,567", "1234567");
    row("amount value: leading zeros", "amount value", "0000000000000000001", "1");
    row("amount value, boundary: 15 digits", "amount value", "999999999999999", "999999999999999");
    row("amount value, boundary: 16 digits", "amount value", "1000000000000000", "none");
    row("amount value, invalid: letters", "amount value", "12a", "none");
    row("amount value: spaces around", "amount value", " 1,200 ", "1200");
    row("amount value, invalid: space inside", "amount value", "1 200", "none");
    row("amount value, invalid: a full-width digit", "amount value", "１2", "none");
    row("total: grouped and plain", "total", "1,000|2000", "3,000");
    row("total: text that is no amount counts nothing", "total", "abc|123456", "123,456");
    row("total, boundary: every line full", "total", QStringList(14, "999,999,999").join(u'|'),
        "13,999,999,986");
    row("spouse fields: empty", "spouse fields", "", "off");
    row("spouse fields: single", "spouse fields", " 1 ", "off");
    row("spouse fields: married", "spouse fields", "2", "on");
    row("residence fields: empty", "residence fields", "", "on");
    row("residence fields: provided", "residence fields", "1", "on");
    row("residence fields: none provided", "residence fields", "0", "off");
    row("residence fields, invalid: 2 leaves them", "residence fields", "2", "unchanged");
    row("overseas fields: none", "overseas fields", "0", "off");
    row("overseas fields: empty", "overseas fields", "", "on");
    row("page: Page Up on page 1 wraps to 4", "page", "1 up", "4");
    row("page: Page Down on page 3", "page", "3 down", "4");
    row("page: Page Down on page 4 wraps to 1", "page", "4 down", "1");
    row("page, invalid: another key", "page", "2 delete", "0");
    row("page, invalid: hidden field", "page", "0 down", "0");
}

void TestFieldRules::textRules() {
    QFETCH(QString, rule);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const auto onOff = [](std::optional<bool> on) {
        return on ? QString(*on ? "on" : "off") : QString("unchanged");
    };
    const auto amount = amountValue(text);
    const QStringList pageAndKey = text.split(u' ');
    const QHash<QString, int> keys{{"up", Qt::Key_PageUp}, {"down", Qt::Key_PageDown}};
    const QHash<QString, QString> answers{
        {"amount value", amount ? QString::number(*amount) : QString("none")},
        {"total", totalText(sumOfAmounts(text.split(u'|')))},
        {"spouse fields", onOff(spouseFieldsEnabled(text))},
        {"residence fields", onOff(residenceFieldsEnabledOnChange(text))},
        {"overseas fields", onOff(overseasFieldsEnabledOnChange(text))},
        {"page", QString::number(pageForKey(pageAndKey[0].toInt(),
                                            keys.value(pageAndKey.value(1), Qt::Key_Delete)))},
    };
    QVERIFY(answers.contains(rule));
    QCOMPARE(answers.value(rule), expected);
}

// A typed key replaces the selection, so the filters judge the text without it.
void TestFieldRules::keyIsJudgedOnTheTextItLeaves_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("judged");
    QTest::newRow("valid: nothing selected") << "999,999,999" << -1 << 0 << "999,999,999";
    QTest::newRow("boundary: whole text selected") << "999,999,999" << 0 << 11 << "";
    QTest::newRow("valid: a middle part selected") << "123,456" << 1 << 3 << "1456";
    QTest::newRow("boundary: the last character selected") << "ABC" << 2 << 1 << "AB";
    QTest::newRow("boundary: an empty selection at the caret") << "ABC" << 1 << 0 << "ABC";
}

void TestFieldRules::keyIsJudgedOnTheTextItLeaves() {
    QFETCH(QString, text);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, judged);
    QCOMPARE(textBeforeKey(text, selectionStart, selectionLength), judged);
}

QTEST_APPLESS_MAIN(TestFieldRules)
#include "tst_field_rules.moc"
