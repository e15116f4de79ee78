// The record editor's Print and Print All: the form of the current record to the printer, and
// the forms of every original record, numbered first, in the preview.
#include "gui/records/record_editor.h"

#include "core/platform/printing.h"
#include "gui/common/message_boxes.h"
#include "gui/reports/print_flow.h"
#include "gui/widgets/field_edit.h"
#include "store/records/record_report.h"
#include "store/startup/run_state.h"

#include <QDir>
#include <QPushButton>

void RecordEditor::wirePrintCommands() {
    connect(m_printButton, &QPushButton::clicked, this, &RecordEditor::printRecord);
    connect(m_printAllButton, &QPushButton::clicked, this, &RecordEditor::printAllRecords);
}

// The saved record is printed by its identifier, as it is in the database.
void RecordEditor::printRecord() {
    if (!confirm(QStringLiteral("Do you want to print the XW73D of the current record?")))
        return;
    runReportingErrors([this] {
        const auto report =
            RecordReport::recordWithId(m_state.db(), m_idEdit->text().trimmed().toLongLong());
        report::printOrOfferPdf(*report, report::PageRange::all(*report),
                                QDir(m_state.programFolder).filePath(QStringLiteral("xw73d.pdf")));
    });
}

// The numbering stays when the user answers No.
void RecordEditor::printAllRecords() {
    if (!sortRecords())
        return;
    std::shared_ptr<RecordReport> report;
    if (!runReportingErrors([&] { report = RecordReport::originals(m_state.db()); }))
        return;
    if (!confirm(QStringLiteral("Total number of original XW73Ds is %1. Go to next screen for "
                                "printing?")
                     .arg(report->pageCount())))
        return;
    platform::printing().showPreview(report);
}
