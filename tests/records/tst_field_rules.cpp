#include "records/editor_fields.h"
#include "records/field_rules.h"

#include <QTest>

using namespace fieldrules;
using Restore = LeaveVerdict::Restore;
using Dependents = LeaveVerdict::Dependents;

Q_DECLARE_METATYPE(KeyVerdict)
Q_DECLARE_METATYPE(ChangeVerdict)
Q_DECLARE_METATYPE(LeaveVerdict)

namespace {

const QString chan = QStringLiteral("\u9673"); // a Chinese character, two bytes in the code page
const QString periodMessage =
    QStringLiteral("Only Alphanumeric, ' / ', ' - ' and ' . ' can be entered.");
const QString fileNumberMessage =
    QStringLiteral("Only Alphanumeric, ' / ' and ' - ' can be entered.");
const QString notNumeric = QStringLiteral("Value must be numeric. Please enter again.");
const QString invalidDate = QStringLiteral("Invalid date. Please enter again.");
const QString tooLarge = QStringLiteral("Value too large!");

QString times(int count, const QString& text) {
    return text.repeated(count);
}

KeyVerdict takes() {
    return {};
}

KeyVerdict beeps() {
    KeyVerdict verdict;
    verdict.accept = false;
    verdict.beep = true;
    return verdict;
}

KeyVerdict reports(const QString& message, bool clearField = false) {
    KeyVerdict verdict;
    verdict.accept = false;
    verdict.message = message;
    verdict.clearField = clearField;
    return verdict;
}

KeyVerdict movesOn() {
    KeyVerdict verdict;
    verdict.moveFocusNext = true;
    return verdict;
}

ChangeVerdict becomes(const QString& text, bool mark = true) {
    ChangeVerdict verdict{text};
    verdict.markWhenTracking = mark;
    return verdict;
}

ChangeVerdict revertsTo(const QString& lastAccepted) {
    return {lastAccepted, true, true};
}

LeaveVerdict passes(const QString& newText, Dependents dependents = Dependents::Unchanged) {
    LeaveVerdict verdict;
    verdict.newText = newText;
    verdict.dependents = dependents;
    return verdict;
}

LeaveVerdict fails(const QString& message, int page, Restore restore, const QString& newText) {
    LeaveVerdict verdict;
    verdict.ok = false;
    verdict.message = message;
    verdict.page = page;
    verdict.restore = restore;
    verdict.newText = newText;
    return verdict;
}

void compareLeave(const LeaveVerdict& actual, const LeaveVerdict& expected, const QString& text) {
    QCOMPARE(actual.ok, expected.ok);
    QCOMPARE(actual.message, expected.message);
    QCOMPARE(actual.page, expected.page);
    QCOMPARE(int(actual.restore), int(expected.restore));
    QCOMPARE(actual.newText, expected.newText);
    QCOMPARE(actual.textChanged, actual.newText != text);
    QCOMPARE(int(actual.dependents), int(expected.dependents));
    QCOMPARE(actual.focusFirstDependent, expected.focusFirstDependent);
}

using SingleLeave = LeaveVerdict (*)(const QString&, const QString&);

SingleLeave singleLeave(const QString& name) {
    static const QHash<QString, SingleLeave> rules{
        {"surname", surnameLeave},
        {"sex", sexLeave},
        {"area code", areaCodeLeave},
        {"marital status", maritalStatusLeave},
        {"residence", residenceIndicatorLeave},
        {"overseas", overseasIndicatorLeave},
        {"identity number", identityNumberLeave},
    };
    return rules.value(name);
}

QStringList fourteenAmounts(std::initializer_list<std::pair<int, QString>> lines) {
    QStringList amounts(14);
    for (const auto& [line, amount] : lines)
        amounts[line] = amount;
    return amounts;
}

} // namespace

class TestFieldRules : public QObject {
    Q_OBJECT
private slots:
    void keyFilter_data();
    void keyFilter();
    void maritalStatusMarksOnEveryKey();
    void change_data();
    void change();
    void dependentsFollowIndicatorChanges();
    void leave_data();
    void leave();
    void leaveWithSiblings_data();
    void leaveWithSiblings();
    void rentLeave_data();
    void rentLeave();
    void total_data();
    void total();
    void amountValue_data();
    void amountValue();
    void paging_data();
    void paging();
};

