#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QPDF;

// A PDF document of several pages, held in memory, whose pages are written into files of their
// own. Each file refers to the document's font programs and page contents as they are, so a page
// costs neither a new font subset nor a new compression: the fonts are embedded once for the
// whole document, and each file still stands alone.
class PdfPages {
public:
    // Reads the document; an EngineError (Damaged) when it is not a whole PDF.
    explicit PdfPages(QByteArray document);
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    int count() const;

    // Writes page `index` (from 0) alone as a complete PDF file, the user's alone, at `path`. The
    // file is written under a work name beside its place, read back and compared, and only then
    // takes the place of any file of that name; on an EngineError nothing is left behind.
    void writePage(int index, const QString& path) const;

private:
    QByteArray pageDocument(int index) const;

    QByteArray m_document; // the reader takes its bytes from here
    std::unique_ptr<QPDF> m_pdf;
};
