#pragma once

#include "core/import/column_mapping.h"

// The column mappings the user has set for files of this return, kept beside its database so
// that the next file with the same header imports without asking again.

inline constexpr char keptMappingsFileName[] = "import-mappings.json";

// The mappings kept in the program folder; none when there is no such file. A file that cannot
// be read or is no list of mappings raises an EngineError that names it.
QList<ColumnMapping> keptMappings(const QString& folder);

// Keeps the mapping in the place of any earlier one for the same header. The file is written
// aside, readable by the user alone, read back and only then put in place.
void keepMapping(const QString& folder, const ColumnMapping& mapping);

// The mappings of a file the user names (xw73d import --mapping FILE).
QList<ColumnMapping> mappingsInFile(const QString& path);
