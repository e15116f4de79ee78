#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Which employee column each column of a file fills, when the file's header is not made of the
// program's labels or column names: proposed by the program, confirmed or changed by the user,
// and kept with the return for the next file with the same header.

struct ColumnMapping {
    QStringList header;       // the file's header row as it stands
    QList<int> columnOfField; // for each column of the file, the employee column it fills, or -1
    bool operator==(const ColumnMapping&) const = default;
};

// A header cell reduced to what tells it apart: its letters and digits in lower case, so that
// "Employee Surname", "employee_surname" and "EMPLOYEE SURNAME:" read alike.
QString headerKey(const QString& header);

// The employee column a header cell most likely names: its label or column name as the import
// reads them, then the same without regard to spaces and punctuation, then a few words payroll
// files commonly use ("Last name", "HKID", "Salary"); -1 when nothing fits. ID and SheetNo are
// never proposed, as an import never fills them.
int proposedColumn(const QString& header);

// The proposal for a whole header: each column's likely field, a field going to the first
// column that names it only.
ColumnMapping proposedMapping(const QStringList& header);

// Why the mapping cannot be used (two columns of the file fill one field, named by its label),
// or nothing when it can.
std::optional<QString> mappingRefusal(const ColumnMapping& mapping);

// Whether the mapping was made for a file with this header: the same cells in the same order,
// without regard to case, spaces and punctuation.
bool mappingFits(const ColumnMapping& mapping, const QStringList& header);

// The mappings as JSON:
//   {"mappings": [{"columns": [{"header": "Last name", "field": "Surname"},
//                              {"header": "Notes", "field": null}]}]}
// Each field is an employee column's name (a label is read as well); null or "" fills none.
// A file holding one mapping alone, {"columns": [...]}, is read too. Raises an EngineError for a
// text that is no such JSON or that names a field no import fills.
QList<ColumnMapping> mappingsFromJson(const QByteArray& json);
QByteArray mappingsJson(const QList<ColumnMapping>& mappings);

// The first of the mappings made for this header, or nothing.
std::optional<ColumnMapping> mappingFor(const QList<ColumnMapping>& mappings,
                                        const QStringList& header);
// The mappings with this one in the place of any earlier one for the same header.
QList<ColumnMapping> withMapping(QList<ColumnMapping> mappings, const ColumnMapping& mapping);
