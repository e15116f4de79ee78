#include "core/validation/record_warnings.h"

#include "core/common/amounts.h"
#include "core/common/dates.h"
#include "core/records/field_rules.h"
#include "core/records/income_lines.h"
#include "core/validation/problem_codes.h"

#include <QObject>
#include <QRegularExpression>

namespace validation {
namespace {

using Kind = ReturnProblem::Kind;

qint64 amountOf(const QString& text) {
    return fieldrules::amountValue(text).value_or(0);
}

ReturnProblem warning(FieldView fields, int page, const char* column, const QString& message,
                      const char* code, const QString& value) {
    return ReturnProblem{std::nullopt,
                         fieldText(fields, "Surname"),
                         fieldText(fields, "FirstName"),
                         page,
                         sharedText(column),
                         message,
                         Kind::WholeReturn,
                         fieldText(fields, "SheetNo").trimmed(),
                         sharedText(code),
                         fieldText(fields, "Status"),
                         identityText(fields),
                         value};
}

int characterValue(QChar c) {
    if (c.isDigit())
        return c.digitValue();
    return c == u' ' ? 36 : c.unicode() - u'A' + 10;
}

void checkCharacterOf(QList<ReturnProblem>& found, FieldView fields, const char* number,
                      const char* character, const char* code, const char* whose) {
    const QString typedNumber = fieldText(fields, number).trimmed().toUpper();
    const QString typed = fieldText(fields, character).trimmed().toUpper();
    const std::optional<QChar> expected = identityCheckCharacter(typedNumber);
    if (typed.size() != 1 || !expected || typed.at(0) == *expected)
        return;
    const QString shown = typedNumber + u'(' + typed + u')';
    found << warning(
        fields, 1, character,
        QObject::tr("The check character does not match the %1 %2.").arg(QObject::tr(whose), shown),
        code, shown);
}

// The period of employment as YYYYMMDD days, when both dates are whole calendar days.
std::optional<std::pair<QString, QString>> employment(FieldView fields) {
    const QString start =
        fieldText(fields, "EDay1") + fieldText(fields, "EMonth1") + fieldText(fields, "EYear1");
    const QString end =
        fieldText(fields, "EDay2") + fieldText(fields, "EMonth2") + fieldText(fields, "EYear2");
    if (start.size() != 8 || end.size() != 8 || !isCalendarDate(start) || !isCalendarDate(end))
        return std::nullopt;
    return std::pair(start.mid(4) + start.mid(2, 2) + start.left(2),
                     end.mid(4) + end.mid(2, 2) + end.left(2));
}

QString shownDay(const QString& yyyymmdd) {
    return yyyymmdd.mid(6) + u'/' + yyyymmdd.mid(4, 2) + u'/' + yyyymmdd.left(4);
}

void incomeLineChecks(QList<ReturnProblem>& found, FieldView fields) {
    // Read only for a line whose period names its days, which most records have none of.
    std::optional<std::optional<std::pair<QString, QString>>> employedOnce;
    for (const IncomeLine& line : incomeLines()) {
        const QString amount = fieldText(fields, line.amount).trimmed();
        const QString period = fieldText(fields, line.period).trimmed();
        const qint64 value = amountOf(amount);
        if (value > 0 && period.isEmpty())
            found << warning(fields, 2, line.period,
                             QObject::tr("An amount of %1 has no period.").arg(amount),
                             code::amountWithoutPeriod, amount);
        if (value == 0 && !period.isEmpty())
            found << warning(fields, 2, line.amount,
                             QObject::tr("A period of %1 has no amount.").arg(period),
                             code::periodWithoutAmount, period);
        if (value >= largeAmount)
            found << warning(fields, 2, line.amount,
                             QObject::tr("An amount of %1 is 10,000,000 or more.").arg(amount),
                             code::largeAmount, amount);
        const auto days = periodDays(period);
        if (!days)
            continue;
        if (!employedOnce)
            employedOnce = employment(fields);
        const auto& employed = *employedOnce;
        if (employed && (days->first < employed->first || days->second > employed->second))
            found << warning(
                fields, 2, line.period,
                QObject::tr("The period %1 is not within the period of "
                            "employment, %2 to %3.")
                    .arg(period, shownDay(employed->first), shownDay(employed->second)),
                code::periodOutsideEmployment, period);
    }
}

void totalCheck(QList<ReturnProblem>& found, FieldView fields) {
    qint64 total = 0;
    for (const IncomeLine& line : incomeLines())
        total += amountOf(fieldText(fields, line.amount));
    if (total >= largeTotalIncome)
        found << warning(
            fields, 2, "Total",
            QObject::tr("A total income of %1 is 50,000,000 or more.").arg(groupDigits(total)),
            code::largeTotal, groupDigits(total));
}

void rentChecks(QList<ReturnProblem>& found, FieldView fields) {
    static const char* const places[][6]{
        {"Q1Period", "Q1Rent1", "Q1Rent2", "Q1Rent3", "Q1Rent4", "first"},
        {"Q2Period", "Q2Rent1", "Q2Rent2", "Q2Rent3", "Q2Rent4", "second"}};
    for (const auto& place : places) {
        const QString period = fieldText(fields, place[0]).trimmed();
        const char* firstRent = nullptr;
        for (int i = 1; i <= 4 && !firstRent; ++i)
            if (amountOf(fieldText(fields, place[i])) > 0)
                firstRent = place[i];
        if (firstRent && period.isEmpty())
            found << warning(
                fields, 3, place[0],
                QObject::tr("A rent of %1 is given for the %2 place of residence, "
                            "which has no period.")
                    .arg(fieldText(fields, firstRent).trimmed(), QLatin1String(place[5])),
                code::rentWithoutPeriod, fieldText(fields, firstRent).trimmed());
        if (!firstRent && !period.isEmpty() && fieldText(fields, "QFlag").trimmed() == u"1")
            found << warning(fields, 3, place[1],
                             QObject::tr("The place of residence provided for %1 has no "
                                         "rent.")
                                 .arg(period),
                             code::periodWithoutRent, period);
    }
}

// A four-digit year an income period could name.
bool plausibleYear(const QString& year) {
    return year >= QStringLiteral("1900") && year <= QStringLiteral("2199");
}

// The YYYYMMDD form of a day given as day, month and year texts; empty when it is none.
QString yearFirst(const QString& day, const QString& month, const QString& year) {
    const QString dayText = day.rightJustified(2, u'0');
    const QString monthText = month.rightJustified(2, u'0');
    return plausibleYear(year) && isCalendarDate(dayText + monthText + year)
               ? year + monthText + dayText
               : QString();
}

// A day written as YYYYMMDD, DDMMYYYY or DD/MM/YYYY, as YYYYMMDD; empty when it is none.
QString dayOf(const QRegularExpressionMatch& match) {
    const QString digits = match.captured(1);
    if (digits.isEmpty())
        return yearFirst(match.captured(2), match.captured(3), match.captured(4));
    const QString asYearFirst = yearFirst(digits.mid(6), digits.mid(4, 2), digits.left(4));
    return asYearFirst.isEmpty() ? yearFirst(digits.left(2), digits.mid(2, 2), digits.mid(4))
                                 : asYearFirst;
}

std::optional<std::pair<QString, QString>> readPeriodDays(const QString& period) {
    static const QRegularExpression date(
        QStringLiteral("(?<![0-9])(?:([0-9]{8})|([0-9]{1,2})[/.-]([0-9]{1,2})[/.-]([0-9]{4}))"
                       "(?![0-9])"));
    QStringList days;
    for (auto it = date.globalMatch(period); it.hasNext();)
        days << dayOf(it.next());
    if (days.size() != 2 || days.contains(QString()) || days[0] > days[1])
        return std::nullopt;
    return std::pair(days[0], days[1]);
}

} // namespace

std::optional<QChar> identityCheckCharacter(const QString& number) {
    const qsizetype letters = number.size() - 6;
    if (letters < 1 || letters > 2)
        return std::nullopt;
    for (qsizetype i = 0; i < number.size(); ++i) {
        const QChar c = number.at(i);
        if (i < letters ? !(c >= u'A' && c <= u'Z') : !(c >= u'0' && c <= u'9'))
            return std::nullopt;
    }
    const QString padded = number.rightJustified(8, u' ');
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += characterValue(padded.at(i)) * (9 - i);
    const int check = (11 - sum % 11) % 11;
    return check == 10 ? QChar(u'A') : QChar(u'0' + check);
}

std::optional<std::pair<QString, QString>> periodDays(const QString& period) {
    // Most records of a return repeat a few period texts: each is read once.
    thread_local QHash<QString, std::optional<std::pair<QString, QString>>> known;
    if (const auto found = known.constFind(period); found != known.constEnd())
        return *found;
    if (known.size() > 4096)
        known.clear();
    return *known.insert(period, readPeriodDays(period));
}

QList<ReturnProblem> recordWarnings(FieldView fields) {
    QList<ReturnProblem> found;
    // Whose number it is, translated only for a warning: nearly every record has none.
    checkCharacterOf(found, fields, "HKID", "ChkDigit", code::checkCharacter,
                     QT_TRANSLATE_NOOP("QObject", "identity card number"));
    checkCharacterOf(found, fields, "SpouseHKID", "SpouseChkDigit", code::spouseCheckCharacter,
                     QT_TRANSLATE_NOOP("QObject", "spouse's identity card number"));
    incomeLineChecks(found, fields);
    totalCheck(found, fields);
    rentChecks(found, fields);
    return found;
}

} // namespace validation
