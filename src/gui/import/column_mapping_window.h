#pragma once

#include "core/import/column_mapping.h"

#include <QDialog>

class QComboBox;
class QTableWidget;

// Which field each column of a file goes to (object name "fImportMapping"), asked when the
// file's header names columns the program does not know: one line per column of the file with
// its header and a choice of every field an import fills, or none, the program's proposal
// chosen at first. Two columns on one field are refused.
class ColumnMappingWindow : public QDialog {
    Q_OBJECT
public:
    ColumnMappingWindow(const ColumnMapping& proposal, const QString& fileName,
                        QWidget* parent = nullptr);

    // The choice for the file's column at this position.
    QComboBox* fieldChoice(int fileColumn) const { return m_choices.value(fileColumn); }
    ColumnMapping mapping() const;

signals:
    void mapped(const ColumnMapping& mapping);

private:
    QComboBox* choiceFor(int proposedColumn);
    void useMapping();

    QStringList m_header;
    QTableWidget* m_table;
    QList<QComboBox*> m_choices;
};
