#include "cli/verify_command.h"

#include "cli/error_report.h"
#include "cli/verbs.h"
#include "store/archive/archive.h"
#include "store/submission/verifier.h"

#include <QDir>
#include <QObject>

namespace cli {
namespace {

// Each check of a saved submission has a code of its own, as the check of a return has; one that
// fails is an error.
QString codeOf(const QString& check) {
    static const QStringList checks{QStringLiteral("FCode"),    QStringLiteral("FName"),
                                    QStringLiteral("FSize"),    QStringLiteral("DBVersion"),
                                    QStringLiteral("TotalRec"), QStringLiteral("TotalIncome"),
                                    QStringLiteral("Tables")};
    const qsizetype at = checks.indexOf(check);
    return at < 0 ? QStringLiteral("XW-V-000")
                  : QStringLiteral("XW-V-%1").arg(at + 1, 3, 10, QLatin1Char('0'));
}

int printChecks(const QList<SubmissionCheck>& checks, QTextStream& out) {
    bool allHold = true;
    for (const SubmissionCheck& check : checks) {
        out << qSetFieldWidth(10) << Qt::left << codeOf(check.name) << qSetFieldWidth(8)
            << (check.holds() ? "ok" : "error") << qSetFieldWidth(12) << check.name
            << qSetFieldWidth(0) << "found \"" << check.found << "\", expected \"" << check.expected
            << "\"\n";
        allHold = allHold && check.holds();
    }
    return allHold ? AllHold : CheckFailed;
}

QList<SubmissionCheck> verifyEntry(const QString& path, const std::function<QString()>& password,
                                   QTextStream& out) {
    const QString folder = archive::entryFolderOf(path);
    const QList<SubmissionCheck> checks = archive::verifyEntry(folder, password());
    out << QObject::tr("Archived submission %1\n").arg(QDir::toNativeSeparators(folder));
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
