#pragma once

#include "core/records/page_checks.h"

#include <QHash>
#include <QList>

class FieldEdit;
class QWidget;

// The record editor's bound fields, made from the field table: the one path that shows a
// record's texts in them and the one that reads them back for the save.
class FieldBinder {
public:
    // The table's field for a control (and element of a control array): its object name, its
    // character limit and spoken name, bound to its column.
    FieldEdit* create(QWidget* parent, const char* control, int element = -1);

    // The field bound to a column (names compare without regard to case), or null.
    FieldEdit* field(const QString& column) const;
    // An element of a control array, or a single control with element -1.
    FieldEdit* element(const char* control, int element = -1) const;
    // Every element of a control array, in element order.
    QList<FieldEdit*> elements(const char* control) const;

    // Every bound field takes its column's text; a column without text shows empty.
    void show(const FieldTexts& texts) const;
    // Only the fields named take their texts.
    void showChanged(const FieldTexts& texts) const;
    // Every bound field's text, keyed by its column's name.
    FieldTexts texts() const;

private:
    QHash<QString, FieldEdit*> m_bound; // by lower-case column name
};