void TestFieldRules::keyFilter_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("element");
    QTest::addColumn<uint>("key");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("entryValue");
    QTest::addColumn<KeyVerdict>("expected");
    auto row = [](const char* name, const char* control, int element, char32_t key,
                  const QString& before, const KeyVerdict& expected,
                  const QString& entryValue = QString()) {
        QTest::newRow(name) << control << element << uint(key) << before << entryValue << expected;
    };
    const QString address44 = times(44, "x");

    row("sheet number: digit", "tSheetNo", -1, U'7', "12", takes());
    row("sheet number: letter", "tSheetNo", -1, U'a', "12", beeps());
    row("sheet number: backspace", "tSheetNo", -1, backspace, "12", takes());

    row("surname: apostrophe", "tPage1", 0, U'\'', "O", takes());
    row("surname: hyphen", "tPage1", 0, U'-', "LEE", takes());
    row("surname: full stop", "tPage1", 0, U'.', "ST", takes());
    row("surname: blank", "tPage1", 0, U' ', "LEE", beeps());
    row("surname: digit", "tPage1", 0, U'2', "LEE", beeps());
    row("surname: comma", "tPage1", 0, U',', "LEE", beeps());

    row("other names: blank", "tPage1", 1, U' ', "TAI", takes());
    row("other names: comma", "tPage1", 1, U',', "TAI", takes());
    row("other names: apostrophe", "tPage1", 1, U'\'', "TAI", beeps());
    row("other names: digit", "tPage1", 1, U'1', "TAI", beeps());

    row("chinese name: chinese", "tChineseName", -1, U'\u9673', "", takes());
    row("chinese name: hong kong supplement beyond the basic plane", "tChineseName", -1,
        U'\U0002003E', "", takes());
    row("chinese name: latin letter", "tChineseName", -1, U'A', "", beeps());
    row("chinese name: digit", "tChineseName", -1, U'1', chan, beeps());
    row("chinese name: blank", "tChineseName", -1, U' ', chan, beeps());
    row("chinese name: code 127", "tChineseName", -1, 127, chan, beeps());
    row("chinese name: cannot be encoded", "tChineseName", -1, U'\U0001F600', "", beeps());
    row("chinese name: 48 bytes", "tChineseName", -1, U'\u9673', times(24, chan), takes());
    row("chinese name: 50 bytes", "tChineseName", -1, U'\u9673', times(25, chan), beeps());
    row("chinese name: backspace at 50 bytes", "tChineseName", -1, backspace, times(25, chan),
        takes());

    row("sex: m", "tSex", -1, U'm', "", takes());
    row("sex: F", "tSex", -1, U'F', "", takes());
    row("sex: other letter", "tSex", -1, U'x', "", beeps());
    row("area code: h", "tAreaCode", -1, U'h', "", takes());
    row("area code: N", "tAreaCode", -1, U'N', "", takes());
    row("area code: f", "tAreaCode", -1, U'f', "", takes());
    row("area code: other letter", "tAreaCode", -1, U'm', "", beeps());
    row("marital status: 2", "tMStatus", -1, U'2', "", takes());
    row("marital status: 3", "tMStatus", -1, U'3', "", beeps());
    row("marital status: 0", "tMStatus", -1, U'0', "", beeps());

    row("free text: digit, two bytes left", "tPage1", 5, U'1', times(43, "x"), takes());
    row("free text: chinese, two bytes left", "tPage1", 5, U'\u9673', times(43, "x"), takes());
    row("free text: digit, one byte left", "tPage1", 5, U'1', address44, beeps());
    row("free text: letter, one byte left", "tPage1", 5, U'a', address44, takes());
    row("free text: hyphen, one byte left", "tPage1", 5, U'-', address44, takes());
    row("free text: comma, one byte left", "tPage1", 5, U',', address44, takes());
    row("free text: full stop, one byte left", "tPage1", 5, U'.', address44, takes());
    row("free text: blank, one byte left", "tPage1", 5, U' ', address44, takes());
    row("free text: slash, one byte left", "tPage1", 5, U'/', address44, beeps());
    row("free text: chinese, one byte left", "tPage1", 5, U'\u9673', address44, beeps());
    row("free text: bytes counted, not characters", "tPage1", 5, U'1', times(22, chan), beeps());
    row("free text: letter at the limit", "tPage1", 5, U'a', times(45, "x"), beeps());
    row("free text: backspace at the limit", "tPage1", 5, backspace, times(45, "x"), takes());
    row("free text: cannot be encoded", "tPage1", 7, U'\u0627', "", beeps());
    row("free text: symbol", "tPage1", 7, U'#', "", takes());
    row("overseas amount is free text", "tPage4", 0, U'5', times(19, "1"), beeps());
    row("remark: chinese", "tPage4", 4, U'\u9673', "", takes());
    row("residence nature: one byte left", "tPage3", 2, U'9', times(18, "x"), beeps());

    row("residence period: slash", "tPage3", 3, U'/', "", takes());
    row("residence period: full stop", "tPage3", 3, U'.', "", takes());
    row("residence period: blank", "tPage3", 7, U' ', "", takes());
    row("residence period: symbol", "tPage3", 3, U'#', "", reports(periodMessage));
    row("residence period: chinese", "tPage3", 7, U'\u9673', "", reports(periodMessage));
    row("income period: digit", "tPeriod", 10, U'9', "", takes());
    row("income period: comma", "tPeriod", 14, U',', "", reports(periodMessage));

    row("file number: slash", "tPage4", 3, U'/', "", takes());
    row("file number: hyphen", "tPage4", 3, U'-', "", takes());
    row("file number: full stop", "tPage4", 3, U'.', "", beeps());
    row("file number: underscore", "tPage4", 3, U'_', "", reports(fileNumberMessage));

    row("residence indicator: 0", "tQFlag", -1, U'0', "", takes());
    row("residence indicator: 2", "tQFlag", -1, U'2', "", beeps());
    row("overseas indicator: 1", "tOSeaFlag", -1, U'1', "", takes());
    row("overseas indicator: letter", "tOSeaFlag", -1, U'y', "", beeps());

    row("identity number: lower-case letter", "tHKID", 0, U'a', "", takes());
    row("identity number: digit", "tHKID", 1, U'5', "A", takes());
    row("identity number: bracket", "tHKID", 0, U'(', "A123456", beeps());
    row("identity number: blank", "tHKID", 0, U' ', "A", beeps());
    row("check character: digit", "tChkDigit", 0, U'9', "", takes());
    row("check character: a", "tChkDigit", 1, U'a', "", takes());
    row("check character: blank", "tChkDigit", 0, U' ', "", takes());
    row("check character: B", "tChkDigit", 0, U'B', "", beeps());

    row("day: first digit", "tddmmyy", 0, U'3', "", takes(), "");
    row("day: second digit moves on", "tddmmyy", 0, U'1', "3", movesOn(), "");
    row("day: digit after an unchanged day", "tddmmyy", 0, U'1', "3", takes(), "3");
    row("day: digit into two", "tddmmyy", 0, U'1', "31", takes(), "");
    row("month: second digit moves on", "tddmmyy", 4, U'4', "0", movesOn(), "");
    row("year: second digit stays", "tddmmyy", 2, U'0', "2", takes(), "");
    row("year: end year stays", "tddmmyy", 5, U'0', "2", takes(), "");
    row("day: backspace does not move", "tddmmyy", 3, backspace, "3", takes(), "");
    row("day: slash", "tddmmyy", 0, U'/', "3", beeps(), "");

    const QString cents = QStringLiteral("Cents should be excluded!");
    row("amount: full stop", "tIncome", 0, U'.', "1234", reports(cents, true));
    row("amount: ninth digit", "tIncome", 3, U'9', "12,345,678", takes());
    row("amount: tenth digit", "tIncome", 3, U'9', "123,456,789", beeps());
    row("amount: comma after nine digits", "tIncome", 3, U',', "123456789", beeps());
    row("amount: backspace after nine digits", "tIncome", 13, backspace, "123,456,789", takes());
    row("amount: minus", "tIncome", 0, U'-', "", beeps());
    row("rent: seventh digit", "tRent1", 0, U'7', "123,456", takes());
    row("rent: eighth digit", "tRent1", 7, U'8', "1,234,567", beeps());
    row("rent: full stop", "tRent1", 0, U'.', "12", beeps());

    row("nature: chinese", "tNature", 0, U'\u9673', "", takes());
    row("nature: symbol", "tNature", 2, U'#', "", takes());
    row("nature: cannot be encoded", "tNature", 1, U'\U0001F600', "", beeps());
}

