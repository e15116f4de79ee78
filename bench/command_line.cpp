#include "command_line.h"

#include "process_memory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <stdexcept>

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

std::optional<qint64> recordCount(const QCoreApplication& app) {
    QCommandLineParser parser;
    const QCommandLineOption records(QStringLiteral("records"), QStringLiteral("Records."),
                                     QStringLiteral("N"), QStringLiteral("50000"));
    parser.addOption(records);
    parser.addHelpOption();
    parser.process(app);
    return wholeNumber(parser, records, 1, 1000000);
}

std::optional<Sizes> readSizes(const QCoreApplication& app) {
    QCommandLineParser parser;
    const QCommandLineOption records(QStringLiteral("records"), QStringLiteral("Records."),
                                     QStringLiteral("N"), QStringLiteral("50000"));
    const QCommandLineOption repeat(QStringLiteral("repeat"),
                                    QStringLiteral("Runs of each command (default 5)."),
                                    QStringLiteral("R"), QStringLiteral("5"));
    const QCommandLineOption quick(QStringLiteral("quick"),
                                   QStringLiteral("Leave out the long extras."));
    parser.addOptions({records, repeat, quick});
    parser.addHelpOption();
    parser.process(app);
    const auto count = wholeNumber(parser, records, 1, 1000000);
    const auto runs = wholeNumber(parser, repeat, 1, 1000);
    if (!count || !runs)
        return std::nullopt;
    return Sizes{static_cast<int>(*count), static_cast<int>(*runs), parser.isSet(quick)};
}

void result(const QString& command, qint64 records, qint64 medianNs, qint64 floorNs,
            qint64 peakBytes) {
    const QString floor =
        floorNs < 0 ? QStringLiteral("-") : QString::number(floorNs / 1e9, 'f', 3);
    say(QStringLiteral("RESULT\t%1\t%2\t%3\t%4\t%5")
            .arg(command)
            .arg(records)
            .arg(medianNs / 1e9, 0, 'f', 3)
            .arg(floor)
            .arg(peakBytes / (1024.0 * 1024.0), 0, 'f', 1));
}

qint64 peakBytes() {
    const long long kib = memory::peakResidentKiB();
    return kib < 0 ? -1 : kib * 1024;
}

qint64 runTool(const QStringList& arguments, const QByteArray& script) {
    QElapsedTimer timer;
    timer.start();
    QProcess tool;
    tool.start(arguments.first(), arguments.mid(1));
    tool.write(script);
    tool.closeWriteChannel();
    if (!tool.waitForFinished(-1) || tool.exitCode() != 0 || !tool.readAllStandardError().isEmpty())
        throw std::runtime_error(qPrintable(arguments.join(u' ') + QStringLiteral(" failed")));
    return timer.nsecsElapsed();
}

qint64 clientWorkTime(const QString& database, const QString& script) {
    QProcess client;
    client.start(QStringLiteral("sqlcipher"), {database});
    // The key is derived by the first read, before the timer starts.
    client.write(QStringLiteral("PRAGMA key='qvz';\nSELECT count(*) FROM sqlite_master;\n"
                                ".timer on\n%1\n")
                     .arg(script)
                     .toUtf8());
    client.closeWriteChannel();
    if (!client.waitForFinished(-1) || client.exitCode() != 0 ||
        !client.readAllStandardError().isEmpty())
        throw std::runtime_error("the sqlcipher client failed");
    static const QRegularExpression runTime(QStringLiteral("Run Time: real ([0-9.]+)"));
    double seconds = 0;
    for (auto match = runTime.globalMatch(QString::fromUtf8(client.readAllStandardOutput()));
         match.hasNext();)
        seconds += match.next().captured(1).toDouble();
    return static_cast<qint64>(seconds * 1e9);
}

} // namespace bench
