#pragma once

#include "core/reports/page.h"

#include <functional>

class QIODevice;
class QPagedPaintDevice;

// Sends a report's pages to a printer or into a PDF file.
namespace report {

// Told after each page how many of how many are done; returning false stops the output.
using Progress = std::function<bool(int done, int total)>;

enum class Outcome { Complete, Cancelled, Failed };

struct OutputResult {
    Outcome outcome = Outcome::Failed;
    QString error; // why it failed, for the user
};

// Draws the pages onto the device (a printer or a PDF writer), a new sheet for each.
OutputResult paintPages(const Report& report, PageRange range, QPagedPaintDevice& device,
                        const Progress& progress = {});

// Draws the pages as a PDF document written into the device (a file or a buffer).
OutputResult paintPdf(const Report& report, PageRange range, QIODevice& device,
                      const Progress& progress = {});

// Writes the pages as a PDF file. The file is written under a temporary name in the same
// folder and takes its name only when every page is in it and it reads back as a whole PDF,
// so a cancelled or failed export leaves no file behind (and an older file of that name as it
// was).
OutputResult writePdf(const Report& report, PageRange range, const QString& path,
                      const Progress& progress = {});

// The pages as the bytes of a PDF file, drawn in memory; empty when they cannot be drawn.
QByteArray pdfBytes(const Report& report);

} // namespace report
