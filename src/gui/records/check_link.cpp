#include "gui/records/command_links.h"

#include "core/platform/printing.h"
#include "core/platform/services.h"
#include "core/records/problem_table.h"
#include "core/reports/pdf_names.h"
#include "gui/common/message_boxes.h"
#include "gui/platform/desktop_services.h"
#include "gui/records/command_bar.h"
#include "gui/records/problem_list_window.h"
#include "gui/records/record_editor.h"
#include "gui/widgets/field_edit.h"
#include "gui/widgets/widgets.h"
#include "store/import/record_transfer.h"
#include "store/records/record_set.h"
#include "store/records/whole_return.h"
#include "store/startup/run_state.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Shows the record with this identifier; false when an edit is pending (a beep), when it is
// gone (the user told) or when the search fails (its error shown).
bool showRecordWithId(RecordEditor& editor, qint64 id) {
    bool shown = false;
    runReportingErrors([&] {
        shown =
            editor.showFoundRecord([id](RecordSet& records) { return records.findFirstById(id); });
        if (!shown && editor.commandState() == CommandState::Browsing)
            showInformation(
                QStringLiteral("The record with ID %1 is no longer in the list.").arg(id));
    });
    return shown && editor.records().value(QStringLiteral("ID")).toLongLong() == id;
}

// Shows the record on the problem's page with the focus in its field; a pending edit is finished
// with Update or Cancel first.
void goToProblem(RecordEditor& editor, const ReturnProblem& problem) {
    if (!problem.record) {
        showInformation(QStringLiteral("This problem is in the employer's common data, which the "
                                       "employer screen edits."));
        return;
    }
    if (!showRecordWithId(editor, *problem.record))
        return;
    editor.activateWindow();
    if (problem.page > 0)
        editor.showPage(problem.page);
    if (FieldEdit* target = editor.field(problem.column); target && target->isVisibleTo(&editor))
        target->setFocus();
}

void printProblems(RecordEditor& editor, const ProblemListWindow& window) {
    platform::printing().showPreview(
        std::make_shared<ProblemListReport>(window.windowTitle(), window.problemsAsListed()),
        pdfname::problemListFileName(editor.employer().returnYear),
        [&editor](const QString& path, int pages) { reportSavedPdf(editor, path, pages); });
}

void saveProblems(RecordEditor& editor, const ProblemListWindow& window) {
    const QString name =
        QFileInfo(pdfname::problemListFileName(editor.employer().returnYear)).completeBaseName() +
        QStringLiteral(".csv");
    const QString path = platform::services().chooseSaveFile(
        QStringLiteral("Save as CSV"), QDir(platform::services().documentsFolder()).filePath(name),
        QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    QList<QStringList> rows;
    for (const ReturnProblem& problem : window.problemsAsListed())
        rows << problemtable::row(problem);
    if (runReportingErrors([&] { exportTable(path, problemtable::header(), rows); }))
        editor.reportResult(
            QStringLiteral("Problem list saved to %1.").arg(QDir::toNativeSeparators(path)),
            QFileInfo(path).absolutePath());
}

ProblemListWindow* makeProblemList(RecordEditor& editor) {
    auto* window = new ProblemListWindow(&editor);
    QObject::connect(window, &ProblemListWindow::problemChosen, &editor,
                     [&editor](const ReturnProblem& problem) { goToProblem(editor, problem); });
    QObject::connect(window, &ProblemListWindow::checkAgainRequested, &editor,
                     [&editor] { showReturnProblems(editor); });
    QObject::connect(window, &ProblemListWindow::printRequested, window,
                     [&editor, window] { printProblems(editor, *window); });
    QObject::connect(window, &ProblemListWindow::saveAsCsvRequested, window,
                     [&editor, window] { saveProblems(editor, *window); });
    return window;
}

} // namespace

// The window lives as the editor's child and is made once.
void showReturnProblems(RecordEditor& editor) {
    QList<ReturnProblem> problems;
    {
        platform::WaitCursor hourglass;
        if (!runReportingErrors([&] { problems = checkWholeReturn(editor.runState().db()); }))
            return;
    }
    auto* window = editor.findChild<ProblemListWindow*>();
    if (!window)
        window = makeProblemList(editor);
    window->showProblems(problems);
    editor.reportResult(window->windowTitle() + u'.');
    widgets::showInFront(window);
}

void linkChecking(RecordEditor& editor) {
    QObject::connect(&editor.commands(), &CommandBar::checkAllPressed, &editor,
                     [&editor] { showReturnProblems(editor); });
}
