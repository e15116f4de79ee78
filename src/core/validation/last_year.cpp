#include "core/validation/last_year.h"

namespace validation {

QString identityKey(const QString& identity) {
    const QString upper = identity.trimmed().toUpper();
    const qsizetype bracket = upper.indexOf(u'(');
    return bracket < 0 ? upper : upper.left(bracket).trimmed();
}

namespace {

// What QString::simplified() gives, appended to `to` without a text of its own.
void appendSimplified(QString& to, const QString& text) {
    bool space = false;
    bool begun = false;
    for (QChar c : text) {
        if (c.isSpace()) {
            space = begun;
            continue;
        }
        if (space)
            to += u' ';
        to += c;
        space = false;
        begun = true;
    }
}

} // namespace

// Made for every original record of a return: one text, upper-cased in place.
QString namesKey(const QString& surname, const QString& otherNames) {
    QString key;
    key.reserve(surname.size() + otherNames.size() + 1);
    appendSimplified(key, surname);
    key += u',';
    appendSimplified(key, otherNames);
    return std::move(key).toUpper();
}

bool stillEmployedAtYearStart(const LastYearEmployee& employee, const QString& returnYear) {
    const QString end = employee.periodEnd.trimmed();
    if (end.size() != 8)
        return false;
    const QString yearFirst = end.mid(4) + end.mid(2, 2) + end.left(2);
    return yearFirst >= QString::number(returnYear.trimmed().toInt() - 1) + QStringLiteral("0331");
}

} // namespace validation
