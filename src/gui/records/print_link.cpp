#include "gui/records/command_links.h"

#include "core/platform/printing.h"
#include "gui/common/message_boxes.h"
#include "gui/records/command_bar.h"
#include "gui/records/record_editor.h"
#include "gui/reports/print_flow.h"
#include "gui/widgets/field_edit.h"
#include "store/records/record_report.h"
#include "store/startup/run_state.h"

#include <QDir>

namespace {

// The saved record is printed by its identifier, as it is in the database.
void printRecord(RecordEditor& editor) {
    if (!confirm(QStringLiteral("Do you want to print the XW73D of the current record?")))
        return;
    runReportingErrors([&editor] {
        RunState& state = editor.runState();
        const auto report = RecordReport::recordWithId(
            state.db(), editor.field(QStringLiteral("ID"))->text().trimmed().toLongLong());
        report::printOrOfferPdf(*report, report::PageRange::all(*report),
                                QDir(state.programFolder).filePath(QStringLiteral("xw73d.pdf")));
    });
}

// The numbering stays when the user answers No.
void printAllRecords(RecordEditor& editor) {
    if (!editor.sortRecords())
        return;
    std::shared_ptr<RecordReport> report;
    if (!runReportingErrors([&] { report = RecordReport::originals(editor.runState().db()); }))
        return;
    if (!confirm(QStringLiteral("Total number of original XW73Ds is %1. Go to next screen for "
                                "printing?")
                     .arg(report->pageCount())))
        return;
    platform::printing().showPreview(report);
}

} // namespace

void linkPrinting(RecordEditor& editor) {
    QObject::connect(&editor.commands(), &CommandBar::printPressed, &editor,
                     [&editor] { printRecord(editor); });
    QObject::connect(&editor.commands(), &CommandBar::printAllPressed, &editor,
                     [&editor] { printAllRecords(editor); });
}