void TestFieldRules::keyFilter() {
    QFETCH(QString, control);
    QFETCH(int, element);
    QFETCH(uint, key);
    QFETCH(QString, before);
    QFETCH(QString, entryValue);
    QFETCH(KeyVerdict, expected);
    const EditorField* field = findField(control, element);
    QVERIFY(field);
    const KeyVerdict verdict = filterKey(*field, char32_t(key), before, entryValue);
    QCOMPARE(verdict.accept, expected.accept);
    QCOMPARE(verdict.beep, expected.beep);
    QCOMPARE(verdict.message, expected.message);
    QCOMPARE(verdict.clearField, expected.clearField);
    QCOMPARE(verdict.moveFocusNext, expected.moveFocusNext);
}

void TestFieldRules::maritalStatusMarksOnEveryKey() {
    for (char32_t key : {U'1', U'x', backspace}) {
        QVERIFY(maritalStatusKey(key).markRecordChanged);
        QVERIFY(!sexKey(key).markRecordChanged);
    }
}

void TestFieldRules::change_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<QString>("lastAccepted");
    QTest::addColumn<ChangeVerdict>("expected");
    auto row = [](const char* name, const char* control, int element, const QString& newText,
                  const QString& lastAccepted, const ChangeVerdict& expected) {
        QTest::newRow(name) << control << element << newText << lastAccepted << expected;
    };
    const QString name25 = times(25, chan);
    row("sex upper-cased", "tSex", -1, " m ", "", becomes("M"));
    row("area code upper-cased", "tAreaCode", -1, "h", "", becomes("H"));
    row("check character upper-cased", "tChkDigit", 0, "a", "", becomes("A"));
    row("check character blank emptied", "tChkDigit", 1, " ", "", becomes(""));
    row("marital status trimmed, not marked", "tMStatus", -1, " 2", "", becomes("2", false));
    row("record type not marked", "tStatus", -1, "R", "", becomes("R", false));
    row("amount kept as typed", "tIncome", 0, "1234", "", becomes("1234"));
    row("period not byte-guarded", "tPeriod", 0, times(20, chan), "", becomes(times(20, chan)));
    row("chinese name at 50 bytes", "tChineseName", -1, name25, times(24, chan), becomes(name25));
    row("chinese name at 52 bytes", "tChineseName", -1, name25 + chan, name25, revertsTo(name25));
    row("surname over 20 bytes", "tPage1", 0, times(11, chan), "LEE", revertsTo("LEE"));
    row("address at its limit", "tPage1", 5, times(45, "x"), "", becomes(times(45, "x")));
    row("address over by one byte", "tPage1", 6, times(22, chan) + "ab", times(22, chan) + "a",
        revertsTo(times(22, chan) + "a"));
    row("address that cannot be encoded", "tPage1", 7, "FLAT \U0001F600", "FLAT ",
        revertsTo("FLAT "));
    row("residence period over 26 bytes", "tPage3", 3, times(14, chan), "", revertsTo(""));
    row("file number over 13 bytes", "tPage4", 3, times(7, chan), "12/345", revertsTo("12/345"));
    row("nature at 35 bytes", "tNature", 1, times(17, chan) + "x", "",
        becomes(times(17, chan) + "x"));
    row("nature over 35 bytes", "tNature", 1, times(18, chan), "BONUS", revertsTo("BONUS"));
}

