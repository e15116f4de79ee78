#include "core/reports/printed_texts.h"

#include "core/records/record_types.h"

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

} // namespace printedtext
