#include "gui/reports/form_export.h"

#include "core/common/engine_error.h"
#include "gui/reports/page_painter.h"
#include "store/reports/pdf_pages.h"

#include <QBuffer>
#include <QDir>
#include <QObject>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace report {

namespace {

// The most forms drawn as one document. Every file of a run carries the run's font subsets,
// which hold the letters of every name in it, so a longer run makes larger files.
constexpr int longestRun = 32;

// Forms made beforehand, so that a worker draws them without the database.
struct Run {
    QList<Page> pages;
    QStringList paths;
};

class RunPages : public Report {
public:
    explicit RunPages(const QList<Page>& pages)
        : m_pages(pages) {}
    int pageCount() const override { return int(m_pages.size()); }
    Page page(int index) const override { return m_pages.at(index); }

private:
    const QList<Page>& m_pages;
};

// What a worker tells: a file finished or failed, or the end of its run.
struct Event {
    bool runEnded = false;
    OutputResult file;
};

// The runs under way. A run is drawn into one PDF document in memory, so its fonts are embedded
// and compressed once, and then split into a file for each form.
class FileWriters {
public:
    // Each file waits for the disk when it is flushed, so two writers a core keep the cores
    // busy meanwhile.
    explicit FileWriters(int workers) {
        m_pool.setMaxThreadCount(workers > 0 ? workers
                                             : 2 * std::max(1, QThread::idealThreadCount()));
        // Fonts are looked up once here rather than by every worker at its first page.
        chineseFamily();
    }
    ~FileWriters() {
        m_stop = true;
        m_pool.waitForDone();
    }
    // Runs long enough to embed the fonts rarely, short enough to give every worker one.
    int runLength(int forms) const {
        const int workers = m_pool.maxThreadCount();
        return std::clamp((forms + workers - 1) / workers, 1, longestRun);
    }
    bool isFull() const { return m_runs >= 2 * m_pool.maxThreadCount(); }
    bool isEmpty() const { return m_runs == 0; }
    void stop() { m_stop = true; }

    void start(Run run) {
        ++m_runs;
        m_pool.start([this, run = std::move(run)] {
            write(run);
            tell({true, {}});
        });
    }

    // Waits for the next files finished or failed, in the order the workers told them.
    QList<OutputResult> waitForFiles() {
        std::unique_lock lock(m_mutex);
        m_told.wait(lock, [this] { return !m_events.empty(); });
        QList<OutputResult> files;
        for (; !m_events.empty(); m_events.pop_front()) {
            if (m_events.front().runEnded)
                --m_runs;
            else
                files << m_events.front().file;
        }
        return files;
    }

private:
    void tell(Event event) {
        {
            const std::lock_guard lock(m_mutex);
            m_events.push_back(std::move(event));
        }
        m_told.notify_one();
    }

    void fail(const QString& error) { tell({false, {Outcome::Failed, error}}); }

    void write(const Run& run) {
        if (m_stop)
            return;
        QBuffer document;
        document.open(QIODevice::WriteOnly);
        const OutputResult drawn =
            paintPdf(RunPages(run.pages), {0, int(run.pages.size()) - 1}, document);
        if (drawn.outcome != Outcome::Complete)
            return fail(drawn.error);
        // The errors of the split name the file that failed.
        try {
            const PdfPages pages(document.buffer());
            for (int index = 0; index < run.paths.size() && !m_stop; ++index) {
                pages.writePage(index, run.paths.at(index));
                tell({false, {Outcome::Complete, QString()}});
            }
        } catch (const EngineError& error) {
            fail(error.description());
        }
    }

    QThreadPool m_pool;
    std::atomic<bool> m_stop = false;
    int m_runs = 0; // started and not ended; the calling thread's alone
    std::mutex m_mutex;
    std::condition_variable m_told;
    std::deque<Event> m_events;
};

class PageFileExport {
public:
    PageFileExport(const Report& report, const QStringList& fileNames, const QString& folder,
                   const Progress& progress, int workers)
        : m_report(report)
        , m_names(fileNames)
        , m_folder(folder)
        , m_progress(progress)
        , m_writers(workers) {}

    ExportResult run() {
        const int count = int(m_names.size());
        const int length = m_writers.runLength(count);
        for (int index = 0;
             index < count && m_result.outcome == Outcome::Complete && m_pageError.isEmpty();
             index += length) {
            startRun(index, std::min(count, index + length));
            while (m_writers.isFull() && m_result.outcome == Outcome::Complete)
                collect(count);
        }
        while (!m_writers.isEmpty())
            collect(count);
        if (!m_pageError.isEmpty())
            fail(m_pageError);
        return m_result;
    }

private:
    // A form that cannot be made ends the export; those made before it are still written.
    void startRun(int first, int end) {
        Run run;
        for (int index = first; index < end && m_pageError.isEmpty(); ++index) {
            try {
                run.pages << m_report.page(index);
                run.paths << m_folder.filePath(m_names.at(index));
            } catch (const EngineError& error) {
                m_pageError = error.description();
            }
        }
        if (!run.pages.isEmpty())
            m_writers.start(std::move(run));
    }

    void collect(int count) {
        for (const OutputResult& done : m_writers.waitForFiles()) {
            if (done.outcome == Outcome::Complete)
                ++m_result.written;
            else
                fail(done.error);
            if (m_result.outcome == Outcome::Complete && m_progress &&
                !m_progress(m_result.written, count)) {
                m_result.outcome = Outcome::Cancelled;
                m_writers.stop();
            }
        }
    }

    void fail(const QString& error) {
        if (m_result.outcome == Outcome::Failed)
            return;
        m_result.outcome = Outcome::Failed;
        m_result.error = error;
        m_writers.stop();
    }

    const Report& m_report;
    const QStringList& m_names;
    QDir m_folder;
    const Progress& m_progress;
    FileWriters m_writers;
    ExportResult m_result{Outcome::Complete, 0, QString()};
    QString m_pageError;
};

} // namespace

ExportResult writePageFiles(const Report& report, const QStringList& fileNames,
                            const QString& folder, const Progress& progress, int workers) {
    if (fileNames.size() != report.pageCount())
        return {Outcome::Failed, 0, QObject::tr("The forms and their file names do not match.")};
    return PageFileExport(report, fileNames, folder, progress, workers).run();
}

QStringList namesInFolder(const QStringList& fileNames, const QString& folder) {
    QSet<QString> present;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        present.insert(name.toLower());
    QStringList found;
    for (const QString& name : fileNames)
        if (present.contains(name.toLower()))
            found << name;
    return found;
}

} // namespace report