void TestFieldRules::change() {
    QFETCH(QString, control);
    QFETCH(int, element);
    QFETCH(QString, newText);
    QFETCH(QString, lastAccepted);
    QFETCH(ChangeVerdict, expected);
    const EditorField* field = findField(control, element);
    QVERIFY(field);
    const ChangeVerdict verdict = applyChange(*field, newText, lastAccepted);
    QCOMPARE(verdict.text, expected.text);
    QCOMPARE(verdict.revert, expected.revert);
    QCOMPARE(verdict.beep, expected.beep);
    QCOMPARE(verdict.markWhenTracking, expected.markWhenTracking);
}

void TestFieldRules::dependentsFollowIndicatorChanges() {
    QVERIFY(!spouseFieldsEnabled(""));
    QVERIFY(!spouseFieldsEnabled(" 1 "));
    QVERIFY(spouseFieldsEnabled("2"));
    QVERIFY(spouseFieldsEnabled("7"));

    QCOMPARE(residenceFieldsEnabledOnChange(""), std::optional<bool>(true));
    QCOMPARE(residenceFieldsEnabledOnChange("1"), std::optional<bool>(true));
    QCOMPARE(residenceFieldsEnabledOnChange("0"), std::optional<bool>(false));
    QCOMPARE(residenceFieldsEnabledOnChange("2"), std::nullopt);

    QVERIFY(!overseasFieldsEnabledOnChange("0"));
    QVERIFY(overseasFieldsEnabledOnChange(""));
    QVERIFY(overseasFieldsEnabledOnChange("1"));
    QVERIFY(overseasFieldsEnabledOnChange("5"));
}

