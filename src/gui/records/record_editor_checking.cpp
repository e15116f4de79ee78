// The editor's "Check all records" command: every record through the editor's rules, the list of
// problems, and the way from a problem to its record, page and field.
#include "gui/records/record_editor.h"

#include "core/platform/services.h"
#include "gui/common/message_boxes.h"
#include "gui/platform/desktop_services.h"
#include "gui/records/problem_list_window.h"
#include "gui/widgets/field_edit.h"
#include "gui/widgets/widgets.h"
#include "store/records/whole_return.h"
#include "store/startup/run_state.h"

#include <QGridLayout>
#include <QPushButton>

void RecordEditor::addReturnCommands(QWidget* box, QGridLayout* grid, int row) {
    m_checkAllButton = widgets::button(box, "cCheckAll", QStringLiteral("Chec&k all records"));
    m_importButton = widgets::button(box, "cImport", QStringLiteral("&Import..."));
    m_exportButton = widgets::button(box, "cExport", QStringLiteral("&Export..."));
    m_exportTemplateButton =
        widgets::button(box, "cExportTemplate", QStringLiteral("Export te&mplate..."));
    const std::array<QPushButton*, 4> commands{m_checkAllButton, m_importButton, m_exportButton,
                                               m_exportTemplateButton};
    for (int i = 0; i < 4; ++i) {
        commands[i]->setAccessibleName(widgets::spokenText(commands[i]->text()));
        grid->addWidget(commands[i], row, i);
    }
    connect(m_checkAllButton, &QPushButton::clicked, this, &RecordEditor::showReturnProblems);
    connect(m_importButton, &QPushButton::clicked, this, &RecordEditor::importFromFile);
    connect(m_exportButton, &QPushButton::clicked, this, &RecordEditor::exportToFile);
    connect(m_exportTemplateButton, &QPushButton::clicked, this,
            &RecordEditor::exportTemplateToFile);
}

void RecordEditor::showReturnProblems() {
    QList<ReturnProblem> problems;
    {
        platform::WaitCursor hourglass;
        if (!runReportingErrors([&] { problems = checkWholeReturn(m_state.db()); }))
            return;
    }
    if (!m_problemList) {
        m_problemList = new ProblemListWindow(this);
        connect(m_problemList, &ProblemListWindow::problemChosen, this, &RecordEditor::goToProblem);
    }
    m_problemList->showProblems(problems);
    m_problemList->show();
    m_problemList->raise();
    m_problemList->activateWindow();
}

// Shows the record on the problem's page with the focus in its field; a pending edit is finished
// with Update or Cancel first.
void RecordEditor::goToProblem(const ReturnProblem& problem) {
    if (!problem.record) {
        showInformation(QStringLiteral("This problem is in the employer's common data, which the "
                                       "employer screen edits."));
        return;
    }
    if (m_commandState != CommandState::Browsing) {
        platform::services().beep();
        return;
    }
    const bool found = runReportingErrors([&] {
        if (m_records.findFirstById(*problem.record))
            showCurrentRow();
        else
            showInformation(QStringLiteral("The record with ID %1 is no longer in the list.")
                                .arg(*problem.record));
    });
    if (!found || m_records.value(QStringLiteral("ID")).toLongLong() != *problem.record)
        return;
    activateWindow();
    if (problem.page > 0)
        showPage(problem.page);
    if (FieldEdit* target = field(problem.column); target && target->isVisibleTo(this))
        target->setFocus();
}
