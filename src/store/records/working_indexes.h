#pragma once

class Database;

// The working database's own indexes: by ID, and by surname and other names (case ignored) for
// the real records, in the editor's list order, with their type, sheet number and identity
// number. They serve the editor's per-record commands and its record list, and are never copied
// into the submission, which makes its tables afresh. Adds those that are missing, and makes
// again one an earlier version made with fewer columns, in one transaction; a database that has
// them is not written at all.
void addWorkingIndexes(Database& db);
