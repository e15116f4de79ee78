#include "cli/error_report.h"

#include "core/common/engine_error.h"

namespace cli {

int runReportingTo(QTextStream& errors, const QString& prefix, int failedExit,
                   const std::function<int()>& work) {
    try {
        return work();
    } catch (const EngineError& error) {
        errors << prefix << ": " << error.description() << '\n';
        return failedExit;
    }
}

} // namespace cli
