#include "gui/records/command_links.h"

#include "core/platform/services.h"
#include "gui/common/message_boxes.h"
#include "gui/records/record_editor.h"
#include "gui/reports/form_export.h"
#include "store/records/record_report.h"
#include "store/startup/run_state.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QObject>
#include <QProgressDialog>
#include <optional>

namespace {

const char* const exportTitle = "Export forms as PDF files";

struct FormsToExport {
    std::shared_ptr<RecordReport> forms;
    QStringList fileNames;
    bool originalsOnly = true;
};

// The originals are numbered first, as for Print All, so that the files carry the sheet
// numbers the return will be saved with.
std::optional<FormsToExport> chooseForms(RecordEditor& editor) {
    const int choice = platform::services().chooseOne(
        QObject::tr(exportTitle),
        QObject::tr("Which forms do you want as PDF files, one a record?"),
        {QObject::tr("All original records, in sheet order"), QObject::tr("Every record")});
    if (choice < 0 || !editor.sortRecords())
        return std::nullopt;
    FormsToExport chosen;
    chosen.originalsOnly = choice == 0;
    if (!runReportingErrors([&] {
            Database& db = editor.runState().db();
            chosen.forms =
                chosen.originalsOnly ? RecordReport::originals(db) : RecordReport::everyRecord(db);
            chosen.fileNames = chosen.forms->formFileNames();
        }))
        return std::nullopt;
    return chosen;
}

// A file of the same name is replaced only when the user says so, once for all of them.
bool mayWriteInto(const QString& folder, const QStringList& fileNames) {
    const QStringList present = report::namesInFolder(fileNames, folder);
    if (present.isEmpty())
        return true;
    return confirm(QObject::tr("%1 of the files to be written are in %2 already, \"%3\" among "
                               "them. Do you want to replace them?")
                       .arg(QLocale().toString(present.size()), QDir::toNativeSeparators(folder),
                            present.first()));
}

report::ExportResult writeForms(const FormsToExport& chosen, const QString& folder) {
    QProgressDialog progress(QObject::tr("Writing the forms as PDF files..."),
                             QObject::tr("Cancel"), 0, int(chosen.fileNames.size()),
                             QApplication::activeWindow());
    progress.setObjectName(QStringLiteral("formExportProgress"));
    progress.setWindowTitle(QObject::tr(exportTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    return report::writePageFiles(*chosen.forms, chosen.fileNames, folder,
                                  [&progress](int done, int) {
                                      progress.setValue(done);
                                      QApplication::processEvents();
                                      return !progress.wasCanceled();
                                  });
}

QString resultText(const report::ExportResult& result, int count, const QString& folder) {
    const QLocale locale;
    const QString where = QDir::toNativeSeparators(folder);
    if (result.outcome == report::Outcome::Complete)
        return count == 1 ? QObject::tr("1 form saved to %1.").arg(where)
                          : QObject::tr("%1 forms saved to %2.").arg(locale.toString(count), where);
    const QString written =
        QObject::tr("%1 of %2 forms saved to %3.")
            .arg(locale.toString(result.written), locale.toString(count), where);
    return result.outcome == report::Outcome::Cancelled
               ? QObject::tr("Export of forms cancelled: ") + written
               : QObject::tr("Export of forms stopped by an error: ") + written;
}

void exportForms(RecordEditor& editor) {
    if (editor.commandState() != RecordEditor::CommandState::Browsing) {
        showError(QObject::tr("Save or cancel the record being entered before exporting forms."));
        return;
    }
    const std::optional<FormsToExport> chosen = chooseForms(editor);
    if (!chosen)
        return;
    const int count = int(chosen->fileNames.size());
    if (count == 0) {
        showInformation(chosen->originalsOnly
                            ? QObject::tr("There is no original record to export.")
                            : QObject::tr("There is no record to export."));
        return;
    }
    const QString folder = platform::services().chooseFolder(
        QObject::tr(exportTitle), platform::services().documentsFolder());
    if (folder.isEmpty() || !mayWriteInto(folder, chosen->fileNames))
        return;
    const report::ExportResult result = writeForms(*chosen, folder);
    if (result.outcome == report::Outcome::Failed)
        showError(QObject::tr("The forms could not all be written. ") + result.error);
    editor.reportResult(resultText(result, count, folder), result.written > 0 ? folder : QString());
}

} // namespace

void linkFormExport(RecordEditor& editor) {
    QObject::connect(&editor, &RecordEditor::exportFormsRequested, &editor,
                     [&editor] { exportForms(editor); });
}
