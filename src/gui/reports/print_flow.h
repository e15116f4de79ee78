#pragma once

#include "core/reports/page.h"

class QWidget;

// What the program does to print a report or save it as PDF, shared by the editor's Print and
// the preview window's Print and Save.
namespace report {

// What became of pages sent to the printer.
struct Delivery {
    bool printed = false;
    QString savedPdf; // the PDF saved instead, if the user chose to
};

// Sends the pages to the default printer. When there is no printer or it refuses the job, the
// error box says so and the user may save the same pages as a PDF file instead.
Delivery printOrOfferPdf(const Report& report, PageRange range, const QString& suggestedPdfPath);

// Asks for a file name and writes the pages there as PDF under a progress dialog that can be
// cancelled. The path of the complete file, or an empty text; a failure is shown in the error
// box.
QString savePdf(const Report& report, PageRange range, const QString& suggestedPath,
                QWidget* parent = nullptr);

// A file of this name in the user's documents folder, where a PDF is offered first.
QString suggestedPdfPath(const QString& fileName);

// "3 pages saved to /home/chan/Documents/forms.pdf.", for the status bar.
QString savedPdfText(const QString& path, int pages);

} // namespace report
