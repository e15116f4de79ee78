#pragma once

#include "core/records/return_check.h"

#include <QWidget>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The list of the whole return's problems (object name "fProblems"): one line per problem with
// the record's ID, names, page, field and message, sortable by any of them, the count in the
// title. Enter or a double-click on a line asks for that record, page and field.
class ProblemListWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProblemListWindow(QWidget* parent = nullptr);

    void showProblems(const QList<ReturnProblem>& problems);
    int problemCount() const { return static_cast<int>(m_problems.size()); }
    QTreeWidget* list() const { return m_list; }

signals:
    void problemChosen(const ReturnProblem& problem);

private:
    void choose(QTreeWidgetItem* item);

    QLabel* m_summary;
    QTreeWidget* m_list;
    QList<ReturnProblem> m_problems;
};
