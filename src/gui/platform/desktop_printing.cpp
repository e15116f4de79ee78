#include "gui/platform/desktop_printing.h"

#include "gui/platform/desktop_services.h"
#include "gui/reports/preview_window.h"
#include "gui/reports/print_flow.h"
#include "gui/reports/report_output.h"
#include "gui/widgets/widgets.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {
namespace {

// The window that was active, or, when the system has not given the activation back yet after
// the box that asked for the preview, one of the program's windows that is shown.
QWidget* windowToOpenOver() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto shown = std::find_if(windows.begin(), windows.end(), [](const QWidget* window) {
        return window->isVisible() && widgets::isProgramWindow(window);
    });
    return shown != windows.end() ? *shown : nullptr;
}

} // namespace

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

void DesktopPrinting::showPreview(std::shared_ptr<const report::Report> report,
                                  const QString& pdfFileName, const PdfSaved& saved) {
    PreviewWindow window(std::move(report), report::suggestedPdfPath(pdfFileName),
                         windowToOpenOver());
    if (saved)
        QObject::connect(&window, &PreviewWindow::pdfSaved, &window, saved);
    window.exec();
}

} // namespace platform