void TestFieldRules::leave_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("entryValue");
    QTest::addColumn<LeaveVerdict>("expected");
    auto row = [](const char* name, const char* rule, const QString& text,
                  const QString& entryValue, const LeaveVerdict& expected) {
        QTest::newRow(name) << rule << text << entryValue << expected;
    };
    const QString badSurname = QStringLiteral("Invalid character found at Surname!");
    row("surname: typed in lower case", "surname", "o'brien-smith.", "", passes("O'BRIEN-SMITH."));
    row("surname: surrounding blanks", "surname", " chan ", "", passes("CHAN"));
    row("surname: empty", "surname", "", "LEE", passes(""));
    row("surname: inner blank", "surname", "chan tai", "LEE",
        fails(badSurname, 1, Restore::EntryValue, "LEE"));
    row("surname: digit", "surname", "CHAN2", "", fails(badSurname, 1, Restore::EntryValue, ""));
    row("surname: chinese", "surname", chan, "WONG",
        fails(badSurname, 1, Restore::EntryValue, "WONG"));

    const QString badSex = QStringLiteral("Invalid Sex. Please enter 'M' or 'F'.");
    row("sex: f", "sex", " f", "", passes("F"));
    row("sex: empty", "sex", "", "M", passes(""));
    row("sex: other", "sex", "X", "M", fails(badSex, 1, Restore::EntryValue, "M"));

    const QString badArea =
        QStringLiteral("Invalid Area Code.  Please enter 'H', 'K', 'N' or 'F'.");
    row("area code: K", "area code", "K", "", passes("K"));
    row("area code: F", "area code", "F", "", passes("F"));
    row("area code: empty", "area code", "", "H", passes(""));
    row("area code: other", "area code", "X", "N", fails(badArea, 1, Restore::EntryValue, "N"));

    const QString badStatus =
        QStringLiteral("Invalid Marital Status. Please enter '1', '2' or leave blank.");
    LeaveVerdict married = passes("2", Dependents::Enable);
    married.focusFirstDependent = true;
    married.page = 1;
    row("marital status: married", "marital status", "2", "1", married);
    row("marital status: single", "marital status", "1", "2",
        passes("1", Dependents::ClearAndDisable));
    row("marital status: empty", "marital status", "", "2",
        passes("", Dependents::ClearAndDisable));
    row("marital status: other", "marital status", "3", "1",
        fails(badStatus, 1, Restore::EntryValue, "1"));

    const QString badResidence =
        QStringLiteral("Invalid Place of Residence indicator. Please enter '0' or '1'.");
    row("residence: empty", "residence", "", "1", passes(""));
    row("residence: none provided", "residence", "0", "1",
        passes("0", Dependents::ClearAndDisable));
    row("residence: provided", "residence", "1", "0", passes("1", Dependents::Enable));
    row("residence: other", "residence", "2", "1",
        fails(badResidence, 3, Restore::EntryValue, "1"));

    const QString badOverseas =
        QStringLiteral("Invalid overseas company indicator. Please enter '0' or '1'.");
    row("overseas: empty", "overseas", "", "0", passes(""));
    row("overseas: no", "overseas", "0", "", passes("0", Dependents::ClearAndDisable));
    row("overseas: yes", "overseas", "1", "", passes("1", Dependents::Enable));
    row("overseas: other", "overseas", "9", "0", fails(badOverseas, 4, Restore::EntryValue, "0"));

    const QString badId = QStringLiteral("Invalid HKID. Please enter again.");
    row("identity number: one letter", "identity number", "a123456", "", passes("A123456"));
    row("identity number: two letters", "identity number", "ab123456", "", passes("AB123456"));
    row("identity number: blanks around", "identity number", " c123456 ", "", passes("C123456"));
    row("identity number: digit run with one E", "identity number", "a1234e5", "",
        passes("A1234E5"));
    row("identity number: empty", "identity number", "", "A123456", passes(""));
    row("identity number: six characters", "identity number", "A12345", "Z999999",
        fails(badId, 1, Restore::EntryValue, "Z999999"));
    row("identity number: first a digit", "identity number", "1A23456", "",
        fails(badId, 1, Restore::EntryValue, ""));
    row("identity number: last six not numeric", "identity number", "AB12345X", "AB123456",
        fails(badId, 1, Restore::EntryValue, "AB123456"));
    row("identity number: second a digit, rest numeric", "identity number", "a1234567", "B7",
        fails(badId, 1, Restore::EntryValue, "B7"));
    row("identity number: second a digit", "identity number", "A1B23456", "",
        fails(badId, 1, Restore::EntryValue, ""));
}

