#include "core/records/field_rules.h"

#include "core/common/amounts.h"
#include "core/records/field_verdicts.h"

#include <QObject>

// The rules of the amount fields: the fourteen incomes, their total and the eight rents.
namespace fieldrules {
namespace {

using namespace verdicts;

constexpr qint64 largestRent = 9'999'999;

// Digits and commas up to a number of digits already typed; everything else beeps.
KeyVerdict amountKey(char32_t key, const QString& textBefore, int mostDigitsBefore) {
    if (key == backspace)
        return accepted();
    if (isDigit(key) || key == U',')
        return acceptIf(lenWithoutCommas(textBefore) <= mostDigitsBefore);
    return refused();
}

} // namespace

KeyVerdict incomeAmountKey(char32_t key, const QString& textBefore) {
    if (key == U'.') {
        KeyVerdict verdict = refusedWith(QObject::tr("Cents should be excluded!"));
        verdict.clearField = true;
        return verdict;
    }
    return amountKey(key, textBefore, 8);
}

KeyVerdict rentKey(char32_t key, const QString& textBefore) {
    return amountKey(key, textBefore, 6);
}

LeaveVerdict incomeAmountLeave(int element, const QStringList& amounts, const QString& entryValue) {
    const QString& text = amounts.at(element);
    // Pasted text goes around the key filter; it must not reach the total or the record.
    if (!amountValue(text))
        return restoringEntryValue(text, notNumericMessage, 2, formatAmount(entryValue));
    if (sumOfAmounts(amounts) > largestTotal)
        return restoringEntryValue(text, tooLargeMessage, 2, formatAmount(entryValue));
    return passed(text, formatAmount(text));
}

LeaveVerdict rentLeave(const QString& text) {
    // Only pasted text can be no amount or longer than seven digits; formatting such a rent
    // would not fit the field.
    const std::optional<qint64> rent = amountValue(text);
    if (!rent)
        return failed(text, notNumericMessage, 3, LeaveVerdict::Restore::Clear, QString());
    if (*rent > largestRent)
        return failed(text, tooLargeMessage, 3, LeaveVerdict::Restore::Clear, QString());
    return passed(text, formatAmount(text));
}

// Read in place, without a copy: the import and the whole-return check read every amount of
// every record, each as often as there are amounts.
std::optional<qint64> amountValue(const QString& text) {
    qint64 value = 0;
    int significantDigits = 0;
    for (QChar c : QStringView(text).trimmed()) {
        if (c == u',')
            continue;
        if (!isDigit(c.unicode()))
            return std::nullopt;
        if (significantDigits == 0 && c == u'0')
            continue;
        // Fifteen digits keep any sum of amounts far inside 64 bits.
        if (++significantDigits > 15)
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

qint64 sumOfAmounts(const QStringList& amounts) {
    qint64 sum = 0;
    for (const QString& amount : amounts)
        sum += amountValue(amount).value_or(0);
    return sum;
}

QString totalText(qint64 total) {
    return groupDigits(total);
}

} // namespace fieldrules
