#pragma once

#include <QHash>
#include <QString>
#include <array>
#include <optional>

// The four page checks that the record editor's Update command runs before it saves. They read
// the record's field texts keyed by column name ("Surname", "EDay1", "QFlag", ...); a missing key
// reads as an empty text. The screen applies the verdict: it shows the page, shows the message in
// the error box, empties the field when asked and puts the focus on it.
using FieldTexts = QHash<QString, QString>;

// The key of a column named by a literal, made once per name: checks of many records look up
// the same few dozen columns again and again.
const QString& columnKey(const char* column);
// The field's text; an empty text when the record has no such key.
QString fieldText(const FieldTexts& fields, const char* column);

struct PageFailure {
    int page;             // 1 to 4
    QString message;      // the error box text
    QString focusColumn;  // column of the field that gets the focus
    bool clearFocusField; // an unusable date: its year is emptied before the focus goes there
    bool operator==(const PageFailure&) const = default;
};

// Check 1 first upper-cases the surname and both identity numbers. Returns only the texts that
// this changes, so the screen can write them back into its fields before saving.
FieldTexts upperCasedNames(const FieldTexts& fields);

std::optional<PageFailure> checkIdentityPage(const FieldTexts& fields);
// returnYear is the four-digit year Y ending on 31 March; the period must lie within
// 1 April Y-1 to 31 March Y.
std::optional<PageFailure> checkIncomePage(const FieldTexts& fields, const QString& returnYear);
std::optional<PageFailure> checkResidencePage(const FieldTexts& fields);
std::optional<PageFailure> checkOverseasPage(const FieldTexts& fields);

// The visible page is checked first, so the first message is about the page the user is on;
// then the others in page order.
std::array<int, 4> checkOrder(int visiblePage);

// Runs the four checks in the order for the visible page; the first failure stops them.
std::optional<PageFailure> checkRecord(const FieldTexts& fields, const QString& returnYear,
                                       int visiblePage);
