#pragma once

#include "core/validation/return_validator.h"

class Database;

// Every problem of the working database's return: the employer row and every real record, read
// one at a time in the order they were written, with the control totals of the originals the
// save carries and, given last year's saved return, the comparison with it. Reads only.
validation::ReturnReport
validateWholeReturn(Database& db,
                    std::optional<validation::LastYearReturn> lastYear = std::nullopt);

// The problems alone.
QList<ReturnProblem> checkWholeReturn(Database& db);
