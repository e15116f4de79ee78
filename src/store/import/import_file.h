#pragma once

#include "core/import/record_import.h"

#include <QStringList>

// The file an import reads, by its name: an .xlsx or .ods workbook (one of its sheets), or
// otherwise a CSV text. Each is checked for being what its name says before it is parsed.

// The names of the workbook's sheets in their order; empty for a CSV file.
QStringList importSheets(const QString& path);

// The dry run of the file against the employer and the known identity numbers; `sheet` names
// the workbook's sheet to read, the first when empty.
ImportPlan planFileImport(const QString& path, const QString& sheet, const EmployerData& employer,
                          const QHash<QString, qint64>& knownIdentities,
                          const ImportSettings& settings = {});
