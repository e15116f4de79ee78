#include "gui/reports/print_flow.h"

#include "core/platform/printing.h"
#include "core/platform/services.h"
#include "gui/common/message_boxes.h"
#include "gui/reports/report_output.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QObject>
#include <QProgressDialog>

namespace report {

namespace {

QString whyNotPrinted(platform::PrintResult result) {
    if (result == platform::PrintResult::NoPrinter)
        return QObject::tr("No printer is installed, so the pages cannot be printed.");
    return QObject::tr("The printer did not accept the pages, so they were not printed.");
}

} // namespace

Delivery printOrOfferPdf(const Report& report, PageRange range, const QString& suggestedPdfPath) {
    if (range.count() == 0) {
        showError(QObject::tr("There are no pages to print."));
        return {};
    }
    platform::Printing& printing = platform::printing();
    const platform::PrintResult result = printing.hasPrinter() ? printing.printPages(report, range)
                                                               : platform::PrintResult::NoPrinter;
    if (result == platform::PrintResult::Printed)
        return {true, QString()};
    showError(whyNotPrinted(result));
    if (!confirm(QObject::tr("Do you want to save the same pages as a PDF file instead?")))
        return {};
    return {false, savePdf(report, range, suggestedPdfPath)};
}

QString savePdf(const Report& report, PageRange range, const QString& suggestedPath,
                QWidget* parent) {
    const QString path = platform::services().chooseSaveFile(
        QObject::tr("Save as PDF"), suggestedPath, QObject::tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return QString();
    QProgressDialog progress(QObject::tr("Writing the PDF file..."), QObject::tr("Cancel"), 0,
                             range.count(), parent);
    progress.setObjectName(QStringLiteral("pdfProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const OutputResult result = writePdf(report, range, path, [&progress](int done, int) {
        progress.setValue(done);
        QApplication::processEvents();
        return !progress.wasCanceled();
    });
    if (result.outcome == Outcome::Failed)
        showError(QObject::tr("The PDF file could not be written. ") + result.error);
    return result.outcome == Outcome::Complete ? path : QString();
}

QString suggestedPdfPath(const QString& fileName) {
    return QDir(platform::services().documentsFolder()).filePath(fileName);
}

QString savedPdfText(const QString& path, int pages) {
    const QString where = QDir::toNativeSeparators(path);
    if (pages == 1)
        return QObject::tr("1 page saved to %1.").arg(where);
    return QObject::tr("%1 pages saved to %2.").arg(QLocale().toString(pages), where);
}

} // namespace report
