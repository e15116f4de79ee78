#include "core/common/dates.h"

#include <QDate>

bool isCalendarDate(const QString& ddmmyyyy) {
    if (ddmmyyyy.size() != 8)
        return false;
    for (QChar c : ddmmyyyy)
        if (c < u'0' || c > u'9')
            return false;
    const int day = ddmmyyyy.mid(0, 2).toInt();
    const int month = ddmmyyyy.mid(2, 2).toInt();
    const int year = ddmmyyyy.mid(4, 4).toInt();
    return QDate::isValid(year, month, day);
}
