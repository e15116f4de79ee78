#pragma once

#include "core/records/field_view.h"

#include <QString>
#include <array>
#include <optional>

// The four page checks that the record editor's Update command runs before it saves. They read
// the record's field texts by column name ("Surname", "EDay1", "QFlag", ...); a missing column
// reads as an empty text. The screen applies the verdict: it shows the page, shows the message in
// the error box, empties the field when asked and puts the focus on it. The check of the whole
// return runs the same checks on rows read from the table.

// The field's text; an empty text when the record has no such column.
const QString& fieldText(FieldView fields, const char* column);

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

std::optional<PageFailure> checkIdentityPage(FieldView fields);
// returnYear is the four-digit year Y ending on 31 March; the period must lie within
// 1 April Y-1 to 31 March Y.
std::optional<PageFailure> checkIncomePage(FieldView fields, const QString& returnYear);
std::optional<PageFailure> checkResidencePage(FieldView fields);
std::optional<PageFailure> checkOverseasPage(FieldView fields);

// The visible page is checked first, so the first message is about the page the user is on;
// then the others in page order.
std::array<int, 4> checkOrder(int visiblePage);

// Runs the four checks in the order for the visible page; the first failure stops them.
std::optional<PageFailure> checkRecord(FieldView fields, const QString& returnYear,
                                       int visiblePage);
