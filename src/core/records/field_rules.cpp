#include "core/records/field_rules.h"

#include "core/common/amounts.h"
#include "core/common/codepage.h"
#include "core/common/dates.h"
#include "core/records/field_verdicts.h"
#include "core/records/identity_number.h"

#include <QObject>
#include <qnamespace.h>
#include <string_view>

namespace fieldrules {
namespace {

using namespace verdicts;

QString periodMessage() {
    return QObject::tr("Only Alphanumeric, ' / ', ' - ' and ' . ' can be entered.");
}
QString fileNumberMessage() {
    return QObject::tr("Only Alphanumeric, ' / ' and ' - ' can be entered.");
}
QString invalidDateMessage() {
    return QObject::tr("Invalid date. Please enter again.");
}

bool isAlphanumeric(char32_t key) {
    return isLetter(key) || isDigit(key);
}

bool isOneOf(char32_t key, std::u32string_view keys) {
    return keys.find(key) != std::u32string_view::npos;
}

// A character that the code page cannot hold could never be written to the text image.
bool isStorable(char32_t key) {
    return codepage::canEncode(QString::fromUcs4(&key, 1));
}

bool isDayOrMonth(int element) {
    return element != 2 && element != 5;
}

// The indicators of pages 3 and 4: empty passes untouched, "0" clears and disables what the
// indicator governs, "1" enables it.
LeaveVerdict indicatorLeave(const QString& text, const QString& entryValue, const QString& message,
                            int page) {
    if (text.isEmpty())
        return passed(text, text);
    if (text != u"0" && text != u"1")
        return restoringEntryValue(text, message, page, entryValue);
    LeaveVerdict verdict = passed(text, text);
    verdict.dependents =
        text == u"0" ? LeaveVerdict::Dependents::ClearAndDisable : LeaveVerdict::Dependents::Enable;
    return verdict;
}

bool isSurnameCharacter(QChar c) {
    return isLetter(c.unicode()) || c == u'-' || c == u'\'' || c == u'.';
}

// A day or month written with two digits: 5 becomes 05. Whatever else a pasted number turns
// into (a sign, say) is left for the date check to refuse.
QString twoDigits(const QString& numeric) {
    return QString::number(qRound64(numeric.toDouble())).rightJustified(2, u'0');
}

bool isCompleteButNoDate(const QString& day, const QString& month, const QString& year) {
    const QString date = day + month + year;
    return date.size() == 8 && !isCalendarDate(date);
}

} // namespace

KeyVerdict sheetNumberKey(char32_t key) {
    return acceptIf(key == backspace || isDigit(key));
}

KeyVerdict surnameKey(char32_t key) {
    return acceptIf(key == backspace || isLetter(key) || isOneOf(key, U"-'."));
}

KeyVerdict otherNamesKey(char32_t key) {
    return acceptIf(key == backspace || isLetter(key) || isOneOf(key, U"-,. "));
}

QString textBeforeKey(const QString& text, qsizetype selectionStart, qsizetype selectionLength) {
    if (selectionStart < 0 || selectionLength <= 0)
        return text;
    return QString(text).remove(selectionStart, selectionLength);
}

KeyVerdict chineseNameKey(char32_t key, const QString& textBefore, int limit) {
    if (key == backspace)
        return accepted();
    const bool ascii = key >= 1 && key <= 127;
    return acceptIf(!ascii && codepage::byteLength(textBefore) < limit && isStorable(key));
}

KeyVerdict sexKey(char32_t key) {
    return acceptIf(key == backspace || isOneOf(key, U"mMfF"));
}

KeyVerdict areaCodeKey(char32_t key) {
    return acceptIf(key == backspace || isOneOf(key, U"hHkKnNfF"));
}

KeyVerdict maritalStatusKey(char32_t key) {
    KeyVerdict verdict = acceptIf(key == backspace || isOneOf(key, U"12"));
    verdict.markRecordChanged = true;
    return verdict;
}

KeyVerdict freeTextKey(char32_t key, const QString& textBefore, int limit) {
    if (key == backspace)
        return accepted();
    const int bytes = codepage::byteLength(textBefore);
    if (bytes >= limit)
        return refused();
    // One byte left: nothing that could take two bytes, and no digit either.
    if (bytes == limit - 1)
        return acceptIf(isLetter(key) || isOneOf(key, U"-,. "));
    return acceptIf(isStorable(key));
}

KeyVerdict periodKey(char32_t key) {
    if (key == backspace || isAlphanumeric(key) || isOneOf(key, U"-./ "))
        return accepted();
    return refusedWith(periodMessage());
}

KeyVerdict fileNumberKey(char32_t key) {
    if (key == U'.')
        return refused();
    if (key == backspace || isAlphanumeric(key) || isOneOf(key, U"-/ "))
        return accepted();
    return refusedWith(fileNumberMessage());
}

KeyVerdict indicatorKey(char32_t key) {
    return acceptIf(key == backspace || isOneOf(key, U"01"));
}

KeyVerdict identityNumberKey(char32_t key) {
    return acceptIf(key == backspace || isAlphanumeric(key));
}

KeyVerdict checkCharacterKey(char32_t key) {
    return acceptIf(key == backspace || isDigit(key) || isOneOf(key, U"Aa "));
}

KeyVerdict datePartKey(char32_t key, int element, const QString& textBefore,
                       const QString& entryValue) {
    if (key == backspace)
        return accepted();
    KeyVerdict verdict = acceptIf(isDigit(key));
    // The second digit typed into a day or month completes it: go on to the next part.
    verdict.moveFocusNext = verdict.accept && isDayOrMonth(element) && textBefore != entryValue &&
                            textBefore.size() == 1;
    return verdict;
}

KeyVerdict anyStorableKey(char32_t key) {
    return acceptIf(key == backspace || isStorable(key));
}

ChangeVerdict byteLengthGuard(const QString& newText, int limit, const QString& lastAccepted) {
    const int bytes = codepage::byteLength(newText);
    if (bytes >= 0 && bytes <= limit)
        return {newText};
    return {lastAccepted, true, true};
}

ChangeVerdict upperCaseChange(const QString& newText) {
    return {newText.trimmed().toUpper()};
}

ChangeVerdict maritalStatusChange(const QString& newText) {
    ChangeVerdict verdict{newText.trimmed()};
    verdict.markWhenTracking = false;
    return verdict;
}

ChangeVerdict plainChange(const QString& newText) {
    return {newText};
}

bool spouseFieldsEnabled(const QString& maritalStatus) {
    const QString status = maritalStatus.trimmed();
    return !status.isEmpty() && status != u"1";
}

std::optional<bool> residenceFieldsEnabledOnChange(const QString& indicator) {
    if (indicator.isEmpty() || indicator == u"1")
        return true;
    if (indicator == u"0")
        return false;
    return std::nullopt;
}

bool overseasFieldsEnabledOnChange(const QString& indicator) {
    return indicator != u"0";
}

LeaveVerdict surnameLeave(const QString& text, const QString& entryValue) {
    const QString surname = text.trimmed().toUpper();
    for (QChar c : surname)
        if (!isSurnameCharacter(c))
            return restoringEntryValue(text, QObject::tr("Invalid character found at Surname!"), 1,
                                       entryValue);
    return passed(text, surname);
}

LeaveVerdict sexLeave(const QString& text, const QString& entryValue) {
    const QString sex = text.trimmed().toUpper();
    if (!sex.isEmpty() && sex != u"F" && sex != u"M")
        return restoringEntryValue(text, QObject::tr("Invalid Sex. Please enter 'M' or 'F'."), 1,
                                   entryValue);
    return passed(text, sex);
}

LeaveVerdict areaCodeLeave(const QString& text, const QString& entryValue) {
    const bool known = text.size() == 1 && isOneOf(text[0].unicode(), U"HKNF");
    if (!text.isEmpty() && !known)
        return restoringEntryValue(
            text, QObject::tr("Invalid Area Code.  Please enter 'H', 'K', 'N' or 'F'."), 1,
            entryValue);
    return passed(text, text);
}

LeaveVerdict maritalStatusLeave(const QString& text, const QString& entryValue) {
    const QString status = text.trimmed();
    if (!status.isEmpty() && status != u"1" && status != u"2")
        return restoringEntryValue(
            text, QObject::tr("Invalid Marital Status. Please enter '1', '2' or leave blank."), 1,
            entryValue);
    LeaveVerdict verdict = passed(text, status);
    if (status == u"2") {
        verdict.dependents = LeaveVerdict::Dependents::Enable;
        verdict.focusFirstDependent = true;
        verdict.page = 1;
    } else {
        verdict.dependents = LeaveVerdict::Dependents::ClearAndDisable;
    }
    return verdict;
}

LeaveVerdict residenceIndicatorLeave(const QString& text, const QString& entryValue) {
    return indicatorLeave(
        text, entryValue,
        QObject::tr("Invalid Place of Residence indicator. Please enter '0' or '1'."), 3);
}

LeaveVerdict overseasIndicatorLeave(const QString& text, const QString& entryValue) {
    return indicatorLeave(
        text, entryValue,
        QObject::tr("Invalid overseas company indicator. Please enter '0' or '1'."), 4);
}

LeaveVerdict identityNumberLeave(const QString& text, const QString& entryValue) {
    const QString number = text.trimmed().toUpper();
    if (!number.isEmpty() && !IsValidIdentityNumber(number))
        return restoringEntryValue(text, QObject::tr("Invalid HKID. Please enter again."), 1,
                                   entryValue);
    return passed(text, number);
}

LeaveVerdict datePartLeave(int element, const std::array<QString, 6>& parts,
                           const QString& entryValue) {
    const QString& text = parts.at(static_cast<std::size_t>(element));
    if (text.trimmed().isEmpty())
        return passed(text, text);
    if (!isNumeric(text))
        return restoringEntryValue(text, notNumericMessage, 2, entryValue);
    std::array<QString, 6> now = parts;
    now[static_cast<std::size_t>(element)] = isDayOrMonth(element) ? twoDigits(text) : text;
    // Either date, complete and not a real day, empties the part being left.
    if (isCompleteButNoDate(now[0], now[1], now[2]) || isCompleteButNoDate(now[3], now[4], now[5]))
        return failed(text, invalidDateMessage(), 2, LeaveVerdict::Restore::Clear, QString());
    return passed(text, now[static_cast<std::size_t>(element)]);
}

int pageForKey(int page, int key) {
    if (page < 1 || page > 4)
        return 0;
    if (key == Qt::Key_PageUp)
        return page == 1 ? 4 : page - 1;
    if (key == Qt::Key_PageDown)
        return page == 4 ? 1 : page + 1;
    return 0;
}

} // namespace fieldrules
