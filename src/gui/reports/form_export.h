#pragma once

#include "gui/reports/report_output.h"

#include <QStringList>

// Writes each page of a report into a PDF file of its own, as the export of forms does: one
// file per record, named after it, in a folder the user chose.
namespace report {

struct ExportResult {
    Outcome outcome = Outcome::Failed;
    int written = 0; // files complete in the folder
    QString error;   // why it failed, for the user
};

// Writes page i of the report into the folder as fileNames[i]. The pages are made on the calling
// thread, which alone reads the database, and drawn on worker threads, two for each core: each
// worker draws a run of pages as one PDF document, so that the fonts are embedded once a run, and
// splits it into a file for each page. Each file is written under a work name and takes its name
// (replacing a file of that name) only when it is complete and reads back whole. When progress
// returns false or a file fails, no further file is begun; a page that cannot be made ends the
// export after the pages made before it are written. No work file is left behind. Workers other
// than 0 (two a core) set the number of threads, for measurements.
ExportResult writePageFiles(const Report& report, const QStringList& fileNames,
                            const QString& folder, const Progress& progress = {}, int workers = 0);

// Those of the names that the folder holds already, compared without regard to case.
QStringList namesInFolder(const QStringList& fileNames, const QString& folder);

} // namespace report
