#pragma once

#include <QString>
#include <QTextStream>
#include <functional>

namespace cli {

// Runs a verb's work and gives its exit code. An EngineError it raises is written to `errors`
// as "PREFIX: description" and `failedExit` given instead: the terminal's counterpart of the
// screens' runReportingErrors.
int runReportingTo(QTextStream& errors, const QString& prefix, int failedExit,
                   const std::function<int()>& work);

} // namespace cli
