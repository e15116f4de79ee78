#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The entry rules of the record editor's fields as plain functions: each takes the text before a
// key, the new text or the text being left, plus the entry value where a rule restores it, and
// returns a verdict that the screen applies. No widgets here.
namespace fieldrules {

inline constexpr char32_t backspace = 8;

// What to do with a typed character. A refused key without a message beeps; with a message the
// error box shows it (and beeps itself).
struct KeyVerdict {
    bool accept = true;
    bool beep = false;
    QString message;
    bool clearField = false;        // empty the whole field (a full stop typed into an amount)
    bool moveFocusNext = false;     // add the key, then move the focus to element i + 1
    bool markRecordChanged = false; // mark the record changed for every key, tracking or not
};

// What a change of text turns into: the text the field should hold.
struct ChangeVerdict {
    QString text;
    bool revert = false; // text is the last accepted text, the new one was refused
    bool beep = false;
    bool markWhenTracking = true; // mark the record changed when the editor tracks changes
};

// The outcome of leaving a field. newText is the text the field holds afterwards (normalised on
// success; on failure already the restored or cleared text, formatted where the field formats).
// Failure: show `page` if it is hidden, show the message in the error box, set newText and give
// the focus back. Success: set newText when textChanged, then apply `dependents` to the fields
// of dependentFields(); with focusFirstDependent show `page` if hidden and focus the first one.
struct LeaveVerdict {
    bool ok = true;
    QString message;
    int page = 0; // page to show when hidden, before the message or before moving the focus
    enum class Restore { None, EntryValue, Clear } restore = Restore::None;
    QString newText;
    bool textChanged = false;
    // What happens to the fields that an indicator governs.
    enum class Dependents { Unchanged, Enable, ClearAndDisable } dependents = Dependents::Unchanged;
    bool focusFirstDependent = false;
};

// The text a typed key is judged on: the field's text without its selected part, which the key
// replaces (selectionStart is -1 when nothing is selected). A full field whose whole text is
// selected can so be typed over.
QString textBeforeKey(const QString& text, qsizetype selectionStart, qsizetype selectionLength);

// Key filters. `key` is one character as typed or committed by an input method (a whole code
// point, so characters beyond the basic plane are not split). Backspace is accepted by all.
KeyVerdict sheetNumberKey(char32_t key);
KeyVerdict surnameKey(char32_t key);
KeyVerdict otherNamesKey(char32_t key);
KeyVerdict chineseNameKey(char32_t key, const QString& textBefore, int limit = 50);
KeyVerdict sexKey(char32_t key);
KeyVerdict areaCodeKey(char32_t key);
KeyVerdict maritalStatusKey(char32_t key);
// Free text with a byte check, for addresses, names, nature, remarks and the like.
KeyVerdict freeTextKey(char32_t key, const QString& textBefore, int limit);
// Periods of residence and income periods.
KeyVerdict periodKey(char32_t key);
KeyVerdict fileNumberKey(char32_t key);
// Place-of-residence and overseas-company indicators.
KeyVerdict indicatorKey(char32_t key);
KeyVerdict identityNumberKey(char32_t key);
KeyVerdict checkCharacterKey(char32_t key);
// Date parts: element 0..5 of the period of employment; entryValue is that part's entry value.
KeyVerdict datePartKey(char32_t key, int element, const QString& textBefore,
                       const QString& entryValue);
KeyVerdict incomeAmountKey(char32_t key, const QString& textBefore);
KeyVerdict rentKey(char32_t key, const QString& textBefore);
// Fields without a filter of their own (income nature) still refuse what cannot be stored.
KeyVerdict anyStorableKey(char32_t key);

// Change rules.
// Refuses a text longer than `limit` bytes in the code page, or one it cannot encode.
ChangeVerdict byteLengthGuard(const QString& newText, int limit, const QString& lastAccepted);
// Sex, area code and check character: trimmed and upper-cased.
ChangeVerdict upperCaseChange(const QString& newText);
// Trimmed; marital status changes do not mark the record (its keys do).
ChangeVerdict maritalStatusChange(const QString& newText);
ChangeVerdict plainChange(const QString& newText);

// Enabled state of the fields an indicator governs, as its text changes.
bool spouseFieldsEnabled(const QString& maritalStatus);
std::optional<bool> residenceFieldsEnabledOnChange(const QString& indicator); // none: no change
bool overseasFieldsEnabledOnChange(const QString& indicator);

// Leave checks.
LeaveVerdict surnameLeave(const QString& text, const QString& entryValue);
LeaveVerdict sexLeave(const QString& text, const QString& entryValue);
LeaveVerdict areaCodeLeave(const QString& text, const QString& entryValue);
LeaveVerdict maritalStatusLeave(const QString& text, const QString& entryValue);
LeaveVerdict residenceIndicatorLeave(const QString& text, const QString& entryValue);
LeaveVerdict overseasIndicatorLeave(const QString& text, const QString& entryValue);
LeaveVerdict identityNumberLeave(const QString& text, const QString& entryValue);
// parts holds the six date parts as they are now, parts[element] being the one left.
LeaveVerdict datePartLeave(int element, const std::array<QString, 6>& parts,
                           const QString& entryValue);
// amounts holds the fourteen income amounts as they are now, amounts[element] being the one left.
LeaveVerdict incomeAmountLeave(int element, const QStringList& amounts, const QString& entryValue);
LeaveVerdict rentLeave(const QString& text);

// Amounts and the total.
inline constexpr qint64 largestTotal = 999'999'999;
// Whole dollars of an amount text (commas ignored, empty is 0); none when it is not one, or
// when it has more than fifteen digits.
std::optional<qint64> amountValue(const QString& text);
// Sum of the amounts; a text that is no amount counts as 0 here, its leave check refuses it.
qint64 sumOfAmounts(const QStringList& amounts);
QString totalText(qint64 total);

// The page shown by Page Up or Page Down (Qt key codes) from a page 1..4; 0 for other keys.
int pageForKey(int page, int key);

} // namespace fieldrules
