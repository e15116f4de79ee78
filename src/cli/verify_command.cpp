#include "cli/verify_command.h"

#include "core/common/engine_error.h"
#include "store/submission/verifier.h"

namespace cli {

int runVerify(const QStringList& arguments, QTextStream& out, QTextStream& errors) {
    if (arguments.size() != 1) {
        errors << "usage: xw73d verify FILE\n";
        return CannotRead;
    }
    QList<SubmissionCheck> checks;
    try {
        checks = verifySubmission(arguments.first());
    } catch (const EngineError& error) {
        errors << "xw73d verify: " << error.description() << '\n';
        return CannotRead;
    }
    bool allHold = true;
    for (const SubmissionCheck& check : checks) {
        out << qSetFieldWidth(12) << Qt::left << check.name << qSetFieldWidth(8)
            << (check.holds() ? "ok" : "FAILED") << qSetFieldWidth(0) << "found \"" << check.found
            << "\", expected \"" << check.expected << "\"\n";
        allHold = allHold && check.holds();
    }
    return allHold ? AllHold : CheckFailed;
}

} // namespace cli
