#include "gui/reports/report_output.h"

#include "core/common/engine_error.h"
#include "core/common/files.h"
#include "gui/reports/page_painter.h"

#include <QBuffer>
#include <QFile>
#include <QObject>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace report {

namespace {

constexpr int pdfResolution = 600;

OutputResult failure(const QString& error) {
    return {Outcome::Failed, error};
}

// A PDF ends with its end-of-file marker; anything short of it was cut off.
bool isWholePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    const bool header = file.read(5) == "%PDF-";
    file.seek(std::max<qint64>(0, file.size() - 32));
    return header && file.readAll().contains("%%EOF");
}

OutputResult paintAll(const Report& report, PageRange range, QPagedPaintDevice& device,
                      QPainter& painter, const Progress& progress) {
    for (int index = range.first; index <= range.last; ++index) {
        if (index > range.first && !device.newPage())
            return failure(QObject::tr("A new page could not be started."));
        // The output's result carries the reason to the screen that shows it.
        try {
            paintPage(painter, report.page(index));
        } catch (const EngineError& error) {
            return failure(error.description());
        }
        if (progress && !progress(index - range.first + 1, range.count()))
            return {Outcome::Cancelled, QString()};
    }
    return {Outcome::Complete, QString()};
}

} // namespace

OutputResult paintPages(const Report& report, PageRange range, QPagedPaintDevice& device,
                        const Progress& progress) {
    if (range.first < 0 || range.last >= report.pageCount() || range.count() == 0)
        return failure(QObject::tr("There are no pages to print."));
    QPainter painter;
    if (!painter.begin(&device))
        return failure(QObject::tr("The output could not be started."));
    const OutputResult result = paintAll(report, range, device, painter, progress);
    if (!painter.end() && result.outcome == Outcome::Complete)
        return failure(QObject::tr("The output could not be finished."));
    return result;
}

OutputResult paintPdf(const Report& report, PageRange range, QIODevice& device,
                      const Progress& progress) {
    QPdfWriter writer(&device);
    writer.setResolution(pdfResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QStringLiteral("XW73D"));
    return paintPages(report, range, writer, progress);
}

OutputResult writePdf(const Report& report, PageRange range, const QString& path,
                      const Progress& progress) {
    // The pages hold the return's data: the file is the user's alone, also when it replaces
    // an older one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !files::makePrivate(file))
        return failure(file.errorString());
    const OutputResult result = paintPdf(report, range, file, progress);
    if (result.outcome != Outcome::Complete) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return failure(file.errorString());
    if (!isWholePdf(path)) {
        QFile::remove(path);
        return failure(QObject::tr("The file %1 could not be written completely.").arg(path));
    }
    return result;
}

QByteArray pdfBytes(const Report& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (report.pageCount() == 0 ||
        paintPdf(report, {0, report.pageCount() - 1}, buffer, {}).outcome != Outcome::Complete)
        return {};
    return buffer.data();
}

} // namespace report
