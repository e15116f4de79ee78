#pragma once

#include "core/records/return_check.h"

class Database;

// Every problem of the working database's return: the employer row and every real record, read
// one at a time in the order they were written. Reads only.
QList<ReturnProblem> checkWholeReturn(Database& db);
