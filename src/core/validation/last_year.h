#pragma once

#include "core/validation/control_totals.h"

#include <QList>
#include <QString>
#include <array>

// Last year's saved return, as the archive of saved submissions holds it: what this year's check
// sets the return beside.
namespace validation {

struct LastYearEmployee {
    QString identity; // "A123456" or "A123456(3)"; may be empty
    QString surname;
    QString otherNames;
    QString periodEnd; // the last day of the period of employment, DDMMYYYY
    QString type;      // "O", "R" or "S"
};

struct LastYearReturn {
    QString description; // "saved 30/04/2025 14:02 to /media/a"
    QList<LastYearEmployee> employees;
    std::array<qint64, categoryCount> categoryTotals{};
};

// Who an employee of either year is, to find one year's employee in the other: the identity
// number without its check character, or the names when there is no number.
QString identityKey(const QString& identity);
QString namesKey(const QString& surname, const QString& otherNames);

// True when last year's original record ran to the last day of last year's return year (31
// March of returnYear - 1), so the employee was still employed when this year began.
bool stillEmployedAtYearStart(const LastYearEmployee& employee, const QString& returnYear);

} // namespace validation
