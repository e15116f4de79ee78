#include "gui/records/command_links.h"

#include "core/platform/printing.h"
#include "core/platform/services.h"
#include "core/reports/pdf_names.h"
#include "gui/common/message_boxes.h"
#include "gui/records/command_bar.h"
#include "gui/records/record_editor.h"
#include "gui/reports/print_flow.h"
#include "gui/widgets/field_edit.h"
#include "store/records/record_report.h"
#include "store/startup/run_state.h"

#include <QFileInfo>
#include <QObject>

namespace {

// Print and its preview work on the saved record, as the database holds it, found by its
// identifier.
std::shared_ptr<RecordReport> currentRecordReport(RecordEditor& editor) {
    return RecordReport::recordWithId(
        editor.runState().db(), editor.field(QStringLiteral("ID"))->text().trimmed().toLongLong());
}

QString currentName(RecordEditor& editor) {
    return (editor.field(QStringLiteral("Surname"))->text().trimmed() + u' ' +
            editor.field(QStringLiteral("FirstName"))->text().trimmed())
        .trimmed();
}

void printRecord(RecordEditor& editor) {
    if (!confirm(QObject::tr("Do you want to print the XW73D of the current record?")))
        return;
    runReportingErrors([&editor] {
        const auto report = currentRecordReport(editor);
        const report::Delivery delivery =
            report::printOrOfferPdf(*report, report::PageRange::all(*report),
                                    report::suggestedPdfPath(report->formFileNames().value(0)));
        if (delivery.printed)
            editor.reportResult(
                QObject::tr("The XW73D of %1 was sent to the printer.").arg(currentName(editor)));
        else if (!delivery.savedPdf.isEmpty())
            reportSavedPdf(editor, delivery.savedPdf, report->pageCount());
    });
}

// The numbering stays when the user answers No.
void printAllRecords(RecordEditor& editor) {
    if (!editor.sortRecords())
        return;
    std::shared_ptr<RecordReport> report;
    if (!runReportingErrors([&] { report = RecordReport::originals(editor.runState().db()); }))
        return;
    if (!confirm(QObject::tr("Total number of original XW73Ds is %1. Go to next screen for "
                             "printing?")
                     .arg(report->pageCount())))
        return;
    platform::printing().showPreview(
        report, pdfname::allOriginalsFileName(editor.employer().returnYear),
        [&editor](const QString& path, int pages) { reportSavedPdf(editor, path, pages); });
}

} // namespace

void reportSavedPdf(RecordEditor& editor, const QString& path, int pages) {
    editor.reportResult(report::savedPdfText(path, pages), QFileInfo(path).absolutePath());
}

void previewCurrentRecord(RecordEditor& editor) {
    // As Print, only a saved record shown while browsing has a form to preview.
    if (editor.commandState() != RecordEditor::CommandState::Browsing || editor.isNoRecordMode()) {
        platform::services().beep();
        return;
    }
    std::shared_ptr<RecordReport> report;
    QString fileName;
    if (!runReportingErrors([&] {
            report = currentRecordReport(editor);
            fileName = report->formFileNames().value(0);
        }))
        return;
    platform::printing().showPreview(report, fileName, [&editor](const QString& path, int pages) {
        reportSavedPdf(editor, path, pages);
    });
}

void linkPrinting(RecordEditor& editor) {
    QObject::connect(&editor.commands(), &CommandBar::printPressed, &editor,
                     [&editor] { printRecord(editor); });
    QObject::connect(&editor.commands(), &CommandBar::printAllPressed, &editor,
                     [&editor] { printAllRecords(editor); });
    linkFormExport(editor);
}
