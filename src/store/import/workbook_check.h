#pragma once

#include <QMap>
#include <QString>

// Reads a written workbook back from the disk before it takes its name: a workbook is a zip
// archive, and a half-written or damaged one is refused here rather than found by the user.
namespace workbookcheck {

// Every entry of the archive's directory is read and inflated whole and must give the size and
// checksum the directory states. Returns the number of rows of each worksheet, by the entry's
// name ("xl/worksheets/sheet1.xml"). Raises an EngineError that says what is wrong.
QMap<QString, int> worksheetRows(const QString& path);

} // namespace workbookcheck
