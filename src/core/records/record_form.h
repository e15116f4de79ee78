#pragma once

#include "core/reports/page.h"

#include <QList>
#include <QVariant>

// The XW73D form of one employee record on one A4 page: the employer's heading, every item of
// the record under plain headings, the income table with its total, the places of residence,
// the overseas company, the remarks, and the signatory's designation and submission date.
namespace xw73dform {

// The form; both rows hold one value per column in the column table's order. Every caption is
// printed in English and in Chinese, the language the user reads first above the other.
report::Page formPage(const QList<QVariant>& employee, const QList<QVariant>& employer,
                      report::LabelOrder order = report::LabelOrder::EnglishFirst);

} // namespace xw73dform
