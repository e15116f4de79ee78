#include "command_line.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

namespace bench {

std::optional<qint64> wholeNumber(const QCommandLineParser& parser,
                                  const QCommandLineOption& option, qint64 lowest, qint64 highest) {
    bool ok = false;
    const qint64 value = parser.value(option).toLongLong(&ok);
    if (ok && value >= lowest && value <= highest)
        return value;
    complain(QStringLiteral("--%1 must be a whole number from %2 to %3, not '%4'")
                 .arg(option.names().constFirst())
                 .arg(lowest)
                 .arg(highest)
                 .arg(parser.value(option)));
    return std::nullopt;
}

void say(const QString& line) {
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

void complain(const QString& line) {
    std::fputs(
        qPrintable(QCoreApplication::applicationName() + QStringLiteral(": ") + line + u'\n'),
        stderr);
}

QString milliseconds(qint64 nanoseconds) {
    return QString::number(nanoseconds / 1e6, 'f', 2) + QStringLiteral(" ms");
}

qint64 median(std::vector<qint64> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void result(const QString& command, qint64 records, qint64 medianNs, qint64 floorNs,
            qint64 peakBytes) {
    const auto seconds = [](qint64 ns) { return QString::number(ns / 1e9, 'f', 3); };
    say(QStringLiteral("RESULT\t%1\t%2\t%3\t%4\t%5")
            .arg(command)
            .arg(records)
            .arg(seconds(medianNs), floorNs < 0 ? QStringLiteral("-") : seconds(floorNs))
            .arg(peakBytes / (1024.0 * 1024.0), 0, 'f', 1));
}

std::optional<qint64> recordCount(const QCoreApplication& app) {
    QCommandLineParser parser;
    const QCommandLineOption records(QStringLiteral("records"), QStringLiteral("Records."),
                                     QStringLiteral("N"), QStringLiteral("50000"));
    parser.addOption(records);
    parser.addHelpOption();
    parser.process(app);
    return wholeNumber(parser, records, 1, 1000000);
}

} // namespace bench
