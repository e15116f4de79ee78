#pragma once

#include "core/reports/page.h"

class QWidget;

// What the program does to print a report or save it as PDF, shared by the editor's Print and
// the preview window's Print and Save.
namespace report {

// Sends the pages to the default printer. When there is no printer or it refuses the job, the
// error box says so and the user may save the same pages as a PDF file instead. True only when
// the pages were printed or saved.
bool printOrOfferPdf(const Report& report, PageRange range, const QString& suggestedPdfPath);

// Asks for a file name and writes the pages there as PDF under a progress dialog that can be
// cancelled. True when the file is complete; a failure is shown in the error box.
bool savePdf(const Report& report, PageRange range, const QString& suggestedPath,
             QWidget* parent = nullptr);

} // namespace report
