#include "cli/verify_command.h"

#include "cli/error_report.h"
#include "cli/verbs.h"
#include "store/archive/archive.h"
#include "store/submission/verifier.h"

#include <QDir>

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

QList<SubmissionCheck> verifyEntry(const QString& path, const std::function<QString()>& password,
                                   QTextStream& out) {
    const QString folder = archive::entryFolderOf(path);
    const QList<SubmissionCheck> checks = archive::verifyEntry(folder, password());
    out << "Archived submission " << QDir::toNativeSeparators(folder) << '\n';
    return checks;
}

} // namespace

int runVerify(const QStringList& arguments, QTextStream& out, QTextStream& errors,
              const std::function<QString()>& password) {
    if (arguments.size() != 1) {
        errors << "usage: " << verifySynopsis << '\n';
        return CannotRead;
    }
    return runReportingTo(errors, QStringLiteral("xw73d verify"), CannotRead, [&] {
        const QString path = arguments.first();
        return printChecks(archive::isEntry(path) ? verifyEntry(path, password, out)
                                                  : verifySubmission(path),
                           out);
    });
}

} // namespace cli
