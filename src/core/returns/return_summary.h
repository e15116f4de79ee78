#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

// What the list of returns shows of one return, kept in a small file in its folder so that the
// list never has to derive a key or open a database.
struct ReturnSummary {
    QString employerName;
    QString section;    // the letter of the file number
    QString fileNumber; // its eight digits
    QString returnYear;
    qint64 recordCount = 0;
    QDateTime lastChange;
    QDateTime lastSave; // invalid while the return was never saved to a medium
};

// The layout of the file; a file of another layout reads as unreadable.
inline constexpr int summaryLayout = 1;

QByteArray summaryText(const ReturnSummary& summary);
// Nothing when the text is not a summary of this layout.
std::optional<ReturnSummary> summaryFromText(const QByteArray& text);

// The return as the windows name it after their captions: " — ACME TRADING LTD, 2024"; the
// parts that are not known are left out, and nothing at all when neither is.
QString returnCaption(const QString& employerName, const QString& returnYear);

// How a return stands in the list: ready to open, or why its row shows less or cannot be opened.
enum class ReturnCondition {
    Ready,
    OpenHere,  // the return this copy of the program has open
    InUse,     // held by another copy of the program
    Damaged,   // its database is missing or cut short, or its summary cannot be read
    NoSummary, // no run of this version has ended in it yet
};
// The word the list shows for the condition; empty for a return that is ready.
QString conditionWord(ReturnCondition condition);
