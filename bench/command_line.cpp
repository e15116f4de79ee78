#include "command_line.h"

#include <QCoreApplication>
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

} // namespace bench
