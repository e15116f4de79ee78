#pragma once

#include "core/employer/employer_data.h"
#include "core/validation/return_validator.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

// The check's report in the forms it is read in: a table of texts (the problem list, its CSV
// file and its printed pages), plain text for a terminal, CSV and JSON. Each is headed by the
// employer, the file number, the year, the date of the check and the counts by severity, and
// ends with the control totals.
namespace validation {

struct ReportHeading {
    QString employerName;
    QString fileNumber; // 6A1-12345678
    QString returnYear;
    QString checkedAt; // DD/MM/YYYY HH:MM
    int errors = 0;
    int warnings = 0;
    int hints = 0;
};

ReportHeading headingOf(const EmployerData& employer, const ReturnReport& report,
                        const QDateTime& checkedAt);
// "2 errors, 1 warning, no hint"
QString countsText(const ReportHeading& heading);

// One row a problem: severity, code, the record (sheet number, type, surname, other names,
// identity number), the page, the field by its label, the value found, the message and the fix.
QStringList problemHeader();
QStringList problemRow(const ReturnProblem& problem);
inline constexpr int severityColumn = 0;
inline constexpr int codeColumn = 1;
inline constexpr int sheetColumn = 2;
inline constexpr int pageColumn = 7;
inline constexpr int problemColumn = 10;

// The control totals as rows: category, what it is, this year's total and, when last year's
// return is known, last year's and the change; the record count and all income last.
QStringList totalsHeader(const ReturnReport& report);
QList<QStringList> totalsRows(const ReturnReport& report);

// The whole report as CSV rows: the heading, a blank row, the problems, a blank row, the totals.
QList<QStringList> csvRows(const ReportHeading& heading, const ReturnReport& report,
                           const QList<ReturnProblem>& problems);
// For a terminal or a pipe: each line ends with a line feed.
QString csvText(const QList<QStringList>& rows);
QString plainText(const ReportHeading& heading, const ReturnReport& report);
QByteArray jsonText(const ReportHeading& heading, const ReturnReport& report);

} // namespace validation
