#include "core/records/column_labels.h"

#include "core/records/editor_fields.h"

#include <QCoreApplication>

QString columnLabel(const QString& column) {
    const EditorField* field = fieldForColumn(column);
    return field ? QString::fromUtf8(field->accessibleName) : column;
}

QString columnLabelShown(const QString& column) {
    const EditorField* field = fieldForColumn(column);
    return field ? QCoreApplication::translate("FieldName", field->accessibleName) : column;
}

QStringList employeeColumnLabels() {
    QStringList labels;
    for (const ColumnDef& column : employeeColumns())
        labels << columnLabel(QLatin1String(column.name));
    return labels;
}

int columnForHeader(const QString& header) {
    const QString name = header.trimmed();
    const int byName = columnIndex(employeeColumns(), name);
    if (byName >= 0)
        return byName;
    for (const EditorField& field : editorFields())
        if (name.compare(QString::fromUtf8(field.accessibleName), Qt::CaseInsensitive) == 0)
            return columnIndex(employeeColumns(), QLatin1String(field.column));
    return -1;
}
