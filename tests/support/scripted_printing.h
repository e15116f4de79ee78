#pragma once

#include "core/platform/printing.h"
#include "gui/reports/report_output.h"

#include <QDir>
#include <QList>
#include <memory>

// Stands in for the printer and the preview window: a printed job's pages are written into a
// PDF file in the given folder so that tests can read what would have come out of the printer;
// a preview only keeps the report it was given, the PDF name it offers and whom it tells of a
// saved PDF.
class ScriptedPrinting : public platform::Printing {
public:
    struct Job {
        report::PageRange range;
        QString pdf; // the pages as they were printed
    };

    explicit ScriptedPrinting(QString folder)
        : m_folder(std::move(folder)) {
        m_previous = platform::setPrinting(this);
    }
    ~ScriptedPrinting() override { platform::setPrinting(m_previous); }
    ScriptedPrinting(const ScriptedPrinting&) = delete;
    ScriptedPrinting& operator=(const ScriptedPrinting&) = delete;

    bool hasPrinter() override { return printerInstalled; }
    platform::PrintResult printPages(const report::Report& report,
                                     report::PageRange range) override {
        if (!printerInstalled)
            return platform::PrintResult::NoPrinter;
        if (refuseJobs)
            return platform::PrintResult::Refused;
        const QString pdf =
            QDir(m_folder).filePath(QStringLiteral("printed%1.pdf").arg(jobs.size()));
        if (report::writePdf(report, range, pdf).outcome != report::Outcome::Complete)
            return platform::PrintResult::Refused;
        jobs.append({range, pdf});
        return platform::PrintResult::Printed;
    }
    void showPreview(std::shared_ptr<const report::Report> report, const QString& pdfFileName,
                     const platform::PdfSaved& saved) override {
        previews.append(std::move(report));
        previewPdfNames.append(pdfFileName);
        previewSaved.append(saved);
    }

    bool printerInstalled = true;
    bool refuseJobs = false;
    QList<Job> jobs;
    QList<std::shared_ptr<const report::Report>> previews;
    QStringList previewPdfNames;            // the PDF name each preview offered
    QList<platform::PdfSaved> previewSaved; // what each preview tells when it saved a PDF

private:
    QString m_folder;
    platform::Printing* m_previous = nullptr;
};
