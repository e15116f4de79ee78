#include "core/validation/problem_codes.h"

#include <QCoreApplication>
#include <QHash>
#include <QObject>

#include <algorithm>

namespace validation {
namespace {

using enum Severity;

// One row a rule. The page checks and the leave checks keep the editor's own messages; the
// pages' 0xx numbers are page checks, 01x leave checks, 02x and later the whole return's rules.
constexpr ProblemRule rules[]{
    {"XW-P1-001", Error, QT_TRANSLATE_NOOP("QObject", "Please enter sheet number."),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Type the sheet number of this replacement or supplementary return on page 1.")},
    {"XW-P1-002", Error, QT_TRANSLATE_NOOP("QObject", "Please enter surname."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type the employee's surname on page 1.")},
    {"XW-P1-003", Error, QT_TRANSLATE_NOOP("QObject", "Please enter other names."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type the employee's other names in full on page 1.")},
    {"XW-P1-004", Error, QT_TRANSLATE_NOOP("QObject", "Please enter sex."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type M or F as the employee's sex.")},
    {"XW-P1-005", Error, QT_TRANSLATE_NOOP("QObject", "Please enter residential address."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type the employee's residential address on page 1.")},
    {"XW-P1-006", Error, QT_TRANSLATE_NOOP("QObject", "Please enter Area Code."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type H, K, N or F as the area of the residential address.")},
    {"XW-P1-007", Error, QT_TRANSLATE_NOOP("QObject", "Please enter capacity."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type the capacity in which the employee is employed.")},
    {"XW-P1-011", Error, QT_TRANSLATE_NOOP("QObject", "Invalid character found at Surname!"),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Retype the surname with letters, spaces and the characters the field takes.")},
    {"XW-P1-012", Error, QT_TRANSLATE_NOOP("QObject", "Invalid Sex. Please enter 'M' or 'F'."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type M or F.")},
    {"XW-P1-013", Error,
     QT_TRANSLATE_NOOP("QObject", "Invalid Area Code.  Please enter 'H', 'K', 'N' or 'F'."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type H, K, N or F.")},
    {"XW-P1-014", Error,
     QT_TRANSLATE_NOOP("QObject", "Invalid Marital Status. Please enter '1', '2' or leave blank."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type 1 or 2, or leave the marital status blank.")},
    {"XW-P1-015", Error, QT_TRANSLATE_NOOP("QObject", "Invalid HKID. Please enter again."),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Type the identity card number as one or two letters and six digits, without the check "
         "character.")},
    {"XW-P1-016", Error,
     QT_TRANSLATE_NOOP("QObject", "Invalid check character. Please enter 0 to 9 or A."),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Type the character in brackets on the identity card: a digit or A.")},
    {"XW-P1-019", Error, QT_TRANSLATE_NOOP("QObject", "A value on page 1 that its field refuses."),
     QT_TRANSLATE_NOOP("ProblemFix", "Open the record and retype the value the message names.")},
    {code::checkCharacter, Warning,
     QT_TRANSLATE_NOOP("QObject", "The check character does not match the identity card number %1"),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Compare the number and the character in brackets with the identity card: one of them "
         "was mistyped.")},
    {code::spouseCheckCharacter, Warning,
     QT_TRANSLATE_NOOP("QObject",
                       "The check character does not match the spouse's identity card number %1"),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Compare the spouse's number and the character in brackets with the identity card.")},
    {code::repeatedIdentity, Warning, QT_TRANSLATE_NOOP("QObject", "The identity number %1"),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "If the same employee was entered twice, delete one record; otherwise correct the "
         "identity number.")},
    {code::identityOtherName, Hint, QT_TRANSLATE_NOOP("QObject", "The identity number %1"),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Check both records' identity numbers and names against the identity cards.")},
    {code::nameOtherIdentity, Hint, QT_TRANSLATE_NOOP("QObject", "The name %1"),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "If both records are one employee, keep one of them; two people of one name need no "
         "change.")},
    {code::unknownType, Error, QT_TRANSLATE_NOOP("QObject", "Unknown record type %1"),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Choose Original, Replacement or Supplementary as the record type.")},
    {"XW-P2-001", Error, QT_TRANSLATE_NOOP("QObject", "Please enter period of employment."),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Type the start and end dates of the employment within the year on page 2.")},
    {"XW-P2-002", Error, QT_TRANSLATE_NOOP("QObject", "Invalid date. Please enter again."),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Type the date as day, month and four-digit year of a real calendar day.")},
    {"XW-P2-003", Error,
     QT_TRANSLATE_NOOP("QObject", "Start date should not be earlier than 01 April %1"),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Type a start date within the return year: 1 April or later.")},
    {"XW-P2-004", Error,
     QT_TRANSLATE_NOOP("QObject", "End date should not be later than 31 March %1"),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Type an end date within the return year: 31 March or earlier.")},
    {"XW-P2-005", Error, QT_TRANSLATE_NOOP("QObject", "Start date must be earlier than end date."),
     QT_TRANSLATE_NOOP("ProblemFix", "Make the start date earlier than the end date.")},
    {"XW-P2-011", Error, QT_TRANSLATE_NOOP("QObject", "Value must be numeric. Please enter again."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type the day, month and year in digits.")},
    {"XW-P2-012", Error, QT_TRANSLATE_NOOP("QObject", "Cents should be excluded!"),
     QT_TRANSLATE_NOOP("ProblemFix", "Type the amount in whole dollars, without cents.")},
    {"XW-P2-013", Error, QT_TRANSLATE_NOOP("QObject", "Value too large!"),
     QT_TRANSLATE_NOOP("ProblemFix", "Make the record's total income 999,999,999 or less.")},
    {"XW-P2-019", Error, QT_TRANSLATE_NOOP("QObject", "A value on page 2 that its field refuses."),
     QT_TRANSLATE_NOOP("ProblemFix", "Open the record and retype the value the message names.")},
    {code::amountWithoutPeriod, Warning, QT_TRANSLATE_NOOP("QObject", "An amount of %1"),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Type the period the amount relates to, or clear the amount.")},
    {code::periodWithoutAmount, Warning, QT_TRANSLATE_NOOP("QObject", "A period of %1"),
     QT_TRANSLATE_NOOP("ProblemFix", "Type the amount of the period, or clear the period.")},
    {code::largeAmount, Warning, QT_TRANSLATE_NOOP("QObject", "An amount of %1"),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Check that the amount is in whole dollars and has no digit too many.")},
    {code::largeTotal, Warning, QT_TRANSLATE_NOOP("QObject", "A total income of %1"),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Check each amount of the record; one may have a digit too many or belong to another "
         "line.")},
    {code::periodOutsideEmployment, Warning, QT_TRANSLATE_NOOP("QObject", "The period %1"),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Correct the income period or the period of employment so that one lies within the "
         "other.")},
    {code::leftOutBySave, Error,
     QT_TRANSLATE_NOOP("QObject", "The save leaves this original record out"),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Correct the period of employment so that it lies within the return year.")},
    {"XW-P3-001", Error, QT_TRANSLATE_NOOP("QObject", "Please enter Place of Residence indicator."),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Type 1 when a place of residence was provided, otherwise 0.")},
    {"XW-P3-002", Error,
     QT_TRANSLATE_NOOP("QObject", "Please enter address of Place of Residence."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type the address of the place of residence provided.")},
    {"XW-P3-003", Error, QT_TRANSLATE_NOOP("QObject", "Please enter nature of Place of Residence."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type the nature of the place of residence provided.")},
    {"XW-P3-004", Error, QT_TRANSLATE_NOOP("QObject", "Please enter period of Place of Residence."),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Type the period for which the place of residence was provided.")},
    {"XW-P3-011", Error,
     QT_TRANSLATE_NOOP("QObject", "Invalid Place of Residence indicator. Please enter '0' or '1'."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type 0 or 1.")},
    {"XW-P3-019", Error, QT_TRANSLATE_NOOP("QObject", "A value on page 3 that its field refuses."),
     QT_TRANSLATE_NOOP("ProblemFix", "Open the record and retype the value the message names.")},
    {code::rentWithoutPeriod, Warning, QT_TRANSLATE_NOOP("QObject", "A rent of %1"),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Type the period for which the place was provided, or clear the rents.")},
    {code::periodWithoutRent, Hint,
     QT_TRANSLATE_NOOP("QObject", "The place of residence provided for %1"),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Nothing to do when the place was provided free; otherwise type the rents.")},
    {"XW-P4-001", Error, QT_TRANSLATE_NOOP("QObject", "Please enter overseas company indicator."),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Type 1 when an overseas company paid part of the income, otherwise 0.")},
    {"XW-P4-002", Error, QT_TRANSLATE_NOOP("QObject", "Please enter name of overseas company."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type the name of the overseas company on page 4.")},
    {"XW-P4-011", Error,
     QT_TRANSLATE_NOOP("QObject", "Invalid overseas company indicator. Please enter '0' or '1'."),
     QT_TRANSLATE_NOOP("ProblemFix", "Type 0 or 1.")},
    {"XW-P4-019", Error, QT_TRANSLATE_NOOP("QObject", "A value on page 4 that its field refuses."),
     QT_TRANSLATE_NOOP("ProblemFix", "Open the record and retype the value the message names.")},
    {code::employerMissing, Error, QT_TRANSLATE_NOOP("QObject", "The employer's %1"),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Fill in the item on the employer screen before saving the return.")},
    {code::employerYear, Error, QT_TRANSLATE_NOOP("QObject", "The year of return is not valid"),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Type the four-digit year of the return on the employer screen.")},
    {code::employerSection, Error,
     QT_TRANSLATE_NOOP("QObject", "The section of the file number is not valid"),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Type the letter of the employer's file number on the employer screen.")},
    {code::employerFileNumber, Error,
     QT_TRANSLATE_NOOP("QObject", "The employer's file number is not valid"),
     QT_TRANSLATE_NOOP("ProblemFix",
                       "Type the file number as it stands on the authority's letters.")},
    {code::employerDate, Error, QT_TRANSLATE_NOOP("QObject", "The date of submission is not valid"),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Type the date of submission as DDMMYYYY, after the end of the return year.")},
    {code::missingFromLastYear, Warning,
     QT_TRANSLATE_NOOP("QObject", "%1 was on last year's return"),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Add the employee's record, or make sure the employee left before 1 April.")},
    {code::categoryChanged, Warning, QT_TRANSLATE_NOOP("QObject", "The total of category %1"),
     QT_TRANSLATE_NOOP(
         "ProblemFix",
         "Check the category's amounts: a line may have been typed into the wrong category.")},
    {code::cannotStore, Error,
     QT_TRANSLATE_NOOP("QObject", "A row of the file that no record can hold"),
     QT_TRANSLATE_NOOP("ProblemFix", "Correct the row in the file and import it again.")},
};

// The text before the value a message carries, or the whole message, in the language the
// checks write their messages in.
QString fixedPart(const char* message) {
    const QString text = QObject::tr(message);
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
             QObject::tr(rule.message).contains(QStringLiteral("%1"))))
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
    return rule ? QCoreApplication::translate("ProblemFix", rule->fix) : QString();
}

} // namespace validation