void TestFieldRules::leave() {
    QFETCH(QString, rule);
    QFETCH(QString, text);
    QFETCH(QString, entryValue);
    QFETCH(LeaveVerdict, expected);
    const SingleLeave check = singleLeave(rule);
    QVERIFY(check);
    compareLeave(check(text, entryValue), expected, text);
}

// The date parts and the income amounts are checked together with their sibling fields:
// texts[element] is the field being left.
void TestFieldRules::leaveWithSiblings_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<int>("element");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("entryValue");
    QTest::addColumn<LeaveVerdict>("expected");
    auto row = [](const char* rule, const char* name, int element, const QStringList& texts,
                  const QString& entryValue, const LeaveVerdict& expected) {
        QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(rule, name)))
            << rule << element << texts << entryValue << expected;
    };
    const char* date = "date";
    const char* amount = "amount";
    row(date, "day made two digits", 0, {"5", "", "", "", "", ""}, "", passes("05"));
    row(date, "end month made two digits", 4, {"", "", "", "", "4", ""}, "", passes("04"));
    row(date, "year kept as typed", 2, {"", "", "2000", "", "", ""}, "", passes("2000"));
    row(date, "empty", 1, {"", "", "", "", "", ""}, "03", passes(""));
    row(date, "blanks only", 3, {"", "", "", "  ", "", ""}, "", passes("  "));
    row(date, "not numeric", 0, {"1a", "04", "1999", "", "", ""}, "12",
        fails(notNumeric, 2, Restore::EntryValue, "12"));
    row(date, "not numeric year", 5, {"", "", "", "", "", "20-1"}, "",
        fails(notNumeric, 2, Restore::EntryValue, ""));
    row(date, "leap day", 2, {"29", "02", "2000", "", "", ""}, "", passes("2000"));
    row(date, "31 February, left from the year", 2, {"31", "02", "2000", "", "", ""}, "20",
        fails(invalidDate, 2, Restore::Clear, ""));
    row(date, "29 February of a common year, left from the day", 0,
        {"29", "02", "2001", "", "", ""}, "", fails(invalidDate, 2, Restore::Clear, ""));
    row(date, "day 0 completes an impossible date", 0, {"0", "02", "2001", "", "", ""}, "",
        fails(invalidDate, 2, Restore::Clear, ""));
    row(date, "day 1 completes a real date", 0, {"1", "02", "2001", "", "", ""}, "", passes("01"));
    row(date, "pasted sign makes no date", 0, {"-5", "02", "2001", "", "", ""}, "",
        fails(invalidDate, 2, Restore::Clear, ""));
    row(date, "pasted exponent read as a number", 1, {"", "1e1", "", "", "", ""}, "", passes("10"));
    row(date, "incomplete date not tested", 2, {"31", "02", "20", "", "", ""}, "", passes("20"));
    row(date, "end date checked too", 4, {"01", "04", "1999", "30", "2", "2000"}, "",
        fails(invalidDate, 2, Restore::Clear, ""));
    row(date, "end date invalid while leaving a start part", 0, {"1", "", "", "31", "04", "2000"},
        "", fails(invalidDate, 2, Restore::Clear, ""));
    row(date, "both dates real", 5, {"01", "04", "1999", "31", "03", "2000"}, "", passes("2000"));
    row(amount, "formatted on leaving", 0, fourteenAmounts({{0, "1234567"}}), "",
        passes("1,234,567"));
    row(amount, "largest total alone", 0, fourteenAmounts({{0, "999999999"}}), "",
        passes("999,999,999"));
    row(amount, "largest total over fourteen lines", 13,
        fourteenAmounts(
            {{0, "999,999,986"}, {5, "1"}, {9, "1"}, {10, "1"}, {11, "1"}, {12, "1"}, {13, "8"}}),
        "", passes("8"));
    row(amount, "one over the limit", 5, fourteenAmounts({{0, "999,999,999"}, {5, "1"}}), "",
        fails(tooLarge, 2, Restore::EntryValue, ""));
    row(amount, "over the limit restores and formats the entry value", 5,
        fourteenAmounts({{0, "999,999,999"}, {5, "1001"}}), "1000",
        fails(tooLarge, 2, Restore::EntryValue, "1,000"));
    row(amount, "a sum that would wrap 32 bits", 4,
        fourteenAmounts({{0, "999,999,999"},
                         {1, "999,999,999"},
                         {2, "999,999,999"},
                         {3, "999,999,999"},
                         {4, "294,967,305"}}),
        "", fails(tooLarge, 2, Restore::EntryValue, ""));
    row(amount, "every line full", 13, QStringList(14, "999,999,999"), "999",
        fails(tooLarge, 2, Restore::EntryValue, "999"));
    row(amount, "eleven pasted digits", 2, fourteenAmounts({{2, "99999999999"}}), "5",
        fails(tooLarge, 2, Restore::EntryValue, "5"));
    row(amount, "pasted text that is no amount", 1, fourteenAmounts({{1, "12a"}}), "12",
        fails(notNumeric, 2, Restore::EntryValue, "12"));
    row(amount, "pasted negative amount", 1, fourteenAmounts({{1, "-5"}}), "",
        fails(notNumeric, 2, Restore::EntryValue, ""));
    row(amount, "empty", 3, fourteenAmounts({{0, "5"}}), "7", passes(""));
    row(amount, "lone comma", 3, fourteenAmounts({{3, ","}}), "", passes(""));
    row(amount, "leading zeros", 3, fourteenAmounts({{3, "000123"}}), "", passes("123"));
}

