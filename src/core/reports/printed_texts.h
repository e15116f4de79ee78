#pragma once

#include <QString>

// The texts that the printed form and the control list both show for the same values, so that
// the two papers never differ in how they write a year, a date or an identity number.
namespace printedtext {

// "1 April 2000 to 31 March 2001" for the return year 2001; empty for a year that is not four
// digits.
QString returnYearText(const QString& returnYear);
// "For the year from 1 April 2000 to 31 March 2001"; empty for a year that is not four digits.
QString yearHeading(const QString& returnYear);
// "Original", "Replacement", "Supplementary"; other codes are shown as they are.
QString recordTypeName(const QString& status);
// "A123456(7)"; the check character alone is not shown without a number.
QString identityText(const QString& number, const QString& checkCharacter);
QString maritalStatusText(const QString& code);
QString areaText(const QString& code);
// "01/04/2000" from day, month and year; empty when all three are.
QString dateText(const QString& day, const QString& month, const QString& year);
// "01/04/2000" from the eight characters DDMMYYYY; any other text is shown as it is.
QString wholeDateText(const QString& ddmmyyyy);
// An income period typed as "20230502 - 20240228" (two calendar dates, year first) written as
// the period of employment is, "02/05/2023 - 28/02/2024"; any other text is shown as it is.
QString periodText(const QString& typed);
// The overseas company's amount is free text: a plain whole number ("50000", "50,000") is
// grouped by commas like every other amount, anything else ("HK$50000", "about 5000") is shown
// as it was typed.
QString overseasAmountText(const QString& typed);

} // namespace printedtext
