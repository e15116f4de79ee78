// An import always goes through its dry run first.
#include "gui/records/command_links.h"

#include "core/platform/services.h"
#include "core/records/editor_texts.h"
#include "gui/common/message_boxes.h"
#include "gui/import/column_mapping_window.h"
#include "gui/import/import_dry_run_window.h"
#include "gui/platform/desktop_services.h"
#include "gui/records/command_bar.h"
#include "gui/records/record_editor.h"
#include "gui/startup/backup_prompt.h"
#include "store/import/import_file.h"
#include "store/import/kept_mappings.h"
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

void importChosenRows(RecordEditor& editor, const ImportPlan& plan, ImportChoice choice,
                      ImportKinds kinds);

// One import of a file: its dry run, planned again when the user maps its columns or changes
// whether empty cells clear fields.
struct ImportRun {
    QString path;
    DryRunOptions options;
    ImportPlan plan;
};

bool planRun(RecordEditor& editor, ImportRun& run) {
    platform::WaitCursor hourglass;
    return runReportingErrors(
        [&] { run.plan = dryRun(editor.runState().db(), run.path, run.options); });
}

// The mappings kept with the return; a kept file that cannot be read is told and left aside, so
// that it never stands in the way of an import.
QList<ColumnMapping> mappingsOfReturn(RecordEditor& editor) {
    QList<ColumnMapping> kept;
    runReportingErrors([&] { kept = keptMappings(editor.runState().programFolder); });
    return kept;
}

void askForMapping(RecordEditor& editor, const std::shared_ptr<ImportRun>& run);

// The file as the dry run names it: with its sheet when a workbook's sheet was chosen.
QString shownFileName(const ImportRun& run) {
    const QString name = QFileInfo(run.path).fileName();
    return run.options.sheet.isEmpty() ? name
                                       : QObject::tr("%1, sheet %2").arg(name, run.options.sheet);
}

void showDryRun(RecordEditor& editor, const std::shared_ptr<ImportRun>& run) {
    auto* window = new ImportDryRunWindow(run->plan, shownFileName(*run), &editor);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->showEmptyCellsClear(run->options.emptyCellsClear);
    QObject::connect(window, &ImportDryRunWindow::chosen, &editor,
                     [&editor, run](ImportChoice choice, ImportKinds kinds) {
                         importChosenRows(editor, run->plan, choice, kinds);
                     });
    QObject::connect(window, &ImportDryRunWindow::emptyCellsClearChanged, window,
                     [&editor, run, window](bool clear) {
                         run->options.emptyCellsClear = clear;
                         if (planRun(editor, *run))
                             window->showPlan(run->plan);
                     });
    QObject::connect(window, &ImportDryRunWindow::mappingAsked, &editor,
                     [&editor, run] { askForMapping(editor, run); });
    window->open();
}

// A header the program does not know is mapped by the user once; the mapping is kept with the
// return, and the next file with the same header goes straight to its dry run. Asked again, the
// window shows the mapping in use.
void askForMapping(RecordEditor& editor, const std::shared_ptr<ImportRun>& run) {
    const std::optional<ColumnMapping> inUse = mappingFor(run->options.mappings, run->plan.header);
    auto* window = new ColumnMappingWindow(inUse ? *inUse : proposedMapping(run->plan.header),
                                           QFileInfo(run->path).fileName(), &editor);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &ColumnMappingWindow::mapped, &editor,
                     [&editor, run](const ColumnMapping& mapping) {
                         runReportingErrors(
                             [&] { keepMapping(editor.runState().programFolder, mapping); });
                         run->options.mappings = withMapping(run->options.mappings, mapping);
                         if (planRun(editor, *run))
                             showDryRun(editor, run);
                     });
    window->open();
}

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
        QObject::tr("Import"),
        QObject::tr("The workbook '%1' has several sheets. Which one is to be imported?")
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
    auto run =
        std::make_shared<ImportRun>(ImportRun{path, {mappingsOfReturn(editor), false, *sheet}, {}});
    if (!planRun(editor, *run))
        return;
    if (!run->plan.unknownColumns.isEmpty() && !run->plan.mapped)
        askForMapping(editor, run);
    else
        showDryRun(editor, run);
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

QString importedText(const ImportCounts& counts) {
    QString text = QObject::tr("%1 imported").arg(editortexts::recordCount(counts.added));
    if (counts.updated > 0)
        text += QObject::tr(", %1 updated").arg(editortexts::recordCount(counts.updated));
    return text + u'.';
}

void importChosenRows(RecordEditor& editor, const ImportPlan& plan, ImportChoice choice,
                      ImportKinds kinds) {
    const ImportWork work = chosenWork(plan, choice, kinds);
    if (!backedUpForImport(editor))
        return;
    QProgressDialog progress(QObject::tr("Importing records..."), QObject::tr("Cancel"), 0,
                             static_cast<int>(work.newRecords.size() + work.updates.size()),
                             &editor);
    progress.setObjectName(QStringLiteral("dlgImportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    std::optional<ImportCounts> stored;
    const bool done = runReportingErrors([&] {
        stored = importRecords(editor.runState().db(), work, [&progress](int written, int total) {
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
    editor.reportResult(importedText(*stored));
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
