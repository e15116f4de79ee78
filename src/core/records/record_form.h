#pragma once

#include "core/reports/page.h"

#include <QList>
#include <QVariant>

#include <optional>

// The XW73D form of one employee record on one A4 page: the employer's heading, every item of
// the record under plain headings, the income table with its total, the places of residence,
// the overseas company, the remarks, and the signatory's designation and submission date.
namespace xw73dform {

// "1 April 2000 to 31 March 2001" for the return year 2001; empty for a year that is not four
// digits.
QString returnYearText(const QString& returnYear);
// "Original", "Replacement", "Supplementary"; other codes are shown as they are.
QString recordTypeName(const QString& status);
// "A123456(7)"; the check character alone is not shown without a number.
QString identityText(const QString& number, const QString& checkCharacter);
QString maritalStatusText(const QString& code);
QString areaText(const QString& code);
// "01/04/2000" from day, month and year; empty when all three are.
QString dateText(const QString& day, const QString& month, const QString& year);
// Sum of the fourteen income amounts, or nothing when one of them is not an amount.
std::optional<long long> incomeTotal(const QList<QVariant>& employee);

// The form; both rows hold one value per column in the column table's order.
report::Page formPage(const QList<QVariant>& employee, const QList<QVariant>& employer);

} // namespace xw73dform
