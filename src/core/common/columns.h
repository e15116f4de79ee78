#pragma once

#include <QString>
#include <span>

// The one description of both tables: it drives the schema, the checks of every written value,
// the copying of rows and the text image.
enum class ColumnType { Text, Long, Byte };

struct ColumnDef {
    const char* name;
    ColumnType type;
    int width; // bytes in the legacy code page, for text columns
    bool emptyAllowed;
};

using Columns = std::span<const ColumnDef>;

Columns employerColumns();
Columns employeeColumns();

// Position of a column by name, compared without regard to case; -1 when there is none.
int columnIndex(Columns columns, const QString& name);
const ColumnDef& column(Columns columns, const QString& name);

namespace table {
inline constexpr const char* employer = "employer";
inline constexpr const char* employee = "employee";
} // namespace table

// The employee columns of pages 2 to 4 of the record editor, which a change of return year clears.
Columns yearDependentColumns();
