#include "core/validation/last_year.h"

namespace validation {

QString identityKey(const QString& identity) {
    const QString upper = identity.trimmed().toUpper();
    const qsizetype bracket = upper.indexOf(u'(');
    return bracket < 0 ? upper : upper.left(bracket).trimmed();
}

QString namesKey(const QString& surname, const QString& otherNames) {
    return (surname.simplified() + u',' + otherNames.simplified()).toUpper();
}

bool stillEmployedAtYearStart(const LastYearEmployee& employee, const QString& returnYear) {
    const QString end = employee.periodEnd.trimmed();
    if (end.size() != 8)
        return false;
    const QString yearFirst = end.mid(4) + end.mid(2, 2) + end.left(2);
    return yearFirst >= QString::number(returnYear.trimmed().toInt() - 1) + QStringLiteral("0331");
}

} // namespace validation
