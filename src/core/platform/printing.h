#pragma once

#include "core/reports/page.h"

#include <QString>
#include <functional>
#include <memory>

// The printer and the preview window, behind one small interface so that tests can stand in for
// them and no test ever prints on paper or opens a real preview.
namespace platform {

enum class PrintResult {
    Printed,
    NoPrinter, // none is installed
    Refused,   // the printer or its spooler did not take the job
};

// Told where a PDF file was saved and how many pages it holds.
using PdfSaved = std::function<void(const QString& path, int pages)>;

class Printing {
public:
    virtual ~Printing() = default;
    virtual bool hasPrinter() = 0;
    // Sends the pages to the default printer without asking anything.
    virtual PrintResult printPages(const report::Report& report, report::PageRange range) = 0;
    // Shows the report in the preview window, from which the user prints it or saves it as a
    // PDF file, offered under this name in the user's documents folder; told of each PDF saved.
    virtual void showPreview(std::shared_ptr<const report::Report> report,
                             const QString& pdfFileName, const PdfSaved& saved) = 0;
};

Printing& printing();
// Installs the printing for the rest of the run (or until replaced); returns the previous one.
Printing* setPrinting(Printing* printing);

} // namespace platform
