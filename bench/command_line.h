#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

// Small pieces shared by the benchmark commands.
namespace bench {

// The option's value as a whole number from lowest to highest; prints why and gives nothing
// when the value is something else.
std::optional<qint64> wholeNumber(const QCommandLineParser& parser,
                                  const QCommandLineOption& option, qint64 lowest, qint64 highest);

// One line on standard output, flushed at once so progress shows while the command runs.
void say(const QString& line);
// One line on standard error, prefixed with the command's name.
void complain(const QString& line);

QString milliseconds(qint64 nanoseconds);

qint64 median(std::vector<qint64> samples);

// Reads the command line of a benchmark that takes only --records (default 50,000); nothing
// when the value is wrong, after saying why.
std::optional<qint64> recordCount(const QCoreApplication& app);

// What a benchmark of the one benchmark command is asked: --records N (default 50,000),
// --repeat R (default 5, the runs whose median is reported) and --quick.
struct Sizes {
    int records = 50'000;
    int repeat = 5;
    bool quick = false; // --quick: leave out the long extras (print_bench's PDF of every page)
};
std::optional<Sizes> readSizes(const QCoreApplication& app);

// The machine line that bench/run.sh collects, one per measured command:
// RESULT<TAB>command<TAB>records<TAB>median seconds<TAB>floor seconds or -<TAB>peak resident MB.
// floorNs is -1 where no outside tool does the same work.
void result(const QString& command, qint64 records, qint64 medianNs, qint64 floorNs,
            qint64 peakBytes);
// The peak resident memory of this process so far, in bytes (-1 where unknown).
qint64 peakBytes();

// Runs a tool (the engine's client, md5sum, cp) with a script on its standard input and returns
// its wall time; raises std::runtime_error when it fails or complains.
qint64 runTool(const QStringList& arguments, const QByteArray& script);
// The same for the engine's client on a working database, the script after the key: the sum of
// the client's own run times (".timer on"), which leaves out its start and key derivation.
qint64 clientWorkTime(const QString& database, const QString& script);

} // namespace bench
