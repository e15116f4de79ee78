#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>

// Text, number and date routines shared by every screen. They keep no state.

// True when the DDMMYYYY text does not name a real day of the Gregorian calendar.
bool IsInvalidDate(const QString& ddmmyyyy);

// Value of an amount text with thousands separators; a null value or an empty text is 0.
// Throws std::invalid_argument for a text that is not a 32-bit whole number.
std::int32_t AmountToLong(const QVariant& amount);

// Number of characters of the text that are not commas.
qsizetype LenWithoutCommas(const QString& text);

// Digits grouped by commas ("1,234,567"); leading zeros dropped; an empty text stays empty.
QString FormatAmount(const QString& text);

// Groups the digits of a whole number by commas, whatever the user's locale says.
QString groupDigits(long long value);
