#pragma once

#include "core/common/column_values.h"

#include <QString>

// The employer's common data, the one row of the employer table: what the employer screen shows
// and saves, and what the record editor and the save read (the return year, the file number).
struct EmployerData {
    QString version;
    QString returnYear;
    QString section;    // the letter of the file number
    QString fileNumber; // eight digits, the last a check digit
    QString name;
    QString designation;
    QString submissionDate; // DDMMYYYY

    // From a row of employerColumns(); a column without a value gives an empty text.
    static EmployerData fromRow(const RowValues& row);
    // A row of employerColumns(); an empty text is stored as no value.
    RowValues toRow() const;
};
