#include "core/validation/problem_codes.h"

#include <QHash>

#include <algorithm>

namespace validation {
namespace {

using enum Severity;

// One row a rule. The page checks and the leave checks keep the editor's own messages; the
// pages' 0xx numbers are page checks, 01x leave checks, 02x and later the whole return's rules.
constexpr ProblemRule rules[]{
    {"XW-P1-001", Error, "Please enter sheet number.",
     "Type the sheet number of this replacement or supplementary return on page 1."},
    {"XW-P1-002", Error, "Please enter surname.", "Type the employee's surname on page 1."},
    {"XW-P1-003", Error, "Please enter other names.",
     "Type the employee's other names in full on page 1."},
    {"XW-P1-004", Error, "Please enter sex.", "Type M or F as the employee's sex."},
    {"XW-P1-005", Error, "Please enter residential address.",
     "Type the employee's residential address on page 1."},
    {"XW-P1-006", Error, "Please enter Area Code.",
     "Type H, K, N or F as the area of the residential address."},
    {"XW-P1-007", Error, "Please enter capacity.",
     "Type the capacity in which the employee is employed."},
    {"XW-P1-011", Error, "Invalid character found at Surname!",
     "Retype the surname with letters, spaces and the characters the field takes."},
    {"XW-P1-012", Error, "Invalid Sex. Please enter 'M' or 'F'.", "Type M or F."},
    {"XW-P1-013", Error, "Invalid Area Code.  Please enter 'H', 'K', 'N' or 'F'.",
     "Type H, K, N or F."},
    {"XW-P1-014", Error, "Invalid Marital Status. Please enter '1', '2' or leave blank.",
     "Type 1 or 2, or leave the marital status blank."},
    {"XW-P1-015", Error, "Invalid HKID. Please enter again.",
     "Type the identity card number as one or two letters and six digits, without the check "
     "character."},
    {"XW-P1-016", Error, "Invalid check character. Please enter 0 to 9 or A.",
     "Type the character in brackets on the identity card: a digit or A."},
    {"XW-P1-019", Error, "A value on page 1 that its field refuses.",
     "Open the record and retype the value the message names."},
    {code::checkCharacter, Warning,
     "The check character does not match the identity card number %1",
     "Compare the number and the character in brackets with the identity card: one of them "
     "was mistyped."},
    {code::spouseCheckCharacter, Warning,
     "The check character does not match the spouse's identity card number %1",
     "Compare the spouse's number and the character in brackets with the identity card."},
    {code::repeatedIdentity, Warning, "The identity number %1",
     "If the same employee was entered twice, delete one record; otherwise correct the "
     "identity number."},
    {code::identityOtherName, Hint, "The identity number %1",
     "Check both records' identity numbers and names against the identity cards."},
    {code::nameOtherIdentity, Hint, "The name %1",
     "If both records are one employee, keep one of them; two people of one name need no "
     "change."},
    {code::unknownType, Error, "Unknown record type %1",
     "Choose Original, Replacement or Supplementary as the record type."},
    {"XW-P2-001", Error, "Please enter period of employment.",
     "Type the start and end dates of the employment within the year on page 2."},
    {"XW-P2-002", Error, "Invalid date. Please enter again.",
     "Type the date as day, month and four-digit year of a real calendar day."},
    {"XW-P2-003", Error, "Start date should not be earlier than 01 April %1",
     "Type a start date within the return year: 1 April or later."},
    {"XW-P2-004", Error, "End date should not be later than 31 March %1",
     "Type an end date within the return year: 31 March or earlier."},
    {"XW-P2-005", Error, "Start date must be earlier than end date.",
     "Make the start date earlier than the end date."},
    {"XW-P2-011", Error, "Value must be numeric. Please enter again.",
     "Type the day, month and year in digits."},
    {"XW-P2-012", Error, "Cents should be excluded!",
     "Type the amount in whole dollars, without cents."},
    {"XW-P2-013", Error, "Value too large!", "Make the record's total income 999,999,999 or less."},
    {"XW-P2-019", Error, "A value on page 2 that its field refuses.",
     "Open the record and retype the value the message names."},
    {code::amountWithoutPeriod, Warning, "An amount of %1",
     "Type the period the amount relates to, or clear the amount."},
    {code::periodWithoutAmount, Warning, "A period of %1",
     "Type the amount of the period, or clear the period."},
    {code::largeAmount, Warning, "An amount of %1",
     "Check that the amount is in whole dollars and has no digit too many."},
    {code::largeTotal, Warning, "A total income of %1",
     "Check each amount of the record; one may have a digit too many or belong to another "
     "line."},
    {code::periodOutsideEmployment, Warning, "The period %1",
     "Correct the income period or the period of employment so that one lies within the "
     "other."},
    {code::leftOutBySave, Error, "The save leaves this original record out",
     "Correct the period of employment so that it lies within the return year."},
    {"XW-P3-001", Error, "Please enter Place of Residence indicator.",
     "Type 1 when a place of residence was provided, otherwise 0."},
    {"XW-P3-002", Error, "Please enter address of Place of Residence.",
     "Type the address of the place of residence provided."},
    {"XW-P3-003", Error, "Please enter nature of Place of Residence.",
     "Type the nature of the place of residence provided."},
    {"XW-P3-004", Error, "Please enter period of Place of Residence.",
     "Type the period for which the place of residence was provided."},
    {"XW-P3-011", Error, "Invalid Place of Residence indicator. Please enter '0' or '1'.",
     "Type 0 or 1."},
    {"XW-P3-019", Error, "A value on page 3 that its field refuses.",
     "Open the record and retype the value the message names."},
    {code::rentWithoutPeriod, Warning, "A rent of %1",
     "Type the period for which the place was provided, or clear the rents."},
    {code::periodWithoutRent, Hint, "The place of residence provided for %1",
     "Nothing to do when the place was provided free; otherwise type the rents."},
    {"XW-P4-001", Error, "Please enter overseas company indicator.",
     "Type 1 when an overseas company paid part of the income, otherwise 0."},
    {"XW-P4-002", Error, "Please enter name of overseas company.",
     "Type the name of the overseas company on page 4."},
    {"XW-P4-011", Error, "Invalid overseas company indicator. Please enter '0' or '1'.",
     "Type 0 or 1."},
    {"XW-P4-019", Error, "A value on page 4 that its field refuses.",
     "Open the record and retype the value the message names."},
    {code::employerMissing, Error, "The employer's %1",
     "Fill in the item on the employer screen before saving the return."},
    {code::employerYear, Error, "The year of return is not valid",
     "Type the four-digit year of the return on the employer screen."},
    {code::employerSection, Error, "The section of the file number is not valid",
     "Type the letter of the employer's file number on the employer screen."},
    {code::employerFileNumber, Error, "The employer's file number is not valid",
     "Type the file number as it stands on the authority's letters."},
    {code::employerDate, Error, "The date of submission is not valid",
     "Type the date of submission as DDMMYYYY, after the end of the return year."},
    {code::missingFromLastYear, Warning, "%1 was on last year's return",
     "Add the employee's record, or make sure the employee left before 1 April."},
    {code::categoryChanged, Warning, "The total of category %1",
     "Check the category's amounts: a line may have been typed into the wrong category."},
    {code::cannotStore, Error, "A row of the file that no record can hold",
     "Correct the row in the file and import it again."},
};

// The text before the value a message carries, or the whole message.
QString fixedPart(const char* message) {
    const QString text = QString::fromUtf8(message);
    const qsizetype at = text.indexOf(QStringLiteral("%1"));
    return at < 0 ? text : text.left(at);
}

} // namespace

std::span<const ProblemRule> problemRules() {
    return rules;
}

const ProblemRule* ruleOf(const QString& code) {
    static const QHash<QString, const ProblemRule*> byCode = [] {
        QHash<QString, const ProblemRule*> made;
        for (const ProblemRule& rule : rules)
            made.insert(QLatin1String(rule.code), &rule);
        return made;
    }();
    return byCode.value(code, nullptr);
}

const ProblemRule& ruleForMessage(int page, const QString& message) {
    const QString prefix = QStringLiteral("XW-P%1-0").arg(page);
    for (const ProblemRule& rule : rules) {
        const QString code = QLatin1String(rule.code);
        // Only the editor's own refusals, 001 to 019, are found by their message.
        if (!code.startsWith(prefix) || code.at(prefix.size()) > u'1')
            continue;
        if (message.startsWith(fixedPart(rule.message)) &&
            (message.size() == fixedPart(rule.message).size() ||
             QString::fromUtf8(rule.message).contains(QStringLiteral("%1"))))
            return rule;
    }
    return *ruleOf(QStringLiteral("XW-P%1-019").arg(std::clamp(page, 1, 4)));
}

QString severityName(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("error");
    case Severity::Warning:
        return QStringLiteral("warning");
    case Severity::Hint:
        break;
    }
    return QStringLiteral("hint");
}

Severity severityOf(const QString& code) {
    const ProblemRule* rule = ruleOf(code);
    return rule ? rule->severity : Severity::Error;
}

QString fixOf(const QString& code) {
    const ProblemRule* rule = ruleOf(code);
    return rule ? QString::fromUtf8(rule->fix) : QString();
}

} // namespace validation
