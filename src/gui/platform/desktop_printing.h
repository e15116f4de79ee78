#pragma once

#include "core/platform/printing.h"

namespace platform {

// The real printing: the system's default printer and the program's preview window.
class DesktopPrinting : public Printing {
public:
    bool hasPrinter() override;
    PrintResult printPages(const report::Report& report, report::PageRange range) override;
    void showPreview(std::shared_ptr<const report::Report> report, const QString& pdfFileName,
                     const PdfSaved& saved) override;
};

} // namespace platform
