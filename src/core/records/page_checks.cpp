#include "core/records/page_checks.h"

#include "core/common/dates.h"
#include "core/records/record_types.h"

#include <QObject>
#include <span>

namespace {

using Failure = std::optional<PageFailure>;

// A required item: one field, or two address lines that count as given when either holds text.
struct Required {
    const char* column;
    const char* secondLine;
    const char* message;
};

// A date of the period of employment, held in three fields.
struct DateParts {
    const char* day;
    const char* month;
    const char* year;
};

constexpr DateParts startDate{"EDay1", "EMonth1", "EYear1"};
constexpr DateParts endDate{"EDay2", "EMonth2", "EYear2"};
constexpr std::array periodParts{"EDay1", "EMonth1", "EYear1", "EDay2", "EMonth2", "EYear2"};
constexpr std::array identityColumns{"Surname", "HKID", "SpouseHKID"};

constexpr std::array page1Required{
    Required{"Surname", nullptr, QT_TRANSLATE_NOOP("QObject", "Please enter surname.")},
    Required{"FirstName", nullptr, QT_TRANSLATE_NOOP("QObject", "Please enter other names.")},
    Required{"Sex", nullptr, QT_TRANSLATE_NOOP("QObject", "Please enter sex.")},
    Required{"RAddress1", "RAddress2",
             QT_TRANSLATE_NOOP("QObject", "Please enter residential address.")},
    Required{"RAreaCode", nullptr, QT_TRANSLATE_NOOP("QObject", "Please enter Area Code.")},
    Required{"Capacity", nullptr, QT_TRANSLATE_NOOP("QObject", "Please enter capacity.")},
};

constexpr std::array residenceRequired{
    Required{"Q1Address1", "Q1Address2",
             QT_TRANSLATE_NOOP("QObject", "Please enter address of Place of Residence.")},
    Required{"Q1Nature", nullptr,
             QT_TRANSLATE_NOOP("QObject", "Please enter nature of Place of Residence.")},
    Required{"Q1Period", nullptr,
             QT_TRANSLATE_NOOP("QObject", "Please enter period of Place of Residence.")},
};

QString invalidDateMessage() {
    return QObject::tr("Invalid date. Please enter again.");
}

bool blank(FieldView fields, const char* column) {
    return fieldText(fields, column).trimmed().isEmpty();
}

Failure failure(int page, const QString& message, const char* focusColumn, bool clear = false) {
    return PageFailure{page, message, QLatin1String(focusColumn), clear};
}

Failure firstMissing(FieldView fields, int page, std::span<const Required> items) {
    for (const Required& item : items) {
        QString text = fieldText(fields, item.column);
        if (item.secondLine)
            text += fieldText(fields, item.secondLine);
        if (text.trimmed().isEmpty())
            return failure(page, QObject::tr(item.message), item.column);
    }
    return std::nullopt;
}

bool isYes(FieldView fields, const char* flagColumn) {
    return fieldText(fields, flagColumn).trimmed() == u'1';
}

QString ddmmyyyy(FieldView fields, const DateParts& date) {
    return fieldText(fields, date.day) + fieldText(fields, date.month) +
           fieldText(fields, date.year);
}

// Eight digits in year, month, day order, so that text order is date order.
QString yyyymmdd(FieldView fields, const DateParts& date) {
    return fieldText(fields, date.year) + fieldText(fields, date.month) +
           fieldText(fields, date.day);
}

bool unusable(FieldView fields, const DateParts& date) {
    const QString text = ddmmyyyy(fields, date);
    return text.size() != 8 || !isCalendarDate(text);
}

Failure invalidDate(const DateParts& date) {
    return failure(2, invalidDateMessage(), date.year, true);
}

Failure missingPeriodPart(FieldView fields) {
    for (const char* part : periodParts)
        if (blank(fields, part))
            return failure(2, QObject::tr("Please enter period of employment."), part);
    return std::nullopt;
}

Failure outsideReturnYear(FieldView fields, int year) {
    const QString start = yyyymmdd(fields, startDate);
    const QString end = yyyymmdd(fields, endDate);
    const QString firstYear = QString::number(year - 1);
    const QString lastYear = QString::number(year);
    if (start < firstYear + QStringLiteral("0401"))
        return failure(
            2, QObject::tr("Start date should not be earlier than 01 April ") + firstYear + u'.',
            startDate.day);
    if (end > lastYear + QStringLiteral("0331"))
        return failure(2,
                       QObject::tr("End date should not be later than 31 March ") + lastYear + u'.',
                       endDate.day);
    if (start >= end)
        return failure(2, QObject::tr("Start date must be earlier than end date."), startDate.day);
    return std::nullopt;
}

Failure checkPage(int page, FieldView fields, const QString& returnYear) {
    switch (page) {
    case 1:
        return checkIdentityPage(fields);
    case 2:
        return checkIncomePage(fields, returnYear);
    case 3:
        return checkResidencePage(fields);
    default:
        return checkOverseasPage(fields);
    }
}

} // namespace

