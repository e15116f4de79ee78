#pragma once

#include "core/records/return_check.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The list of the whole return's problems (object name "fProblems"): one line per problem with
// the record's sheet number, surname and other names, the page, the field as the editor labels it
// and the problem, sortable by any of them, the count in the title. Enter or a double-click on a
// line asks for that record, page and field. Check again, Print, Save as CSV and Close (or Esc)
// sit below the list.
class ProblemListWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProblemListWindow(QWidget* parent = nullptr);

    void showProblems(const QList<ReturnProblem>& problems);
    const QList<ReturnProblem>& problems() const { return m_problems; }
    // The problems in the order the list shows them now, as the user sorted it.
    QList<ReturnProblem> problemsAsListed() const;
    int problemCount() const { return static_cast<int>(m_problems.size()); }
    QTreeWidget* list() const { return m_list; }

signals:
    void problemChosen(const ReturnProblem& problem);
    void checkAgainRequested();
    void printRequested();
    void saveAsCsvRequested();

private:
    QWidget* buildButtons();
    void choose(QTreeWidgetItem* item);

    QLabel* m_summary;
    QTreeWidget* m_list;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QList<ReturnProblem> m_problems;
};
