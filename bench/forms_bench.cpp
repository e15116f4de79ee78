// Measures Export forms as PDF files on a large database: the whole command through the editor
// (numbering, file names, one PDF per original record into a fresh folder), in forms written
// per second with every core, and the same writing of the first forms with a single worker for
// comparison; with the peak resident memory. Every record is made an original record.
#include "editor_fixture.h"
#include "process_memory.h"

#include "core/platform/allocator.h"
#include "gui/records/record_editor.h"
#include "gui/reports/form_export.h"
#include "store/records/record_report.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <sys/resource.h>

namespace {

constexpr int singleWorkerForms = 2000;

// The first pages of a report, for a shorter run.
class FirstPages : public report::Report {
public:
    FirstPages(const report::Report& whole, int pages)
        : m_whole(whole)
        , m_pages(std::min(pages, whole.pageCount())) {}
    int pageCount() const override { return m_pages; }
    report::Page page(int index) const override { return m_whole.page(index); }

private:
    const report::Report& m_whole;
    int m_pages;
};

qsizetype pdfFilesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files).size();
}

void sayRate(const QString& what, qsizetype forms, qint64 nanoseconds) {
    const double seconds = nanoseconds / 1e9;
    bench::say(QStringLiteral("%1: %2 forms in %3 s, %4 forms per second")
                   .arg(what)
                   .arg(forms)
                   .arg(seconds, 0, 'f', 1)
                   .arg(forms / seconds, 0, 'f', 0));
}

// The processor time of the whole process, every thread, in seconds.
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// On a shared machine the wall time depends on the other load; the processor time a form takes
// does not, and says what the cores alone could do.
void sayCpu(qsizetype forms, double cpuBefore) {
    const double cpu = cpuSeconds() - cpuBefore;
    bench::say(QStringLiteral("processor time: %1 s, %2 ms a form, so %3 forms a second a core")
                   .arg(cpu, 0, 'f', 1)
                   .arg(cpu * 1000 / forms, 0, 'f', 1)
                   .arg(forms / cpu, 0, 'f', 0));
}

int measureCommand(bench::ScreenBench& bench, RecordEditor& editor) {
    const QString folder = bench.folder.filePath(QStringLiteral("forms"));
    QDir().mkpath(folder);
    bench.services.chosenFolder = folder;
    bench.services.choice = 0; // all originals in sheet order
    memory::resetPeakResident();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    emit editor.exportFormsRequested();
    const qint64 elapsed = timer.nsecsElapsed();
    const qsizetype written = pdfFilesIn(folder);
    if (written != bench.sizes.records) {
        bench::complain(QStringLiteral("%1 files written for %2 records; last box: %3")
                            .arg(written)
                            .arg(bench.sizes.records)
                            .arg(bench.services.lastText));
        return 1;
    }
    sayRate(QStringLiteral("Export forms as PDF files, %1 cores")
                .arg(std::max(1, QThread::idealThreadCount())),
            written, elapsed);
    sayCpu(written, cpuBefore);
    bench::result(QStringLiteral("Export forms as PDF files"), bench.sizes.records, elapsed, -1,
                  bench::peakBytes());
    // Every file carries the font subsets of its run of forms, so the largest file tells whether
    // the runs are short enough.
    qint64 bytes = 0;
    qint64 largest = 0;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
        bytes += file.size();
        largest = std::max(largest, file.size());
    }
    bench::say(QStringLiteral("peak resident memory: %1 MB; the files: %2 MB, %3 KB each, the "
                              "largest %4 KB")
                   .arg(memory::peakResidentKiB() / 1024)
                   .arg(bytes / (1024 * 1024))
                   .arg(bytes / 1024 / std::max<qsizetype>(1, written))
                   .arg(largest / 1024));
    return 0;
}

void measureSingleWorker(bench::ScreenBench& bench) {
    const auto originals = RecordReport::originals(bench.state.db());
    const FirstPages first(*originals, singleWorkerForms);
    const QStringList names = originals->formFileNames().mid(0, first.pageCount());
    const QString folder = bench.folder.filePath(QStringLiteral("one-worker"));
    QDir().mkpath(folder);
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    const report::ExportResult result = report::writePageFiles(first, names, folder, {}, 1);
    if (result.outcome != report::Outcome::Complete)
        bench::complain(QStringLiteral("one worker: ") + result.error);
    sayRate(QStringLiteral("the first forms with one worker"), result.written,
            timer.nsecsElapsed());
    sayCpu(result.written, cpuBefore);
}

int measure(bench::ScreenBench& bench) {
    bench.services.documents = bench.folder.path();
    bench.openLogin();
    bench.state.db().exec(QStringLiteral("update employee set Status = 'O' where Status <> 'H'"));
    const std::unique_ptr<RecordEditor> editor = bench.openEditor();
    if (const int failed = measureCommand(bench, *editor))
        return failed;
    if (!bench.sizes.quick)
        measureSingleWorker(bench);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    allocator::mapLargeBlocks(); // as the program does
    return bench::runScreenBench(argc, argv, "forms_bench", measure);
}
