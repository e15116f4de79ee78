#include "core/records/income_lines.h"

#include "core/common/amounts.h"

#include <QtGlobal>

#include <array>
#include <cstring>

namespace {

// The captions of page 2 are translated where they are shown; the form prints its own.
constexpr const char* otherRewards =
    QT_TRANSLATE_NOOP("IncomeLine", "k. Any other rewards, allowances or perquisites");

const std::array<const char*, 4> rents{
    QT_TRANSLATE_NOOP("IncomeLine", "Rent paid to landlord by employer"),
    QT_TRANSLATE_NOOP("IncomeLine", "Rent paid to landlord by employee"),
    QT_TRANSLATE_NOOP("IncomeLine", "Rent refunded to employee"),
    QT_TRANSLATE_NOOP("IncomeLine", "Rent paid to employer by employee")};

const std::array<IncomeLine, 14> lines{{
    {'a', QT_TRANSLATE_NOOP("IncomeLine", "a. Salary/Wages"), "a. Salary or wages", nullptr,
     "aPeriod", "aIncome"},
    {'b', QT_TRANSLATE_NOOP("IncomeLine", "b. Leave Pay"), "b. Leave pay", nullptr, "bPeriod",
     "bIncome"},
    {'c', QT_TRANSLATE_NOOP("IncomeLine", "c. Director's Fee"), "c. Director's fee", nullptr,
     "cPeriod", "cIncome"},
    {'d', QT_TRANSLATE_NOOP("IncomeLine", "d. Commission/Fees"), "d. Commission or fees", nullptr,
     "dPeriod", "dIncome"},
    {'e', QT_TRANSLATE_NOOP("IncomeLine", "e. Bonus"), "e. Bonus", nullptr, "ePeriod", "eIncome"},
    {'f', QT_TRANSLATE_NOOP("IncomeLine", "f. Back pay, Terminal Awards, and Gratuities, etc."),
     "f. Back pay, terminal awards and gratuities", nullptr, "fPeriod", "fIncome"},
    {'g', QT_TRANSLATE_NOOP("IncomeLine", "g. Certain Payments from Retirement Schemes"),
     "g. Certain payments from retirement schemes", nullptr, "gPeriod", "gIncome"},
    {'h', QT_TRANSLATE_NOOP("IncomeLine", "h. Salaries Tax paid by Employer"),
     "h. Salaries tax paid by the employer", nullptr, "hPeriod", "hIncome"},
    {'i', QT_TRANSLATE_NOOP("IncomeLine", "i. Education Benefits"), "i. Education benefits",
     nullptr, "iPeriod", "iIncome"},
    {'j', QT_TRANSLATE_NOOP("IncomeLine", "j. Gain realized under share option scheme"),
     "j. Gain realized under a share option scheme", nullptr, "jPeriod", "jIncome"},
    {'k', otherRewards, "k. Other rewards, allowances or perquisites (1)", "kNature1", "kPeriod1",
     "kIncome1"},
    {'k', otherRewards, "k. Other rewards, allowances or perquisites (2)", "kNature2", "kPeriod2",
     "kIncome2"},
    {'k', otherRewards, "k. Other rewards, allowances or perquisites (3)", "kNature3", "kPeriod3",
     "kIncome3"},
    {'l', QT_TRANSLATE_NOOP("IncomeLine", "l. Pensions"), "l. Pensions", nullptr, "lPeriod",
     "lIncome"},
}};

} // namespace

std::span<const IncomeLine> incomeLines() {
    return lines;
}

std::span<const char* const> rentLabels() {
    return rents;
}

int otherRewardOf(const IncomeLine& line) {
    return line.nature ? line.nature[std::strlen(line.nature) - 1] - '1' : -1;
}

Columns incomeColumns() {
    const Columns employee = employeeColumns();
    return employee.subspan(static_cast<std::size_t>(columnIndex(employee, "aIncome")),
                            lines.size());
}

QList<QVariant> incomeAmountsOf(const QList<QVariant>& employee) {
    static const qsizetype first = columnIndex(employeeColumns(), "aIncome");
    return employee.mid(first, static_cast<qsizetype>(lines.size()));
}

qint64 incomeTotal(const QList<QVariant>& amounts) {
    qint64 total = 0;
    for (const QVariant& amount : amounts)
        total += amountToLong(amount);
    return total;
}
