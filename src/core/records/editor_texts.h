#pragma once

#include "core/employer/employer_data.h"
#include "core/records/command_state.h"
#include "core/records/editor_fields.h"

#include <QString>

// What the record editor's title and status bar say, and the words of its command results.
namespace editortexts {

// "XW73D 3.4 — ACME LIMITED, 2001": the program and its version first, then the employer and
// the return year when they are known, as every window names the return.
QString windowTitle(const QString& programCaption, const EmployerData& employer);
// "ACME LIMITED   6A1-12345678   Return year 2001", leaving out what is not known.
QString employerLine(const EmployerData& employer);
// "Record 12 of 3,000" for the shown row of the record control; "New record" while one is
// entered; "No record" when the control stands past its rows.
QString recordPosition(CommandState state, int position, int count);

// "CHAN, TAI MAN", or the surname alone.
QString personName(const QString& surname, const QString& otherNames);
// "Record of CHAN, TAI MAN saved."
QString recordSaved(const QString& surname, const QString& otherNames);
QString recordDeleted(const QString& surname, const QString& otherNames);
// "1 record", "1,234 records".
QString recordCount(int count);
// "1,234 original records numbered."
QString recordsNumbered(int count);
// The confirmation's own words, then the record they are about: its names and identity number
// ("A123456(3)") when it has one.
QString deleteQuestion(const QString& question, const QString& surname, const QString& otherNames,
                       const QString& identityNumber, const QString& checkDigit);

// The format an empty field shows in grey: "YYYYMMDD - YYYYMMDD" in a period, "DD", "MM" and
// "YYYY" in the parts of a date; empty for any other field.
QString formatHint(const EditorField& field);

} // namespace editortexts
