#include "gui/reports/form_export.h"

#include "core/common/engine_error.h"
#include "gui/reports/page_painter.h"

#include <QDir>
#include <QObject>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <atomic>
#include <deque>
#include <future>
#include <memory>

namespace report {

namespace {

// A report of one page made beforehand, so that a worker draws it without the database.
class OnePage : public Report {
public:
    explicit OnePage(Page page)
        : m_page(std::move(page)) {}
    int pageCount() const override { return 1; }
    Page page(int) const override { return m_page; }

private:
    Page m_page;
};

// The files under way, at most a few for each worker so that memory stays flat.
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
    bool isFull() const { return m_running.size() >= std::size_t(2 * m_pool.maxThreadCount()); }
    bool isEmpty() const { return m_running.empty(); }
    void stop() { m_stop = true; }

    void start(Page page, const QString& path) {
        auto task = std::make_shared<std::packaged_task<OutputResult()>>(
            [this, page = std::move(page), path]() mutable {
                if (m_stop)
                    return OutputResult{Outcome::Cancelled, QString()};
                const OnePage form(std::move(page));
                OutputResult result = writePdf(form, {0, 0}, path);
                if (result.outcome == Outcome::Failed)
                    result.error =
                        QObject::tr("%1: %2").arg(QDir::toNativeSeparators(path), result.error);
                return result;
            });
        m_running.push_back(task->get_future());
        m_pool.start([task] { (*task)(); });
    }

    // Waits for the oldest file under way.
    OutputResult takeOldest() {
        OutputResult result = m_running.front().get();
        m_running.pop_front();
        return result;
    }

private:
    QThreadPool m_pool;
    std::atomic<bool> m_stop = false;
    std::deque<std::future<OutputResult>> m_running;
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
        for (int index = 0; index < count && m_result.outcome == Outcome::Complete; ++index) {
            if (!startPage(index))
                break;
            while (m_writers.isFull() && m_result.outcome == Outcome::Complete)
                collect(count);
        }
        while (!m_writers.isEmpty())
            collect(count);
        return m_result;
    }

private:
    bool startPage(int index) {
        try {
            m_writers.start(m_report.page(index), m_folder.filePath(m_names.at(index)));
            return true;
        } catch (const EngineError& error) {
            fail(error.description());
            return false;
        }
    }

    void collect(int count) {
        const OutputResult done = m_writers.takeOldest();
        if (done.outcome == Outcome::Complete)
            ++m_result.written;
        else if (done.outcome == Outcome::Failed)
            fail(done.error);
        if (m_result.outcome == Outcome::Complete && m_progress &&
            !m_progress(m_result.written, count)) {
            m_result.outcome = Outcome::Cancelled;
            m_writers.stop();
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
