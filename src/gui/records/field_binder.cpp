#include "gui/records/field_binder.h"

#include "core/common/columns.h"
#include "core/records/editor_fields.h"
#include "core/records/editor_texts.h"
#include "gui/widgets/field_edit.h"

#include <QCoreApplication>

FieldEdit* FieldBinder::create(QWidget* parent, const char* control, int element) {
    const EditorField* entry = findField(QLatin1String(control), element);
    Q_ASSERT(entry);
    const QString name = element < 0
                             ? QLatin1String(control)
                             : QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(element);
    auto* edit = new FieldEdit(parent);
    edit->setObjectName(name);
    if (entry->limit > 0)
        edit->setMaxLength(entry->limit);
    edit->setAccessibleName(QCoreApplication::translate("FieldName", entry->accessibleName));
    edit->setPlaceholderText(editortexts::formatHint(*entry));
    m_bound.insert(QString::fromLatin1(entry->column).toLower(), edit);
    return edit;
}

FieldEdit* FieldBinder::field(const QString& column) const {
    return m_bound.value(column.toLower(), nullptr);
}

FieldEdit* FieldBinder::element(const char* control, int element) const {
    const EditorField* entry = findField(QLatin1String(control), element);
    return entry ? field(QLatin1String(entry->column)) : nullptr;
}

QList<FieldEdit*> FieldBinder::elements(const char* control) const {
    QList<FieldEdit*> found;
    for (const EditorField& entry : editorFields())
        if (qstrcmp(entry.control, control) == 0)
            found << field(QLatin1String(entry.column));
    return found;
}

void FieldBinder::show(const FieldTexts& texts) const {
    for (const ColumnDef& def : employeeColumns())
        if (FieldEdit* edit = field(QLatin1String(def.name)))
            edit->setText(texts.value(QLatin1String(def.name)));
}

void FieldBinder::showChanged(const FieldTexts& texts) const {
    for (const auto& [column, text] : texts.asKeyValueRange())
        if (FieldEdit* edit = field(column))
            edit->setText(text);
}

FieldTexts FieldBinder::texts() const {
    FieldTexts texts;
    for (const ColumnDef& def : employeeColumns())
        if (const FieldEdit* edit = field(QLatin1String(def.name)))
            texts.insert(QLatin1String(def.name), edit->text());
    return texts;
}
