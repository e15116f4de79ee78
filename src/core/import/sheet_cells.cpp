#include "core/import/sheet_cells.h"

#include "core/common/columns.h"
#include "core/records/editor_fields.h"

csv::Record withDateParts(const csv::Record& record, const ImportColumns& columns) {
    if (record.dates.isEmpty())
        return record;
    csv::Record parted = record;
    for (const EditorField& field : editorFields()) {
        if (field.rule != RuleKind::DatePart)
            continue;
        const int column = columnIndex(employeeColumns(), QLatin1String(field.column));
        const int at = columns.fieldOfColumn.value(column, -1);
        if (at < 0 || at >= parted.dates.size() || parted.dates.at(at).isNull())
            continue;
        static const QString partFormats[] = {QStringLiteral("dd"), QStringLiteral("MM"),
                                              QStringLiteral("yyyy")};
        parted.fields[at] = parted.dates.at(at).toString(partFormats[field.element % 3]);
    }
    return parted;
}
