#pragma once

#include "core/import/csv.h"
#include "core/import/record_import.h"

// A spreadsheet's date cell is a whole date; the day, month and year columns each hold a part.
// The record with each date that stands in such a column replaced by its part (two-digit day
// and month, four-digit year); a date elsewhere keeps its DD/MM/YYYY text.
csv::Record withDateParts(const csv::Record& record, const ImportColumns& columns);
