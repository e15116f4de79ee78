// An import always goes through its dry run first.
#include "gui/records/command_links.h"

#include "core/platform/services.h"
#include "core/records/editor_texts.h"
#include "gui/common/message_boxes.h"
#include "gui/import/import_dry_run_window.h"
#include "gui/platform/desktop_services.h"
#include "gui/records/command_bar.h"
#include "gui/records/record_editor.h"
#include "gui/startup/backup_prompt.h"
#include "store/import/import_file.h"
#include "store/import/record_transfer.h"
#include "store/import/workbook_export.h"
#include "store/startup/backup_guard.h"
#include "store/startup/backups.h"
#include "store/startup/run_state.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QProgressDialog>
#include <memory>
#include <optional>

namespace {

// The export and the template offer a workbook first; the name's suffix decides what is written.
QString exportFilter() {
    return QObject::tr("Excel workbooks (*.xlsx);;CSV files (*.csv);;All files (*)");
}
QString importFilter() {
    return QObject::tr(
        "Workbooks and CSV files (*.xlsx *.ods *.csv);;Excel workbooks (*.xlsx);;OpenDocument "
        "spreadsheets (*.ods);;CSV files (*.csv);;All files (*)");
}

// Files are read and written only while browsing, or while an empty database waits for its
// first record.
bool readyForTransfer(const RecordEditor& editor) {
    if (editor.commandState() == CommandState::Browsing || editor.isNoRecordMode())
        return true;
    platform::services().beep();
    return false;
}

void importChosenRows(RecordEditor& editor, const ImportPlan& plan, ImportChoice choice);

// The sheet of a workbook to import: the only one without asking, otherwise the one the user
// chooses (the first proposed). Nothing when the file is refused or the user cancels; an empty
// name for a CSV file.
std::optional<QString> chosenSheet(const QString& path) {
    QStringList sheets;
    {
        platform::WaitCursor hourglass;
        if (!runReportingErrors([&] { sheets = importSheets(path); }))
            return std::nullopt;
    }
    if (sheets.size() < 2)
        return QString();
    const int chosen = platform::services().chooseOne(
        QStringLiteral("Import"),
        QStringLiteral("The workbook '%1' has several sheets. Which one is to be imported?")
            .arg(QFileInfo(path).fileName()),
        sheets);
    return chosen < 0 ? std::nullopt : std::optional<QString>(sheets.at(chosen));
}

void importFromFile(RecordEditor& editor) {
    if (!readyForTransfer(editor))
        return;
    const QString path = platform::services().chooseOpenFile(
        QObject::tr("Import"), platform::services().documentsFolder(), importFilter());
    if (path.isEmpty())
        return;
    const std::optional<QString> sheet = chosenSheet(path);
    if (!sheet)
        return;
    auto plan = std::make_shared<ImportPlan>();
    {
        platform::WaitCursor hourglass;
        if (!runReportingErrors([&] { *plan = dryRun(editor.runState().db(), path, *sheet); }))
            return;
    }
    const QString shown =
        sheet->isEmpty() ? QFileInfo(path).fileName()
                         : QStringLiteral("%1, sheet %2").arg(QFileInfo(path).fileName(), *sheet);
    auto* window = new ImportDryRunWindow(*plan, shown, &editor);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(
        window, &ImportDryRunWindow::chosen, &editor,
        [&editor, plan](ImportChoice choice) { importChosenRows(editor, *plan, choice); });
    window->open();
}

// Like the other commands that change many records, an import first keeps a copy of the
// database; when none can be made the user chooses whether to go on without it.
bool backedUpForImport(RecordEditor& editor) {
    RunState& state = editor.runState();
    std::optional<QString> failure;
    {
        platform::WaitCursor hourglass;
        failure = backUpBeforeOperation(state.db(), state.programFolder, state.loginPassword,
                                        backups::reason::import);
    }
    return goOnAfterBackup(failure);
}

void importChosenRows(RecordEditor& editor, const ImportPlan& plan, ImportChoice choice) {
    const QList<PackedRow> rows = chosenRows(plan, choice);
    if (!backedUpForImport(editor))
        return;
    QProgressDialog progress(QObject::tr("Importing records..."), QObject::tr("Cancel"), 0,
                             static_cast<int>(rows.size()), &editor);
    progress.setObjectName(QStringLiteral("dlgImportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    std::optional<int> stored;
    const bool done = runReportingErrors([&] {
        stored = importRecords(editor.runState().db(), rows, [&progress](int written, int total) {
            if (written % 250 == 0 || written == total)
                progress.setValue(written);
            return !progress.wasCanceled();
        });
    });
    progress.reset();
    if (!done)
        return;
    if (!stored) {
        showInformation(QObject::tr("The import was cancelled. No record was stored."));
        return;
    }
    editor.reloadRecords();
    editor.reportResult(QObject::tr("%1 imported.").arg(editortexts::recordCount(*stored)));
}

void exportToFile(RecordEditor& editor) {
    if (!readyForTransfer(editor))
        return;
    const QString path = platform::services().chooseSaveFile(
        QObject::tr("Export"),
        QDir(platform::services().documentsFolder()).filePath(QStringLiteral("records.xlsx")),
        exportFilter());
    if (path.isEmpty())
        return;
    int count = 0;
    {
        platform::WaitCursor hourglass;
        if (!runReportingErrors([&] { count = exportRecordsByName(editor.runState().db(), path); }))
            return;
    }
    editor.reportResult(QObject::tr("%1 exported to %2.")
                            .arg(editortexts::recordCount(count), QDir::toNativeSeparators(path)),
                        QFileInfo(path).absolutePath());
}

void exportTemplateToFile(RecordEditor& editor) {
    const QString path = platform::services().chooseSaveFile(
        QObject::tr("Export template"),
        QDir(platform::services().documentsFolder()).filePath(QStringLiteral("template.xlsx")),
        exportFilter());
    if (path.isEmpty())
        return;
    if (runReportingErrors([&] { exportTemplateByName(editor.runState().db(), path); }))
        editor.reportResult(
            QObject::tr("Template written to %1.").arg(QDir::toNativeSeparators(path)),
            QFileInfo(path).absolutePath());
}

} // namespace

void linkTransfer(RecordEditor& editor) {
    CommandBar* commands = &editor.commands();
    QObject::connect(commands, &CommandBar::importPressed, &editor,
                     [&editor] { importFromFile(editor); });
    QObject::connect(commands, &CommandBar::exportPressed, &editor,
                     [&editor] { exportToFile(editor); });
    QObject::connect(commands, &CommandBar::exportTemplatePressed, &editor,
                     [&editor] { exportTemplateToFile(editor); });
}
