#include "store/reports/pdf_pages.h"

#include "core/common/engine_error.h"
#include "core/common/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QScopeGuard>
#include <QTemporaryFile>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace {

EngineError damaged(const std::exception& error) {
    return EngineError(engine::Damaged,
                       QObject::tr("The forms could not be made into files of their own: %1")
                           .arg(QString::fromLocal8Bit(error.what())));
}

EngineError notWritten(const QString& path, const QString& why) {
    return EngineError(
        engine::PathFileAccess,
        QObject::tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), why));
}

// The document's information (its maker and date) and its metadata go with every page, so a file
// tells what the whole document told.
void copyDocumentInformation(QPDF& from, QPDF& into) {
    const QPDFObjectHandle info = from.getTrailer().getKey("/Info");
    if (info.isIndirect())
        into.getTrailer().replaceKey("/Info", into.copyForeignObject(info));
    const QPDFObjectHandle metadata = from.getRoot().getKey("/Metadata");
    if (metadata.isIndirect())
        into.getRoot().replaceKey("/Metadata", into.copyForeignObject(metadata));
}

bool readsBackAs(const QString& path, const QByteArray& expected) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll() == expected;
}

} // namespace

PdfPages::PdfPages(QByteArray document)
    : m_document(std::move(document))
    , m_pdf(std::make_unique<QPDF>()) {
    try {
        m_pdf->setSuppressWarnings(true);
        m_pdf->setAttemptRecovery(false);
        m_pdf->processMemoryFile("forms", m_document.constData(), size_t(m_document.size()));
        m_pdf->getAllPages();
    } catch (const std::exception& error) {
        throw damaged(error);
    }
}

PdfPages::~PdfPages() = default;

int PdfPages::count() const {
    return int(m_pdf->getAllPages().size());
}

QByteArray PdfPages::pageDocument(int index) const {
    try {
        QPDF page;
        page.emptyPDF();
        QPDFPageDocumentHelper(page).addPage(m_pdf->getAllPages().at(size_t(index)), false);
        copyDocumentInformation(*m_pdf, page);
        QPDFWriter writer(page);
        writer.setOutputMemory();
        // The contents and the font programs are compressed already: they are copied as they are.
        writer.setCompressStreams(false);
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setMinimumPDFVersion(m_pdf->getPDFVersion());
        writer.write();
        const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(bytes->getBuffer()),
                          qsizetype(bytes->getSize()));
    } catch (const std::exception& error) {
        throw damaged(error);
    }
}

void PdfPages::writePage(int index, const QString& path) const {
    const QByteArray bytes = pageDocument(index);
    // A work file is made for the user alone; it is removed unless it took its name.
    QTemporaryFile work(path + QStringLiteral(".XXXXXX.part"));
    if (!work.open())
        throw notWritten(path, work.errorString());
    work.setAutoRemove(false);
    const QString workPath = QFileInfo(work.fileName()).absoluteFilePath();
    auto removeWork = qScopeGuard([&workPath] { QFile::remove(workPath); });
    const bool written = work.write(bytes) == bytes.size() && work.flush();
    const QString why = work.errorString();
    work.close();
    if (!written)
        throw notWritten(path, why);
    if (!readsBackAs(workPath, bytes))
        throw notWritten(path, QObject::tr("the file did not read back as it was written"));
    if (!files::replaceFile(workPath, path))
        throw notWritten(path, QObject::tr("the file could not take its name"));
    removeWork.dismiss();
}
