#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <optional>

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

} // namespace bench
