#include "core/employer/employer_rules.h"

#include "core/common/dates.h"

#include <QObject>
#include <QRegularExpression>
#include <array>
#include <cmath>

namespace {

// A number as a user types or pastes one: a sign, digits and one decimal point, spaces around.
// Exponents, currency signs and grouping are not taken, so a year that passes is four digits.
std::optional<double> numberValue(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)\\s*$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    return QStringView(text).trimmed().toDouble();
}

QString fileNumberRefusal(const QString& shown) {
    return u'\'' + shown + QObject::tr("' is not a valid file number. Please enter again!");
}

// The number written with at least eight digits, as a "00000000" format pattern writes it.
QString zeroFilled(double value) {
    const qint64 whole = qRound64(value);
    const QString digits = QString::number(std::abs(whole)).rightJustified(8, u'0');
    return whole < 0 ? u'-' + digits : digits;
}

// DDMMYYYY as YYYYMMDD, so that dates compare as texts.
QString yearFirst(const QString& date) {
    return date.mid(4, 4) + date.mid(2, 2) + date.mid(0, 2);
}

} // namespace

static bool onlyDigits(const QString& typed) {
    return std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool digitOrBackspace(char32_t key) {
    return (key >= U'0' && key <= U'9') || key == 8;
}

std::optional<QString> returnYearRefusal(const QString& year) {
    if (year.isEmpty())
        return std::nullopt;
    const auto value = numberValue(year);
    if (!value)
        return u'\'' + year + QObject::tr("' is not a valid year. Please enter again!");
    if (year.trimmed().size() < 4)
        return QObject::tr("Invalid year. Please enter a 4-digit year.");
    if (*value <= 1996)
        return QObject::tr("Input year must be later than 1996.");
    return std::nullopt;
}

bool yearChangeNeedsConsent(const QString& rememberedYear, const QString& year) {
    return !rememberedYear.isEmpty() && year != rememberedYear;
}

QString yearChangeQuestion() {
    // Line breaks are carriage returns, as the message boxes take them.
    return QObject::tr("WARNING!  Amendment of the Year Field will DELETE ALL the inputted "
                       "data (including particulars of income, place of residence provided "
                       "and overseas income etc.) in Page 2, 3 and 4 automatically.\r\r"
                       "Remember to delete records of employees that are not required.  Do "
                       "you want to proceed?");
}

std::optional<QString> sectionRefusal(const QString& section) {
    const QString letter = section.trimmed().toUpper();
    if (section.isEmpty() || (letter >= u"A" && letter <= u"Z"))
        return std::nullopt;
    return QStringLiteral("'6") + section +
           QObject::tr("1' is not a valid file number. Please enter again!");
}

FileNumberVerdict checkFileNumber(const QString& fileNumber) {
    if (fileNumber.isEmpty())
        return {fileNumber, std::nullopt};
    const auto value = numberValue(fileNumber);
    if (!value || std::trunc(*value) == 0)
        return {fileNumber, fileNumberRefusal(fileNumber)};
    const QString filled = zeroFilled(*value);
    if (!hasValidCheckDigit(filled))
        return {filled, fileNumberRefusal(filled)};
    return {filled, std::nullopt};
}

QString wholeFileNumber(const QString& section, const QString& digits) {
    if (section.isEmpty() && digits.isEmpty())
        return QString();
    return u'6' + section + QStringLiteral("1-") + digits;
}

bool hasValidCheckDigit(const QString& eightDigits) {
    if (eightDigits.size() != 8 || !onlyDigits(eightDigits))
        return false;
    constexpr std::array weights{8, 1, 2, 3, 6, 7, 8};
    int sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i)
        sum += weights[i] * eightDigits.at(static_cast<qsizetype>(i)).digitValue();
    return sum % 10 == eightDigits.at(7).digitValue();
}

std::optional<QString> submissionDateRefusal(const QString& date, const QString& year) {
    if (!date.isEmpty() && !isCalendarDate(date))
        return QObject::tr("Invalid date format.  Please fill in with format, DDMMYYYY.");
    if (yearFirst(date) < year + QStringLiteral("0331"))
        return QObject::tr("The date of submission should later than 31 Mar, ") + year;
    return std::nullopt;
}

int firstBlank(const QStringList& texts) {
    for (qsizetype i = 0; i < texts.size(); ++i)
        if (texts.at(i).trimmed().isEmpty())
            return static_cast<int>(i);
    return -1;
}
