// The editor's Import, Export and Export template commands: employee records from and to CSV
// files, an import always going through its dry run first.
#include "gui/records/record_editor.h"

#include "core/platform/services.h"
#include "gui/common/message_boxes.h"
#include "gui/import/import_dry_run_window.h"
#include "gui/platform/desktop_services.h"
#include "store/import/record_transfer.h"
#include "store/startup/run_state.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <memory>

namespace {

const QString csvFilter = QStringLiteral("CSV files (*.csv);;All files (*)");

} // namespace

// Files are read and written only while browsing, or while an empty database waits for its
// first record.
bool RecordEditor::readyForTransfer() {
    if (m_commandState == CommandState::Browsing || m_placeholderSource)
        return true;
    platform::services().beep();
    return false;
}

void RecordEditor::importFromFile() {
    if (!readyForTransfer())
        return;
    const QString path =
        platform::services().chooseOpenFile(QStringLiteral("Import"), QDir::homePath(), csvFilter);
    if (path.isEmpty())
        return;
    auto plan = std::make_shared<ImportPlan>();
    {
        platform::WaitCursor hourglass;
        if (!runReportingErrors([&] { *plan = dryRun(m_state.db(), path); }))
            return;
    }
    auto* window = new ImportDryRunWindow(*plan, QFileInfo(path).fileName(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &ImportDryRunWindow::chosen, this,
            [this, plan](ImportChoice choice) { importChosenRows(*plan, choice); });
    window->open();
}

void RecordEditor::importChosenRows(const ImportPlan& plan, ImportChoice choice) {
    const QList<PackedRow> rows = chosenRows(plan, choice);
    QProgressDialog progress(QStringLiteral("Importing records..."), QStringLiteral("Cancel"), 0,
                             static_cast<int>(rows.size()), this);
    progress.setObjectName(QStringLiteral("dlgImportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    std::optional<int> stored;
    const bool done = runReportingErrors([&] {
        stored = importRecords(m_state.db(), rows, [&progress](int written, int total) {
            if (written % 250 == 0 || written == total)
                progress.setValue(written);
            return !progress.wasCanceled();
        });
    });
    progress.reset();
    if (!done)
        return;
    if (!stored) {
        showInformation(QStringLiteral("The import was cancelled. No record was stored."));
        return;
    }
    reloadRecords();
    showInformation(QStringLiteral("%1 records imported.").arg(*stored));
}

void RecordEditor::exportToFile() {
    if (!readyForTransfer())
        return;
    const QString path = platform::services().chooseSaveFile(
        QStringLiteral("Export"), QDir::home().filePath(QStringLiteral("records.csv")), csvFilter);
    if (path.isEmpty())
        return;
    int count = 0;
    {
        platform::WaitCursor hourglass;
        if (!runReportingErrors([&] { count = exportRecords(m_state.db(), path); }))
            return;
    }
    showInformation(QStringLiteral("%1 records exported.").arg(count));
}

void RecordEditor::exportTemplateToFile() {
    const QString path = platform::services().chooseSaveFile(
        QStringLiteral("Export template"), QDir::home().filePath(QStringLiteral("template.csv")),
        csvFilter);
    if (path.isEmpty())
        return;
    if (runReportingErrors([&] { exportTemplate(path); }))
        showInformation(QStringLiteral("The template was written."));
}
