#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The checks of the employer's common data. A refusal is the message the user is shown; nothing
// means the text is acceptable.

// The keys the year, file number and date fields take: the digits and Backspace.
bool digitOrBackspace(char32_t key);

// A year is left empty (Continue asks for it), or is a number of four characters after 1996.
std::optional<QString> returnYearRefusal(const QString& year);

// Changing a year that was already entered clears pages 2 to 4 of every record, so it is asked.
bool yearChangeNeedsConsent(const QString& rememberedYear, const QString& year);
QString yearChangeQuestion();

// The section letter of the file number: empty, or one letter from A to Z in either case.
std::optional<QString> sectionRefusal(const QString& section);

// The number part of the file number, written with at least eight digits (the form the field
// shows afterwards), and the refusal when it is zero, not a number or fails its check digit.
struct FileNumberVerdict {
    QString text;
    std::optional<QString> refusal;
};
FileNumberVerdict checkFileNumber(const QString& fileNumber);

// The file number as the authority writes it: the fixed "6", the section letter, the fixed "1-"
// and the eight digits (6A1-00000123); empty while neither part has been entered.
QString wholeFileNumber(const QString& section, const QString& digits);

// The eighth digit is (8·d1 + d2 + 2·d3 + 3·d4 + 6·d5 + 7·d6 + 8·d7) modulo 10.
bool hasValidCheckDigit(const QString& eightDigits);

// A DDMMYYYY date no earlier than 31 March of the return year; an empty date is too early.
std::optional<QString> submissionDateRefusal(const QString& date, const QString& year);

// Position of the first text that is empty once spaces are trimmed, or -1 when none is.
int firstBlank(const QStringList& texts);

inline const QString missingDataMessage =
    QStringLiteral("Please enter all common data before continue to next screen.");
