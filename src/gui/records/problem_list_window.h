#pragma once

#include "core/validation/report_format.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The list of the whole return's problems (object name "fProblems"): one line per problem with
// its severity (an icon and a word), code, the record, the page, the field as the editor labels
// it, the value, the problem and how to fix it, sortable by any of them and filtered by severity,
// the counts in the title. Enter or a double-click on a line asks for that record, page and field.
// The control totals stand below the list; Check again, Print, Save as CSV and Close (or Esc)
// below them.
class ProblemListWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProblemListWindow(QWidget* parent = nullptr);

    void showReport(const validation::ReturnReport& report,
                    const validation::ReportHeading& heading);
    // Sets the filter to one severity, or to all problems.
    void showOnly(std::optional<validation::Severity> severity);
    const validation::ReturnReport& report() const { return m_report; }
    const validation::ReportHeading& heading() const { return m_heading; }
    const QList<ReturnProblem>& problems() const { return m_problems; }
    // The problems the list shows now, in its order: as the user sorted and filtered it.
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
    QWidget* buildFilter();
    void choose(QTreeWidgetItem* item);
    void applyFilter();
    void showTotals();

    QLabel* m_summary;
    QTreeWidget* m_list;
    QComboBox* m_filter = nullptr;
    QTreeWidget* m_totals = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QList<ReturnProblem> m_problems;
    validation::ReturnReport m_report;
    validation::ReportHeading m_heading;
};
