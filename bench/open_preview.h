#pragma once

#include "core/platform/printing.h"
#include "gui/reports/preview_window.h"

#include <QCoreApplication>
#include <functional>
#include <memory>

namespace bench {

// Opens the real preview window without waiting in it, so that it can be measured; told when
// the window shows its first page.
class OpenPreview : public platform::Printing {
public:
    bool hasPrinter() override { return false; }
    platform::PrintResult printPages(const report::Report&, report::PageRange) override {
        return platform::PrintResult::NoPrinter;
    }
    void showPreview(std::shared_ptr<const report::Report> report, const QString&,
                     const platform::PdfSaved&) override {
        this->report = report;
        window = std::make_unique<PreviewWindow>(std::move(report), QString());
        window->show();
        QCoreApplication::processEvents();
        if (shown)
            shown();
    }
    std::shared_ptr<const report::Report> report;
    std::unique_ptr<PreviewWindow> window;
    std::function<void()> shown;
};

} // namespace bench
