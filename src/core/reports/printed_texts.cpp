#include "core/reports/printed_texts.h"

#include "core/common/dates.h"
#include "core/records/record_types.h"

#include <QRegularExpression>

namespace printedtext {

QString returnYearText(const QString& returnYear) {
    bool ok = false;
    const int year = returnYear.toInt(&ok);
    if (!ok || returnYear.size() != 4)
        return QString();
    return QStringLiteral("1 April %1 to 31 March %2").arg(year - 1).arg(year);
}

QString recordTypeName(const QString& status) {
    const int type = recordtype::indexOf(status);
    return type < 0
               ? status
               : QString::fromLatin1(recordtype::recordTypeNames[static_cast<std::size_t>(type)]);
}

QString identityText(const QString& number, const QString& checkCharacter) {
    if (number.isEmpty())
        return QString();
    return number + u'(' + checkCharacter + u')';
}

QString maritalStatusText(const QString& code) {
    if (code == u"1")
        return QStringLiteral("Single, widowed, divorced or separated");
    if (code == u"2")
        return QStringLiteral("Married");
    return code;
}

QString areaText(const QString& code) {
    if (code == u"H")
        return QStringLiteral("Hong Kong");
    if (code == u"K")
        return QStringLiteral("Kowloon");
    if (code == u"N")
        return QStringLiteral("New Territories");
    if (code == u"F")
        return QStringLiteral("Foreign");
    return code;
}

QString dateText(const QString& day, const QString& month, const QString& year) {
    if (day.isEmpty() && month.isEmpty() && year.isEmpty())
        return QString();
    return day + u'/' + month + u'/' + year;
}

QString yearHeading(const QString& returnYear) {
    const QString year = returnYearText(returnYear);
    return year.isEmpty() ? QString() : QStringLiteral("For the year from ") + year;
}

QString wholeDateText(const QString& ddmmyyyy) {
    if (ddmmyyyy.size() != 8)
        return ddmmyyyy;
    return dateText(ddmmyyyy.left(2), ddmmyyyy.mid(2, 2), ddmmyyyy.mid(4));
}

namespace {

// "02/05/2023" from "20230502" when that is a day of the calendar; empty otherwise.
QString yearFirstDateText(const QString& yyyymmdd) {
    const QString ddmmyyyy = yyyymmdd.mid(6, 2) + yyyymmdd.mid(4, 2) + yyyymmdd.left(4);
    return isCalendarDate(ddmmyyyy) ? wholeDateText(ddmmyyyy) : QString();
}

} // namespace

QString periodText(const QString& typed) {
    static const QRegularExpression period(QStringLiteral("^\\s*(\\d{8})\\s*-\\s*(\\d{8})\\s*$"));
    const QRegularExpressionMatch match = period.match(typed);
    if (!match.hasMatch())
        return typed;
    const QString from = yearFirstDateText(match.captured(1));
    const QString to = yearFirstDateText(match.captured(2));
    return from.isEmpty() || to.isEmpty() ? typed : from + QStringLiteral(" - ") + to;
}

QString overseasAmountText(const QString& typed) {
    static const QRegularExpression wholeNumber(
        QStringLiteral("^\\s*(\\d+|\\d{1,3}(,\\d{3})+)\\s*$"));
    if (!wholeNumber.match(typed).hasMatch())
        return typed;
    // Grouped as text, so a number longer than any integer type still reads as it was typed.
    QString digits = typed.trimmed().remove(u',');
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return digits;
}

} // namespace printedtext
