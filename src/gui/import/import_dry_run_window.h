#pragma once

#include "core/import/record_updates.h"

#include <QDialog>

class ImportChangesModel;
class QCheckBox;
class QLabel;
class QPushButton;
class QTreeView;
class QTreeWidget;

// The dry run of an import (object name "fImportDryRun"): the columns of the file that are not
// known or missing, every problem of every row, what would change (new records, and each field
// of an original record that a row would update, before and after), the counts, and the choice
// of importing all rows that can be stored, only the rows without problems, or nothing, of which
// kinds (new records, updates), and whether empty cells clear the fields they update.
class ImportDryRunWindow : public QDialog {
    Q_OBJECT
public:
    ImportDryRunWindow(const ImportPlan& plan, const QString& fileName, QWidget* parent = nullptr);

    // Shows another dry run of the same file, as after "empty cells clear fields" is changed.
    void showPlan(const ImportPlan& plan);
    // Ticks "empty cells clear fields" as the plan shown was made, without planning again.
    void showEmptyCellsClear(bool clear);

    QTreeWidget* list() const { return m_list; }
    QTreeView* changes() const { return m_changes; }
    ImportKinds kinds() const;

signals:
    void chosen(ImportChoice choice, ImportKinds kinds);
    void emptyCellsClearChanged(bool clear);
    // The user wants to choose again which field each column of the file goes to.
    void mappingAsked();

private:
    void addChoices(class QVBoxLayout* layout);
    void enableChoices();
    void choose(ImportChoice choice);

    ImportPlan m_plan;
    QString m_fileName;
    QLabel* m_told;
    QTreeWidget* m_list;
    QTreeView* m_changes;
    ImportChangesModel* m_changesModel;
    QCheckBox* m_addNew;
    QCheckBox* m_updateMatching;
    QCheckBox* m_emptyCellsClear;
    QPushButton* m_allRows;
    QPushButton* m_rowsWithoutProblems;
    QPushButton* m_nothing;
    QPushButton* m_mapping;
};
