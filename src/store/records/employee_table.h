#pragma once

#include <QString>

class Database;

// A confirmed change of the return year, all or nothing: pages 2 to 4 (the columns of
// yearDependentColumns()) of every employee row, the placeholder row included, are set to no
// value, and the employer row at `employerRowId` takes the new year, in one transaction. So a
// run that ends before the employer screen's Continue never leaves the records cleared under
// the old year. Page 1, ID, Status and SheetNo keep their values.
void changeReturnYear(Database& db, qint64 employerRowId, const QString& newYear);
