#pragma once

#include "core/import/record_import.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

// The dry run of an import (object name "fImportDryRun"): the columns of the file that are not
// known or missing, every problem of every row, the counts, and the choice of importing all rows
// that can be stored, only the rows without problems, or nothing.
class ImportDryRunWindow : public QDialog {
    Q_OBJECT
public:
    ImportDryRunWindow(const ImportPlan& plan, const QString& fileName, QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }

signals:
    void chosen(ImportChoice choice);

private:
    void choose(ImportChoice choice);

    QTreeWidget* m_list;
    QPushButton* m_allRows;
    QPushButton* m_rowsWithoutProblems;
    QPushButton* m_nothing;
};
