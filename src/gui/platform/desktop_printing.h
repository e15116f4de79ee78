#pragma once

#include "core/platform/printing.h"

#include <QString>

namespace platform {

// The real printing: the system's default printer and the program's preview window. A PDF
// saved instead of printing is suggested in the given folder.
class DesktopPrinting : public Printing {
public:
    explicit DesktopPrinting(QString pdfFolder);
    bool hasPrinter() override;
    PrintResult printPages(const report::Report& report, report::PageRange range) override;
    void showPreview(std::shared_ptr<const report::Report> report) override;

private:
    QString m_pdfFolder;
};

} // namespace platform
