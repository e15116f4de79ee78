#pragma once

#include <QString>

// Shape check of an H.K. Identity Card number: one or two letters followed by six numeric
// characters. The check character is never computed or compared with the number.

// True when the upper-cased text lies between "A" and "Z" in code-unit order. For one character
// this is a plain letter test; an empty text is no letter.
bool IsLetter(const QString& value);

// True for the shapes letter + six numeric characters and two letters + six numeric characters.
// The text must already be trimmed and upper-cased; callers do not pass an empty text.
bool IsValidIdentityNumber(const QString& text);

// The general number test: an optional sign, digits with an optional decimal point, and an
// optional exponent ("E" or "e", optional sign, digits). No surrounding blanks.
bool isNumeric(const QString& text);
