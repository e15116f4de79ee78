// Measures Print All on a large database: from the answer Yes to the preview's first page,
// paging forward and back, and a PDF of every page (pages per second), with the peak resident
// memory while the preview is open and while the PDF is written. Every record is made an
// original record, so the report has one page per record.
#include "editor_fixture.h"
#include "open_preview.h"
#include "process_memory.h"

#include "core/platform/allocator.h"
#include "core/platform/printing.h"
#include "gui/records/record_editor.h"
#include "gui/reports/preview_window.h"
#include "gui/reports/report_output.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <algorithm>
#include <memory>

namespace {

QString megabytes(long long kib) {
    return QStringLiteral("%1 MB").arg(kib / 1024.0, 0, 'f', 1);
}

void measurePaging(PreviewWindow& preview) {
    std::vector<qint64> forward;
    std::vector<qint64> back;
    QElapsedTimer timer;
    for (int i = 0; i < 100; ++i) {
        timer.start();
        preview.showPage(preview.currentPage() + 1);
        forward.push_back(timer.nsecsElapsed());
    }
    for (int i = 0; i < 100; ++i) {
        timer.start();
        preview.showPage(preview.currentPage() - 1);
        back.push_back(timer.nsecsElapsed());
    }
    bench::say(QStringLiteral("next page (median of 100): %1, previous page: %2")
                   .arg(bench::milliseconds(bench::median(forward)),
                        bench::milliseconds(bench::median(back))));
}

void measurePdf(const report::Report& report, const QString& folder) {
    QElapsedTimer timer;
    timer.start();
    const report::OutputResult result = report::writePdf(
        report, report::PageRange::all(report), folder + QStringLiteral("/all.pdf"),
        [](int done, int total) {
            if (done % 10000 == 0 || done == total)
                bench::say(QStringLiteral("  %1 of %2 pages").arg(done).arg(total));
            return true;
        });
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (result.outcome != report::Outcome::Complete) {
        bench::complain(QStringLiteral("the PDF was not written: ") + result.error);
        return;
    }
    bench::say(QStringLiteral("PDF of %1 pages: %2 s, %3 pages per second, %4")
                   .arg(report.pageCount())
                   .arg(seconds, 0, 'f', 1)
                   .arg(report.pageCount() / seconds, 0, 'f', 0)
                   .arg(megabytes(QFileInfo(folder + QStringLiteral("/all.pdf")).size() / 1024)));
}

int measure(bench::ScreenBench& bench) {
    bench::OpenPreview printing;
    platform::setPrinting(&printing);
    bench.openLogin();
    bench.state.db().exec(QStringLiteral("update employee set Status = 'O' where Status <> 'H'"));
    const std::unique_ptr<RecordEditor> editor = bench.openEditor();
    memory::resetPeakResident();

    QElapsedTimer total;
    total.start();
    editor->findChild<QPushButton*>(QStringLiteral("cPrintAll"))->click();
    const qint64 firstPage = bench.services.answered.nsecsElapsed();
    bench::say(QStringLiteral("Print All: sort and count %1, answer Yes to first page shown %2")
                   .arg(bench::milliseconds(total.nsecsElapsed() - firstPage),
                        bench::milliseconds(firstPage)));
    if (!printing.window)
        return 1;
    bench::result(QStringLiteral("Print All, Yes to the first page"), bench.sizes.records,
                  firstPage, -1, bench::peakBytes());
    measurePaging(*printing.window);
    bench::say(QStringLiteral("peak resident memory with the preview open: %1")
                   .arg(megabytes(memory::peakResidentKiB())));
    if (bench.sizes.quick)
        return 0;
    measurePdf(*printing.report, bench.folder.path());
    bench::say(QStringLiteral("peak resident memory after the PDF of every page: %1")
                   .arg(megabytes(memory::peakResidentKiB())));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    allocator::mapLargeBlocks(); // as the program does
    return bench::runScreenBench(argc, argv, "print_bench", measure);
}