void TestFieldRules::leaveWithSiblings() {
    QFETCH(QString, rule);
    QFETCH(int, element);
    QFETCH(QStringList, texts);
    QFETCH(QString, entryValue);
    QFETCH(LeaveVerdict, expected);
    if (rule == u"date") {
        std::array<QString, 6> parts;
        std::copy(texts.begin(), texts.end(), parts.begin());
        compareLeave(datePartLeave(element, parts, entryValue), expected, texts[element]);
    } else {
        compareLeave(incomeAmountLeave(element, texts, entryValue), expected, texts[element]);
    }
}

void TestFieldRules::rentLeave_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<LeaveVerdict>("expected");
    QTest::newRow("seven digits") << "1234567" << passes("1,234,567");
    QTest::newRow("regrouped") << "12,34" << passes("1,234");
    QTest::newRow("empty") << "" << passes("");
    QTest::newRow("eight pasted digits") << "12345678" << fails(tooLarge, 3, Restore::Clear, "");
    QTest::newRow("pasted text that is no amount")
        << "1.5" << fails(notNumeric, 3, Restore::Clear, "");
}

void TestFieldRules::rentLeave() {
    QFETCH(QString, text);
    QFETCH(LeaveVerdict, expected);
    compareLeave(fieldrules::rentLeave(text), expected, text);
}

