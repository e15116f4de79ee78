#pragma once

#include "core/records/return_check.h"

#include <optional>
#include <utility>

// What the editor accepts but a record very likely has wrong: a check character that does not
// belong to the number, an amount without its period or a period without its amount, amounts
// far beyond a salary, and income paid for days outside the employment.
namespace validation {

// The check character of an identity card number of one or two letters and six digits: the
// weighted sum of its characters (a letter counts 10 to 35, a missing second letter 36) modulo
// 11, "A" for 10. None for a number of any other shape.
std::optional<QChar> identityCheckCharacter(const QString& number);

// The first and last day (YYYYMMDD) of an income period typed as free text: two dates written
// as YYYYMMDD, DDMMYYYY or DD/MM/YYYY (also with "." or "-"). None when the text holds no such
// pair of calendar days.
std::optional<std::pair<QString, QString>> periodDays(const QString& period);

inline constexpr qint64 largeAmount = 10'000'000;
inline constexpr qint64 largeTotalIncome = 50'000'000;

// The warnings and hints of one record, in page order; none for a record that is fine.
QList<ReturnProblem> recordWarnings(FieldView fields);

} // namespace validation
