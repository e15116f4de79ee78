#include "platform/desktop_printing.h"

#include "platform/desktop_services.h"
#include "reports/preview_window.h"
#include "reports/report_output.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

DesktopPrinting::DesktopPrinting(QString pdfFolder)
    : m_pdfFolder(std::move(pdfFolder)) {}

bool DesktopPrinting::hasPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

PrintResult DesktopPrinting::printPages(const report::Report& report, report::PageRange range) {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return PrintResult::NoPrinter;
    QPrinter device(printer, QPrinter::HighResolution);
    device.setFullPage(true);
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setDocName(QStringLiteral("XW73D"));
    WaitCursor hourglass;
    const report::OutputResult result = report::paintPages(report, range, device);
    if (result.outcome != report::Outcome::Complete || device.printerState() == QPrinter::Error)
        return PrintResult::Refused;
    return PrintResult::Printed;
}

void DesktopPrinting::showPreview(std::shared_ptr<const report::Report> report) {
    PreviewWindow window(std::move(report), QDir(m_pdfFolder).filePath(QStringLiteral("xw73d.pdf")),
                         QApplication::activeWindow());
    window.exec();
}

} // namespace platform
