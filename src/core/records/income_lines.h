#pragma once

#include "core/common/columns.h"

#include <QList>
#include <QVariant>

#include <span>

// The fourteen income lines of a record, a to l, in the order of their columns: what page 2 of
// the editor calls each, what the printed form calls it, and the columns that hold its nature
// (the three other rewards only), period and amount.
struct IncomeLine {
    char letter;             // 'a' to 'l'; the three other rewards share 'k'
    const char* editorLabel; // the caption on page 2, shared by the three other rewards
    const char* formLabel;   // the description on the printed form
    const char* nature;      // the column of the reward's nature, or nullptr
    const char* period;
    const char* amount;
};

std::span<const IncomeLine> incomeLines();

// The four rents of a place of residence provided, Q1Rent1 to Q1Rent4 (and Q2), as page 3 of the
// editor and the printed form both call them.
std::span<const char* const> rentLabels();

// The position of an other reward among the three (0 to 2), or -1 for every other line.
int otherRewardOf(const IncomeLine& line);

// The columns of the fourteen amounts, aIncome to lIncome, which lie side by side in the employee
// table in the order of the lines.
Columns incomeColumns();

// The fourteen amounts of an employee row (one value per column in the column table's order).
QList<QVariant> incomeAmountsOf(const QList<QVariant>& employee);

// The sum of a record's income amounts, counted in 64 bits; a missing or empty amount counts 0.
// An amount that is not a whole number raises the EngineError of amountToLong.
qint64 incomeTotal(const QList<QVariant>& amounts);
