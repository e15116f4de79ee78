#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>

// Amount texts: whole dollars grouped by commas ("123,456,789"). The routines keep no state.

// Value of an amount text with thousands separators; a null value or an empty text is 0.
// Raises an EngineError for a text that is not a whole number (engine::TypeMismatch) or does
// not fit 32 bits (engine::Overflow).
std::int32_t amountToLong(const QVariant& amount);

// Number of characters of the text that are not commas.
qsizetype lenWithoutCommas(const QString& text);

// Digits grouped by commas ("1,234,567"); leading zeros dropped; an empty text stays empty.
QString formatAmount(const QString& text);

// Groups the digits of a whole number by commas, whatever the user's locale says.
QString groupDigits(long long value);
