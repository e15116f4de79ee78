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
#include "store/archive/last_year_return.h"
#include "store/import/record_transfer.h"
#include "store/records/record_set.h"
#include "store/records/whole_return.h"
#include "store/startup/run_state.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>

namespace {

// Shows the record with this identifier; false when an edit is pending (a beep), when it is
// gone (the user told) or when the search fails (its error shown).
bool showRecordWithId(RecordEditor& editor, qint64 id) {
    bool shown = false;
    runReportingErrors([&] {
        shown =
            editor.showFoundRecord([id](RecordSet& records) { return records.findFirstById(id); });
        if (!shown && editor.commandState() == CommandState::Browsing)
            showInformation(QObject::tr("The record with ID %1 is no longer in the list.").arg(id));
    });
    return shown && editor.records().value(QStringLiteral("ID")).toLongLong() == id;
}

// Shows the record on the problem's page with the focus in its field; a pending edit is finished
// with Update or Cancel first.
void goToProblem(RecordEditor& editor, const ReturnProblem& problem) {
    if (!problem.record) {
        // A comparison with last year's return names no record of this one.
        showInformation(problem.column.isEmpty()
                            ? problem.message + u' ' + validation::fixOf(problem.code)
                            : QObject::tr("This problem is in the employer's common data, "
                                          "which the employer screen edits."));
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
        std::make_shared<ProblemListReport>(window.windowTitle(), window.heading(),
                                            window.problemsAsListed(), window.report()),
        pdfname::problemListFileName(editor.employer().returnYear),
        [&editor](const QString& path, int pages) { reportSavedPdf(editor, path, pages); });
}

void saveProblems(RecordEditor& editor, const ProblemListWindow& window) {
    const QString name =
        QFileInfo(pdfname::problemListFileName(editor.employer().returnYear)).completeBaseName() +
        QStringLiteral(".csv");
    const QString path = platform::services().chooseSaveFile(
        QObject::tr("Save as CSV"), QDir(platform::services().documentsFolder()).filePath(name),
        QObject::tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    const QList<QStringList> rows =
        validation::csvRows(window.heading(), window.report(), window.problemsAsListed());
    if (runReportingErrors([&] { exportTable(path, rows.first(), rows.mid(1)); }))
        editor.reportResult(
            QObject::tr("Problem list saved to %1.").arg(QDir::toNativeSeparators(path)),
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

// The whole return checked, with last year's saved return when the archive holds it; none when
// the check fails (its error shown).
std::optional<validation::ReturnReport> checkReturn(RecordEditor& editor) {
    platform::WaitCursor hourglass;
    std::optional<validation::ReturnReport> report;
    RunState& state = editor.runState();
    runReportingErrors([&] {
        report = validateWholeReturn(
            state.db(),
            archive::lastYearReturn(state.programFolder, editor.employer(), state.loginPassword));
    });
    return report;
}

// The window lives as the editor's child and is made once.
void showReport(RecordEditor& editor, const validation::ReturnReport& report,
                std::optional<validation::Severity> only = std::nullopt) {
    auto* window = editor.findChild<ProblemListWindow*>();
    if (!window)
        window = makeProblemList(editor);
    window->showReport(
        report, validation::headingOf(editor.employer(), report, platform::services().now()));
    window->showOnly(only);
    editor.reportResult(window->windowTitle() + u'.');
    widgets::showInFront(window);
}

} // namespace

void showReturnProblems(RecordEditor& editor) {
    if (const auto report = checkReturn(editor))
        showReport(editor, *report);
}

bool checkBeforeSave(RecordEditor& editor) {
    const std::optional<validation::ReturnReport> report = checkReturn(editor);
    if (!report)
        return false;
    // An original record the save leaves out is told by the save's own message after the build.
    if (const int errors = report->errorsStoppingSave(); errors > 0) {
        showError((errors == 1 ? QObject::tr("The return has 1 error")
                               : QObject::tr("The return has %1 errors").arg(errors)) +
                  QObject::tr(" and cannot be saved as it is. Correct the records in the list, "
                              "then save again."));
        showReport(editor, *report, validation::Severity::Error);
        return false;
    }
    const int warnings = report->count(validation::Severity::Warning);
    if (warnings == 0)
        return true;
    if (!confirm((warnings == 1
                      ? QObject::tr("The check of the return found 1 warning.")
                      : QObject::tr("The check of the return found %1 warnings.").arg(warnings)) +
                 QStringLiteral("  ") + QObject::tr("Do you want to see them?")))
        return true;
    showReport(editor, *report, validation::Severity::Warning);
    return false;
}

void linkChecking(RecordEditor& editor) {
    QObject::connect(&editor.commands(), &CommandBar::checkAllPressed, &editor,
                     [&editor] { showReturnProblems(editor); });
}
