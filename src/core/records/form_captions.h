#pragma once

#include "core/reports/page_builder.h"

// The Chinese of every caption on the printed XW73D form and on the control list, in the words
// of the local tax forms. They are printed beside the English whatever language the program
// speaks, so they live here as data and not in the program's translations.
namespace formcaptions {

// The caption with its Chinese; a caption the table does not know is printed in English alone.
report::Caption caption(const QString& english);
// The Chinese of an English caption, or an empty text.
QString chineseOf(const QString& english);

// The return year as the form's second heading says it in both languages: "For the year from
// 1 April 2000 to 31 March 2001" and "由2000年4月1日至2001年3月31日止年度"; empty for a year
// that is not four digits.
report::Caption yearHeading(const QString& returnYear);

} // namespace formcaptions
