#pragma once

class Database;

// Sets pages 2 to 4 (the columns of yearDependentColumns()) of every employee row to no value,
// the placeholder row included, all or nothing. Page 1, ID, Status and SheetNo keep their values.
void clearYearDependentColumns(Database& db);
