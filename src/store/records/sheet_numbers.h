#pragma once

#include "store/common/database.h"

// Gives every original record ("O") its sheet number: 1, 2, 3... in name order (surname, then
// other names, without regard to case). Replacement and supplementary records keep the numbers
// the user typed and do not advance the count; the placeholder row takes no part. One
// transaction: either every original record is numbered or, on an engine error, none is.
// Returns the number of original records.
int numberOriginalRecords(Database& db);
