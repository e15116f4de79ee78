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

// The machine line that collects a measured command's figures for the one benchmark table:
// "RESULT<TAB>command<TAB>records<TAB>median s<TAB>floor s or -<TAB>peak resident MB".
// floorNs is -1 when nothing outside the program does the same work.
void result(const QString& command, qint64 records, qint64 medianNs, qint64 floorNs,
            qint64 peakBytes);

// Reads the command line of a benchmark that takes only --records (default 50,000); nothing
// when the value is wrong, after saying why.
std::optional<qint64> recordCount(const QCoreApplication& app);

} // namespace bench