void TestFieldRules::total_data() {
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<qint64>("sum");
    QTest::addColumn<QString>("shown");
    QTest::newRow("all empty") << QStringList(14) << qint64(0) << "0";
    QTest::newRow("grouped and plain")
        << fourteenAmounts({{0, "1,000"}, {13, "2000"}}) << qint64(3000) << "3,000";
    QTest::newRow("every line full")
        << QStringList(14, "999,999,999") << qint64(13999999986) << "13,999,999,986";
    QTest::newRow("text that is no amount counts nothing")
        << fourteenAmounts({{0, "abc"}, {1, "123456"}}) << qint64(123456) << "123,456";
}

void TestFieldRules::total() {
    QFETCH(QStringList, amounts);
    QFETCH(qint64, sum);
    QFETCH(QString, shown);
    QCOMPARE(sumOfAmounts(amounts), sum);
    QCOMPARE(totalText(sumOfAmounts(amounts)), shown);
}

void TestFieldRules::amountValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isAmount");
    QTest::addColumn<qint64>("value");
    QTest::newRow("empty") << "" << true << qint64(0);
    QTest::newRow("lone comma") << "," << true << qint64(0);
    QTest::newRow("grouped") << "1,234,567" << true << qint64(1234567);
    QTest::newRow("leading zeros") << "0000000000000000001" << true << qint64(1);
    QTest::newRow("fifteen digits") << "999999999999999" << true << qint64(999999999999999);
    QTest::newRow("sixteen digits") << "1000000000000000" << false << qint64(0);
    QTest::newRow("letters") << "12a" << false << qint64(0);
    QTest::newRow("negative") << "-5" << false << qint64(0);
    QTest::newRow("cents") << "12.50" << false << qint64(0);
}

void TestFieldRules::amountValue() {
    QFETCH(QString, text);
    QFETCH(bool, isAmount);
    QFETCH(qint64, value);
    const std::optional<qint64> amount = fieldrules::amountValue(text);
    QCOMPARE(amount.has_value(), isAmount);
    if (isAmount)
        QCOMPARE(*amount, value);
}

void TestFieldRules::paging_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("shown");
    QTest::newRow("page 1, page up wraps to 4") << 1 << int(Qt::Key_PageUp) << 4;
    QTest::newRow("page 1, page down") << 1 << int(Qt::Key_PageDown) << 2;
    QTest::newRow("page 2, page up") << 2 << int(Qt::Key_PageUp) << 1;
    QTest::newRow("page 2, page down") << 2 << int(Qt::Key_PageDown) << 3;
    QTest::newRow("page 3, page up") << 3 << int(Qt::Key_PageUp) << 2;
    QTest::newRow("page 3, page down") << 3 << int(Qt::Key_PageDown) << 4;
    QTest::newRow("page 4, page up") << 4 << int(Qt::Key_PageUp) << 3;
    QTest::newRow("page 4, page down wraps to 1") << 4 << int(Qt::Key_PageDown) << 1;
    QTest::newRow("other key") << 2 << int(Qt::Key_Delete) << 0;
    QTest::newRow("hidden field") << 0 << int(Qt::Key_PageDown) << 0;
}

void TestFieldRules::paging() {
    QFETCH(int, page);
    QFETCH(int, key);
    QFETCH(int, shown);
    QCOMPARE(pageForKey(page, key), shown);
}

QTEST_APPLESS_MAIN(TestFieldRules)
#include "tst_field_rules.moc"
