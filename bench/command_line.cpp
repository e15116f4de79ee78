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
