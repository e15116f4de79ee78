#include "cli/verify_command.h"

#include "cli/error_report.h"
#include "cli/verbs.h"
#include "store/submission/verifier.h"

namespace cli {
namespace {

int printChecks(const QList<SubmissionCheck>& checks, QTextStream& out) {
    bool allHold = true;
    for (const SubmissionCheck& check : checks) {
        out << qSetFieldWidth(12) << Qt::left << check.name << qSetFieldWidth(8)
            << (check.holds() ? "ok" : "FAILED") << qSetFieldWidth(0) << "found \"" << check.found
            << "\", expected \"" << check.expected << "\"\n";
        allHold = allHold && check.holds();
    }
    return allHold ? AllHold : CheckFailed;
}

} // namespace

int runVerify(const QStringList& arguments, QTextStream& out, QTextStream& errors) {
    if (arguments.size() != 1) {
        errors << "usage: " << verifySynopsis << '\n';
        return CannotRead;
    }
    return runReportingTo(errors, QStringLiteral("xw73d verify"), CannotRead,
                          [&] { return printChecks(verifySubmission(arguments.first()), out); });
}

} // namespace cli
