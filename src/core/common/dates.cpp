#include "core/common/dates.h"

#include <QDate>

bool isCalendarDate(const QString& ddmmyyyy) {
    if (ddmmyyyy.size() != 8)
        return false;
    for (QChar c : ddmmyyyy)
        if (c < u'0' || c > u'9')
            return false;
    const QStringView date(ddmmyyyy);
    const int day = date.mid(0, 2).toInt();
    const int month = date.mid(2, 2).toInt();
    const int year = date.mid(4, 4).toInt();
    return QDate::isValid(year, month, day);
}
