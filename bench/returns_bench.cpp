// Measures the list of returns over a workspace of N return folders (200 unless --returns says
// otherwise), each with a working database and the summary a run leaves: the list reads the
// summaries and tests each database's lock, never opening one. Reports the median and the
// slowest of --repeat listings.
#include "command_line.h"
#include "record_generator.h"

#include "core/platform/allocator.h"
#include "store/common/schema.h"
#include "store/returns/return_list.h"
#include "store/returns/summary_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

namespace {

struct Request {
    int returns = 200;
    int repeat = 5;
};

std::optional<Request> readRequest(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the list of returns."));
    parser.addHelpOption();
    const QCommandLineOption returns(QStringLiteral("returns"),
                                     QStringLiteral("Return folders to make (default 200)."),
                                     QStringLiteral("N"), QStringLiteral("200"));
    const QCommandLineOption repeat(QStringLiteral("repeat"),
                                    QStringLiteral("Measured listings (default 5)."),
                                    QStringLiteral("R"), QStringLiteral("5"));
    parser.addOptions({returns, repeat});
    parser.process(app);
    const auto count = bench::wholeNumber(parser, returns, 1, 100'000);
    const auto times = bench::wholeNumber(parser, repeat, 1, 1000);
    if (!count || !times)
        return std::nullopt;
    return Request{static_cast<int>(*count), static_cast<int>(*times)};
}

// One generated database of a few records, copied into every folder with a summary of its own.
void makeWorkspace(const QString& workspace, int returns) {
    const QString model = QDir(workspace).filePath(QStringLiteral(".model"));
    QDir().mkpath(model);
    generator::makeWorkingDatabase(model, 20, 1);
    for (int n = 1; n <= returns; ++n) {
        const QString folder = QDir(workspace).filePath(QStringLiteral("Employer %1").arg(n));
        QDir().mkpath(folder);
        QFile::copy(databasePath(model, DatabaseFile::Working),
                    databasePath(folder, DatabaseFile::Working));
        ReturnSummary summary{QStringLiteral("EMPLOYER %1 LIMITED").arg(n),
                              QStringLiteral("A"),
                              QStringLiteral("%1").arg(n, 8, 10, QLatin1Char('0')),
                              QStringLiteral("2024"),
                              20,
                              QDateTime::currentDateTime(),
                              {}};
        returnfiles::writeSummary(folder, summary);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    allocator::mapLargeBlocks(); // as the program does
    QCoreApplication app(argc, argv);
    const std::optional<Request> request = readRequest(app);
    if (!request)
        return 2;
    QTemporaryDir root;
    const QString workspace = root.filePath(QStringLiteral("returns"));
    makeWorkspace(workspace, request->returns);
    std::vector<qint64> samples;
    for (int run = 0; run < request->repeat; ++run) {
        QElapsedTimer timer;
        timer.start();
        const QList<returnfiles::ListedReturn> listed = returnfiles::listReturns({workspace, {}});
        samples.push_back(timer.nsecsElapsed());
        const bool allReady = std::all_of(listed.cbegin(), listed.cend(), [](const auto& entry) {
            return entry.condition == ReturnCondition::Ready && entry.summary.recordCount == 20;
        });
        if (listed.size() != request->returns || !allReady) {
            bench::complain(QStringLiteral("the list does not show every return as ready"));
            return 1;
        }
    }
    const qint64 median = bench::median(samples);
    bench::say(QStringLiteral("list of %1 returns: median %2, slowest %3")
                   .arg(request->returns)
                   .arg(bench::milliseconds(median),
                        bench::milliseconds(*std::max_element(samples.begin(), samples.end()))));
    bench::result(QStringLiteral("list of returns"), request->returns, median, -1,
                  bench::peakBytes());
    return 0;
}