const QString& fieldText(FieldView fields, const char* column) {
    return fields.text(column);
}

FieldTexts upperCasedNames(const FieldTexts& fields) {
    FieldTexts changed;
    for (const char* column : identityColumns) {
        const auto found = fields.constFind(columnKey(column));
        if (found == fields.constEnd())
            continue;
        const QString upper = found->toUpper();
        if (upper != *found)
            changed.insert(found.key(), upper);
    }
    return changed;
}

std::optional<PageFailure> checkIdentityPage(FieldView fields) {
    const QString status = fieldText(fields, "Status");
    // Originals are numbered by the sort; the other types carry the number the user typed.
    if ((status == recordtype::supplementary || status == recordtype::replacement) &&
        blank(fields, "SheetNo"))
        return failure(1, QObject::tr("Please enter sheet number."), "SheetNo");
    return firstMissing(fields, 1, page1Required);
}

std::optional<PageFailure> checkIncomePage(FieldView fields, const QString& returnYear) {
    if (Failure missing = missingPeriodPart(fields))
        return missing;
    if (unusable(fields, startDate))
        return invalidDate(startDate);
    if (unusable(fields, endDate))
        return invalidDate(endDate);
    if (Failure outside = outsideReturnYear(fields, returnYear.trimmed().toInt()))
        return outside;
    if (fieldText(fields, startDate.year) == QStringLiteral("0000"))
        return invalidDate(startDate);
    if (fieldText(fields, endDate.year) == QStringLiteral("0000"))
        return invalidDate(endDate);
    return std::nullopt;
}

std::optional<PageFailure> checkResidencePage(FieldView fields) {
    if (blank(fields, "QFlag"))
        return failure(3, QObject::tr("Please enter Place of Residence indicator."), "QFlag");
    if (isYes(fields, "QFlag"))
        return firstMissing(fields, 3, residenceRequired);
    return std::nullopt;
}

std::optional<PageFailure> checkOverseasPage(FieldView fields) {
    if (blank(fields, "OSeaFlag"))
        return failure(4, QObject::tr("Please enter overseas company indicator."), "OSeaFlag");
    if (isYes(fields, "OSeaFlag") && blank(fields, "OSeaName"))
        return failure(4, QObject::tr("Please enter name of overseas company."), "OSeaName");
    return std::nullopt;
}

std::array<int, 4> checkOrder(int visiblePage) {
    switch (visiblePage) {
    case 2:
        return {2, 1, 3, 4};
    case 3:
        return {3, 1, 2, 4};
    case 4:
        return {4, 1, 2, 3};
    default:
        return {1, 2, 3, 4};
    }
}

std::optional<PageFailure> checkRecord(FieldView fields, const QString& returnYear,
                                       int visiblePage) {
    for (int page : checkOrder(visiblePage))
        if (Failure found = checkPage(page, fields, returnYear))
            return found;
    return std::nullopt;
}
